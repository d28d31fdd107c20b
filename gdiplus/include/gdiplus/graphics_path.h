// GraphicsPath: figures of lines, arcs, rectangles and ellipses to fill,
// outline or clip with.
#pragma once

#include "gdiplus/gdip_base.h"

namespace gdip {

class GraphicsPath : public GdipObject {
public:
    GraphicsPath() = default;
    ~GraphicsPath() { deletePath(); }
    GraphicsPath(GraphicsPath&& other) noexcept { takeFrom(other); }
    GraphicsPath& operator=(GraphicsPath&& other) noexcept;

    bool deletePath();
    bool createPath(Gdiplus::FillMode fillMode = Gdiplus::FillModeAlternate);
    bool resetPath();

    bool startFigure();
    bool closeFigure();

    bool addLine(float x1, float y1, float x2, float y2);
    bool addArc(float x, float y, float width, float height, float startAngle, float sweepAngle);
    bool addBezier(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4);
    bool addRectangle(float x, float y, float width, float height);
    bool addEllipse(float x, float y, float width, float height);
    bool addPolygon(const std::vector<PointF>& points);
    // A closed rounded rectangle whose corner arcs span `percent` (clamped to
    // 1..100) of the width and of the height. Not the engine's path builder,
    // whose corner is a size in path units.
    bool addRoundedRectangle(float x, float y, float width, float height, int percent);

    int getPointCount() const;     // 0 on failure
    RectF getWorldBounds() const;  // empty on failure
    bool isVisiblePoint(float x, float y) const;

private:
    void setNative(void* native) override { path_ = static_cast<Gdiplus::GpPath*>(native); }
    Gdiplus::GpPath* path_ = nullptr;
};

}  // namespace gdip
