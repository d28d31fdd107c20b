// Region: an area to clip to, fill or test points against.
#pragma once

#include "gdiplus/gdip_base.h"

namespace gdip {

class Graphics;
class GraphicsPath;

class Region : public GdipObject {
public:
    Region() = default;
    ~Region() { deleteRegion(); }
    Region(Region&& other) noexcept { takeFrom(other); }
    Region& operator=(Region&& other) noexcept;

    // Whether the wrapper holds no region (the measuring isEmpty below would
    // hide it otherwise).
    using GdipObject::isEmpty;

    bool deleteRegion();
    bool create();  // the infinite region
    bool createRect(const RectF& rect);
    bool createPath(const GraphicsPath& path);
    bool createHrgn(HRGN region);

    bool combineRect(const RectF& rect, Gdiplus::CombineMode mode);
    bool combineRegion(const Region& other, Gdiplus::CombineMode mode);
    bool translate(float dx, float dy);

    // Measured against a graphics' transform.
    RectF getBounds(const Graphics& graphics) const;  // empty on failure
    HRGN getHRgn(const Graphics& graphics) const;     // caller deletes; 0 on failure
    bool isEmpty(const Graphics& graphics) const;
    bool isVisiblePoint(float x, float y, const Graphics* graphics = nullptr) const;

private:
    void setNative(void* native) override { region_ = static_cast<Gdiplus::GpRegion*>(native); }
    Gdiplus::GpRegion* region_ = nullptr;
};

}  // namespace gdip
