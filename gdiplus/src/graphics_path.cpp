#include "gdiplus/graphics_path.h"

#include <algorithm>

#include "natives.h"

namespace gdip {

GraphicsPath& GraphicsPath::operator=(GraphicsPath&& other) noexcept {
    if (this != &other) {
        deletePath();
        takeFrom(other);
    }
    return *this;
}

bool GraphicsPath::deletePath() {
    if (!path_) return false;
    const bool ok = record(flat::GdipDeletePath(path_));
    setHandle(nullptr);
    return ok;
}

bool GraphicsPath::createPath(Gdiplus::FillMode fillMode) {
    deletePath();
    path_ = nullptr;
    const Status status = flat::GdipCreatePath(fillMode, &path_);
    return finishCreate(status, path_);
}

bool GraphicsPath::resetPath() { return record(flat::GdipResetPath(path_)); }

bool GraphicsPath::startFigure() { return record(flat::GdipStartPathFigure(path_)); }

bool GraphicsPath::closeFigure() { return record(flat::GdipClosePathFigure(path_)); }

bool GraphicsPath::addLine(float x1, float y1, float x2, float y2) {
    return record(flat::GdipAddPathLine(path_, x1, y1, x2, y2));
}

bool GraphicsPath::addArc(float x, float y, float width, float height, float startAngle,
                          float sweepAngle) {
    return record(flat::GdipAddPathArc(path_, x, y, width, height, startAngle, sweepAngle));
}

bool GraphicsPath::addBezier(float x1, float y1, float x2, float y2, float x3, float y3, float x4,
                             float y4) {
    return record(flat::GdipAddPathBezier(path_, x1, y1, x2, y2, x3, y3, x4, y4));
}

bool GraphicsPath::addRectangle(float x, float y, float width, float height) {
    return record(flat::GdipAddPathRectangle(path_, x, y, width, height));
}

bool GraphicsPath::addEllipse(float x, float y, float width, float height) {
    return record(flat::GdipAddPathEllipse(path_, x, y, width, height));
}

bool GraphicsPath::addPolygon(const std::vector<PointF>& points) {
    return record(flat::GdipAddPathPolygon(path_, points.data(), static_cast<INT>(points.size())));
}

bool GraphicsPath::addRoundedRectangle(float x, float y, float width, float height, int percent) {
    percent = std::clamp(percent, 1, 100);
    // Corner sizes are whole units, truncated toward zero.
    const float cw = static_cast<float>(static_cast<int>(width * percent / 100));
    const float ch = static_cast<float>(static_cast<int>(height * percent / 100));
    return addArc(x + width - cw, y, cw, ch, 270, 90) &&
           addArc(x + width - cw, y + height - ch, cw, ch, 0, 90) &&
           addArc(x, y + height - ch, cw, ch, 90, 90) && addArc(x, y, cw, ch, 180, 90) &&
           closeFigure();
}

int GraphicsPath::getPointCount() const {
    INT count = 0;
    return record(flat::GdipGetPointCount(path_, &count)) ? count : 0;
}

RectF GraphicsPath::getWorldBounds() const {
    RectF bounds;
    return record(flat::GdipGetPathWorldBounds(path_, &bounds, nullptr, nullptr)) ? bounds
                                                                                  : RectF();
}

bool GraphicsPath::isVisiblePoint(float x, float y) const {
    BOOL visible = FALSE;
    return record(flat::GdipIsVisiblePathPoint(path_, x, y, nullptr, &visible)) && visible;
}

}  // namespace gdip
