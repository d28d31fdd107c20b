// Brushes: the common Brush level and the solid, linear-gradient and
// path-gradient brushes. A brush is passed to drawing operations as Brush.
#pragma once

#include "gdiplus/gdip_base.h"

namespace gdip {

class GraphicsPath;

class Brush : public GdipObject {
public:
    bool deleteBrush();
    Gdiplus::BrushType getBrushType() const;  // 0 (solid) on failure

protected:
    Brush() = default;
    ~Brush() { deleteBrush(); }

    // Called after every change of the native pointer, so that the concrete
    // brush keeps its own typed copy. (Not pure: ~Brush reaches it too.)
    virtual void onNativeSet(void* /*native*/) {}

private:
    void setNative(void* native) final {
        brush_ = static_cast<Gdiplus::GpBrush*>(native);
        onNativeSet(native);
    }
    Gdiplus::GpBrush* brush_ = nullptr;
};

class SolidBrush : public Brush {
public:
    SolidBrush() = default;
    SolidBrush(SolidBrush&& other) noexcept { takeFrom(other); }
    SolidBrush& operator=(SolidBrush&& other) noexcept;

    bool create(ARGB colour);
    bool setColour(ARGB colour);
    ARGB getColour() const;  // 0 on failure

private:
    void onNativeSet(void* native) override { fill_ = static_cast<Gdiplus::GpSolidFill*>(native); }
    Gdiplus::GpSolidFill* fill_ = nullptr;
};

class LinearGradientBrush : public Brush {
public:
    LinearGradientBrush() = default;
    LinearGradientBrush(LinearGradientBrush&& other) noexcept { takeFrom(other); }
    LinearGradientBrush& operator=(LinearGradientBrush&& other) noexcept;

    // From `colour1` at `point1` to `colour2` at `point2`, wrap mode tile.
    bool create(const PointF& point1, const PointF& point2, ARGB colour1, ARGB colour2);
    // Several colour stops; positions run from 0 to 1, one per colour.
    bool setPresetBlend(const std::vector<ARGB>& colours, const std::vector<float>& positions);
    // The second colour peaks at `focus` (0..1) with strength `scale` (0..1).
    bool setLinearBlend(float focus, float scale);
    bool setWrapMode(Gdiplus::WrapMode mode);

private:
    void onNativeSet(void* native) override {
        line_ = static_cast<Gdiplus::GpLineGradient*>(native);
    }
    Gdiplus::GpLineGradient* line_ = nullptr;
};

class PathGradientBrush : public Brush {
public:
    PathGradientBrush() = default;
    PathGradientBrush(PathGradientBrush&& other) noexcept { takeFrom(other); }
    PathGradientBrush& operator=(PathGradientBrush&& other) noexcept;

    bool createFromPath(const GraphicsPath& path);
    bool setCenterColour(ARGB colour);
    ARGB getCenterColour() const;  // 0 on failure
    bool setCenterPoint(const PointF& point);
    // Colours along the boundary. `count` is how many of them to use; when
    // left out (or negative) every colour is used.
    bool setSurroundColours(const std::vector<ARGB>& colours, int count = -1);

private:
    void onNativeSet(void* native) override {
        gradient_ = static_cast<Gdiplus::GpPathGradient*>(native);
    }
    Gdiplus::GpPathGradient* gradient_ = nullptr;
};

}  // namespace gdip
