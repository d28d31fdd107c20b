// Graphics: a GDI+ drawing surface on a device context, a window or an image.
#pragma once

#include "gdiplus/gdip_base.h"

namespace gdip {

class Brush;
class Font;
class GraphicsPath;
class Image;
class Pen;
class Region;
class StringFormat;

class Graphics : public GdipObject {
public:
    Graphics() = default;
    ~Graphics() { deleteGraphics(); }
    Graphics(Graphics&& other) noexcept { takeFrom(other); }
    Graphics& operator=(Graphics&& other) noexcept;

    bool deleteGraphics();
    // From a device context; with `device` the output device is given too.
    bool createFromHDC(HDC hdc, HANDLE device = nullptr);
    bool createFromHWND(HWND hwnd, bool colourCorrection = false);
    // Draws into an image (a Bitmap is an Image).
    bool createFromImage(const Image& image);

    bool setCompositingMode(Gdiplus::CompositingMode mode);
    bool setCompositingQuality(Gdiplus::CompositingQuality quality);
    bool setInterpolationMode(Gdiplus::InterpolationMode mode);
    bool setSmoothingMode(Gdiplus::SmoothingMode mode);
    bool setPixelOffsetMode(Gdiplus::PixelOffsetMode mode);
    bool setTextRenderingHint(Gdiplus::TextRenderingHint hint);

    bool resetWorldTransform();
    bool translateWorldTransform(float dx, float dy,
                                 Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    bool scaleWorldTransform(float sx, float sy,
                             Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);
    bool rotateWorldTransform(float angle,
                              Gdiplus::MatrixOrder order = Gdiplus::MatrixOrderPrepend);

    bool clear(ARGB colour);
    bool drawLine(const Pen& pen, float x1, float y1, float x2, float y2);
    bool drawRectangle(const Pen& pen, float x, float y, float width, float height);
    bool drawEllipse(const Pen& pen, float x, float y, float width, float height);
    bool drawPath(const Pen& pen, const GraphicsPath& path);
    bool fillRectangle(const Brush& brush, float x, float y, float width, float height);
    bool fillRectangle(const Brush& brush, const RectF& rect);
    bool fillEllipse(const Brush& brush, float x, float y, float width, float height);
    bool fillPath(const Brush& brush, const GraphicsPath& path);
    bool fillRegion(const Brush& brush, const Region& region);

    // Text in the system code page (converted to UTF-16) or in UTF-16.
    // A missing format is the default string format.
    bool drawString(std::string_view text, const Font& font, const RectF& layout,
                    const Brush& brush, const StringFormat* format = nullptr);
    bool drawString(std::wstring_view text, const Font& font, const RectF& layout,
                    const Brush& brush, const StringFormat* format = nullptr);
    // Bounding box of the text laid out in `layout` (an empty layout
    // rectangle means no limit); an empty rectangle on failure.
    RectF measureString(std::string_view text, const Font& font, const RectF& layout,
                        const StringFormat* format = nullptr);
    RectF measureString(std::wstring_view text, const Font& font, const RectF& layout,
                        const StringFormat* format = nullptr);

    // At (x, y); GDI+ scales the image by its resolution against the
    // surface's. drawImageRect draws the whole image into the rectangle.
    bool drawImage(const Image& image, float x, float y);
    bool drawImageRect(const Image& image, float x, float y, float width, float height);
    // Part (srcX, srcY, srcWidth, srcHeight) of the image, in `unit`.
    bool drawImageRect(const Image& image, float x, float y, float width, float height, float srcX,
                       float srcY, float srcWidth, float srcHeight,
                       Gdiplus::Unit unit = Gdiplus::UnitPixel);

    bool setClipRect(float x, float y, float width, float height,
                     Gdiplus::CombineMode mode = Gdiplus::CombineModeReplace);
    bool setClipPath(const GraphicsPath& path,
                     Gdiplus::CombineMode mode = Gdiplus::CombineModeReplace);
    bool setClipRegion(const Region& region,
                       Gdiplus::CombineMode mode = Gdiplus::CombineModeReplace);
    bool setClipHrgn(HRGN region, Gdiplus::CombineMode mode = Gdiplus::CombineModeReplace);
    bool resetClip();

private:
    void setNative(void* native) override { graphics_ = static_cast<Gdiplus::GpGraphics*>(native); }
    Gdiplus::GpGraphics* graphics_ = nullptr;
};

}  // namespace gdip
