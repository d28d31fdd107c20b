#include "gdiplus/graphics.h"

#include "gdiplus/brushes.h"
#include "gdiplus/graphics_path.h"
#include "gdiplus/image.h"
#include "gdiplus/pen.h"
#include "gdiplus/region.h"
#include "gdiplus/text.h"
#include "natives.h"

namespace gdip {

using Gdiplus::GpBrush;
using Gdiplus::GpFont;
using Gdiplus::GpImage;
using Gdiplus::GpPath;
using Gdiplus::GpPen;
using Gdiplus::GpRegion;
using Gdiplus::GpStringFormat;

Graphics& Graphics::operator=(Graphics&& other) noexcept {
    if (this != &other) {
        deleteGraphics();
        takeFrom(other);
    }
    return *this;
}

bool Graphics::deleteGraphics() {
    if (!graphics_) return false;
    const bool ok = record(flat::GdipDeleteGraphics(graphics_));
    setHandle(nullptr);
    return ok;
}

bool Graphics::createFromHDC(HDC hdc, HANDLE device) {
    deleteGraphics();
    graphics_ = nullptr;
    const Status status = device ? flat::GdipCreateFromHDC2(hdc, device, &graphics_)
                                 : flat::GdipCreateFromHDC(hdc, &graphics_);
    return finishCreate(status, graphics_);
}

bool Graphics::createFromHWND(HWND hwnd, bool colourCorrection) {
    deleteGraphics();
    graphics_ = nullptr;
    const Status status = colourCorrection ? flat::GdipCreateFromHWNDICM(hwnd, &graphics_)
                                           : flat::GdipCreateFromHWND(hwnd, &graphics_);
    return finishCreate(status, graphics_);
}

bool Graphics::createFromImage(const Image& image) {
    deleteGraphics();
    graphics_ = nullptr;
    const Status status = flat::GdipGetImageGraphicsContext(nativeOf<GpImage>(image), &graphics_);
    return finishCreate(status, graphics_);
}

bool Graphics::setCompositingMode(Gdiplus::CompositingMode mode) {
    return record(flat::GdipSetCompositingMode(graphics_, mode));
}

bool Graphics::setCompositingQuality(Gdiplus::CompositingQuality quality) {
    return record(flat::GdipSetCompositingQuality(graphics_, quality));
}

bool Graphics::setInterpolationMode(Gdiplus::InterpolationMode mode) {
    return record(flat::GdipSetInterpolationMode(graphics_, mode));
}

bool Graphics::setSmoothingMode(Gdiplus::SmoothingMode mode) {
    return record(flat::GdipSetSmoothingMode(graphics_, mode));
}

bool Graphics::setPixelOffsetMode(Gdiplus::PixelOffsetMode mode) {
    return record(flat::GdipSetPixelOffsetMode(graphics_, mode));
}

bool Graphics::setTextRenderingHint(Gdiplus::TextRenderingHint hint) {
    return record(flat::GdipSetTextRenderingHint(graphics_, hint));
}

bool Graphics::resetWorldTransform() { return record(flat::GdipResetWorldTransform(graphics_)); }

bool Graphics::translateWorldTransform(float dx, float dy, Gdiplus::MatrixOrder order) {
    return record(flat::GdipTranslateWorldTransform(graphics_, dx, dy, order));
}

bool Graphics::scaleWorldTransform(float sx, float sy, Gdiplus::MatrixOrder order) {
    return record(flat::GdipScaleWorldTransform(graphics_, sx, sy, order));
}

bool Graphics::rotateWorldTransform(float angle, Gdiplus::MatrixOrder order) {
    return record(flat::GdipRotateWorldTransform(graphics_, angle, order));
}

bool Graphics::clear(ARGB colour) { return record(flat::GdipGraphicsClear(graphics_, colour)); }

bool Graphics::drawLine(const Pen& pen, float x1, float y1, float x2, float y2) {
    return record(flat::GdipDrawLine(graphics_, nativeOf<GpPen>(pen), x1, y1, x2, y2));
}

bool Graphics::drawRectangle(const Pen& pen, float x, float y, float width, float height) {
    return record(flat::GdipDrawRectangle(graphics_, nativeOf<GpPen>(pen), x, y, width, height));
}

bool Graphics::drawEllipse(const Pen& pen, float x, float y, float width, float height) {
    return record(flat::GdipDrawEllipse(graphics_, nativeOf<GpPen>(pen), x, y, width, height));
}

bool Graphics::drawPath(const Pen& pen, const GraphicsPath& path) {
    return record(flat::GdipDrawPath(graphics_, nativeOf<GpPen>(pen), nativeOf<GpPath>(path)));
}

bool Graphics::fillRectangle(const Brush& brush, float x, float y, float width, float height) {
    return record(
        flat::GdipFillRectangle(graphics_, nativeOf<GpBrush>(brush), x, y, width, height));
}

bool Graphics::fillRectangle(const Brush& brush, const RectF& rect) {
    return fillRectangle(brush, rect.X, rect.Y, rect.Width, rect.Height);
}

bool Graphics::fillEllipse(const Brush& brush, float x, float y, float width, float height) {
    return record(flat::GdipFillEllipse(graphics_, nativeOf<GpBrush>(brush), x, y, width, height));
}

bool Graphics::fillPath(const Brush& brush, const GraphicsPath& path) {
    return record(flat::GdipFillPath(graphics_, nativeOf<GpBrush>(brush), nativeOf<GpPath>(path)));
}

bool Graphics::fillRegion(const Brush& brush, const Region& region) {
    return record(
        flat::GdipFillRegion(graphics_, nativeOf<GpBrush>(brush), nativeOf<GpRegion>(region)));
}

bool Graphics::drawString(std::string_view text, const Font& font, const RectF& layout,
                          const Brush& brush, const StringFormat* format) {
    return drawString(std::wstring_view(fromSystemText(text)), font, layout, brush, format);
}

bool Graphics::drawString(std::wstring_view text, const Font& font, const RectF& layout,
                          const Brush& brush, const StringFormat* format) {
    return record(flat::GdipDrawString(graphics_, text.data(), static_cast<INT>(text.size()),
                                       nativeOf<GpFont>(font), &layout,
                                       nativeOf<GpStringFormat>(format), nativeOf<GpBrush>(brush)));
}

RectF Graphics::measureString(std::string_view text, const Font& font, const RectF& layout,
                              const StringFormat* format) {
    return measureString(std::wstring_view(fromSystemText(text)), font, layout, format);
}

RectF Graphics::measureString(std::wstring_view text, const Font& font, const RectF& layout,
                              const StringFormat* format) {
    RectF bounds;
    if (!record(flat::GdipMeasureString(
            graphics_, text.data(), static_cast<INT>(text.size()), nativeOf<GpFont>(font), &layout,
            nativeOf<GpStringFormat>(format), &bounds, nullptr, nullptr))) {
        return RectF();
    }
    return bounds;
}

bool Graphics::drawImage(const Image& image, float x, float y) {
    return record(flat::GdipDrawImage(graphics_, nativeOf<GpImage>(image), x, y));
}

bool Graphics::drawImageRect(const Image& image, float x, float y, float width, float height) {
    const float srcWidth = static_cast<float>(image.getWidth());
    const float srcHeight = static_cast<float>(image.getHeight());
    return drawImageRect(image, x, y, width, height, 0, 0, srcWidth, srcHeight, Gdiplus::UnitPixel);
}

bool Graphics::drawImageRect(const Image& image, float x, float y, float width, float height,
                             float srcX, float srcY, float srcWidth, float srcHeight,
                             Gdiplus::Unit unit) {
    return record(flat::GdipDrawImageRectRect(graphics_, nativeOf<GpImage>(image), x, y, width,
                                              height, srcX, srcY, srcWidth, srcHeight, unit,
                                              nullptr, nullptr, nullptr));
}

bool Graphics::setClipRect(float x, float y, float width, float height, Gdiplus::CombineMode mode) {
    return record(flat::GdipSetClipRect(graphics_, x, y, width, height, mode));
}

bool Graphics::setClipPath(const GraphicsPath& path, Gdiplus::CombineMode mode) {
    return record(flat::GdipSetClipPath(graphics_, nativeOf<GpPath>(path), mode));
}

bool Graphics::setClipRegion(const Region& region, Gdiplus::CombineMode mode) {
    return record(flat::GdipSetClipRegion(graphics_, nativeOf<GpRegion>(region), mode));
}

bool Graphics::setClipHrgn(HRGN region, Gdiplus::CombineMode mode) {
    return record(flat::GdipSetClipHrgn(graphics_, region, mode));
}

bool Graphics::resetClip() { return record(flat::GdipResetClip(graphics_)); }

}  // namespace gdip
