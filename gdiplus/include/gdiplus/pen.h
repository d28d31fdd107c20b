// Pen: outlines in a colour or with a brush.
#pragma once

#include "gdiplus/gdip_base.h"

namespace gdip {

class Brush;

class Pen : public GdipObject {
public:
    Pen() = default;
    ~Pen() { deletePen(); }
    Pen(Pen&& other) noexcept { takeFrom(other); }
    Pen& operator=(Pen&& other) noexcept;

    bool deletePen();
    bool create(ARGB colour, float width, Gdiplus::Unit unit = Gdiplus::UnitWorld);
    // A pen whose strokes are painted with `brush` (the brush may be deleted
    // afterwards: the pen keeps its own copy).
    bool createFromBrush(const Brush& brush, float width, Gdiplus::Unit unit = Gdiplus::UnitWorld);

    float getWidth() const;  // 0 on failure
    bool setWidth(float width);
    bool setColour(ARGB colour);
    bool setDashStyle(Gdiplus::DashStyle style);
    bool setLineJoin(Gdiplus::LineJoin join);

private:
    void setNative(void* native) override { pen_ = static_cast<Gdiplus::GpPen*>(native); }
    Gdiplus::GpPen* pen_ = nullptr;
};

}  // namespace gdip
