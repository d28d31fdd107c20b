#include "gdiplus/brushes.h"

#include "gdiplus/graphics_path.h"
#include "natives.h"

namespace gdip {

bool Brush::deleteBrush() {
    if (!brush_) return false;
    const bool ok = record(flat::GdipDeleteBrush(brush_));
    setHandle(nullptr);
    return ok;
}

Gdiplus::BrushType Brush::getBrushType() const {
    Gdiplus::BrushType type = Gdiplus::BrushTypeSolidColor;
    return record(flat::GdipGetBrushType(brush_, &type)) ? type : Gdiplus::BrushTypeSolidColor;
}

SolidBrush& SolidBrush::operator=(SolidBrush&& other) noexcept {
    if (this != &other) {
        deleteBrush();
        takeFrom(other);
    }
    return *this;
}

bool SolidBrush::create(ARGB colour) {
    deleteBrush();
    fill_ = nullptr;
    const Status status = flat::GdipCreateSolidFill(colour, &fill_);
    return finishCreate(status, fill_);
}

bool SolidBrush::setColour(ARGB colour) {
    return record(flat::GdipSetSolidFillColor(fill_, colour));
}

ARGB SolidBrush::getColour() const {
    ARGB colour = 0;
    return record(flat::GdipGetSolidFillColor(fill_, &colour)) ? colour : 0;
}

LinearGradientBrush& LinearGradientBrush::operator=(LinearGradientBrush&& other) noexcept {
    if (this != &other) {
        deleteBrush();
        takeFrom(other);
    }
    return *this;
}

bool LinearGradientBrush::create(const PointF& point1, const PointF& point2, ARGB colour1,
                                 ARGB colour2) {
    deleteBrush();
    line_ = nullptr;
    const Status status = flat::GdipCreateLineBrush(&point1, &point2, colour1, colour2,
                                                    Gdiplus::WrapModeTile, &line_);
    return finishCreate(status, line_);
}

bool LinearGradientBrush::setPresetBlend(const std::vector<ARGB>& colours,
                                         const std::vector<float>& positions) {
    // One position per colour: GDI+ reads as many of each as there are colours.
    if (positions.size() != colours.size()) return record(Gdiplus::InvalidParameter);
    return record(flat::GdipSetLinePresetBlend(line_, colours.data(), positions.data(),
                                               static_cast<INT>(colours.size())));
}

bool LinearGradientBrush::setLinearBlend(float focus, float scale) {
    return record(flat::GdipSetLineLinearBlend(line_, focus, scale));
}

bool LinearGradientBrush::setWrapMode(Gdiplus::WrapMode mode) {
    return record(flat::GdipSetLineWrapMode(line_, mode));
}

PathGradientBrush& PathGradientBrush::operator=(PathGradientBrush&& other) noexcept {
    if (this != &other) {
        deleteBrush();
        takeFrom(other);
    }
    return *this;
}

bool PathGradientBrush::createFromPath(const GraphicsPath& path) {
    deleteBrush();
    gradient_ = nullptr;
    const Status status =
        flat::GdipCreatePathGradientFromPath(nativeOf<Gdiplus::GpPath>(path), &gradient_);
    return finishCreate(status, gradient_);
}

bool PathGradientBrush::setCenterColour(ARGB colour) {
    return record(flat::GdipSetPathGradientCenterColor(gradient_, colour));
}

ARGB PathGradientBrush::getCenterColour() const {
    ARGB colour = 0;
    return record(flat::GdipGetPathGradientCenterColor(gradient_, &colour)) ? colour : 0;
}

bool PathGradientBrush::setCenterPoint(const PointF& point) {
    return record(flat::GdipSetPathGradientCenterPoint(gradient_, &point));
}

bool PathGradientBrush::setSurroundColours(const std::vector<ARGB>& colours, int count) {
    const int available = static_cast<int>(colours.size());
    // GDI+ reads `count` colours: never more than there are.
    if (count < 0) count = available;
    if (count > available) return record(Gdiplus::InvalidParameter);
    INT used = count;
    return record(
        flat::GdipSetPathGradientSurroundColorsWithCount(gradient_, colours.data(), &used));
}

}  // namespace gdip
