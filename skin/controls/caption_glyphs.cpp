#include "controls/caption_glyphs.h"

#include "gdiplus/gdip.h"

namespace skin {
namespace {

using gdip::ARGB;

constexpr ARGB kGlyphWhite = 0xFFFFFFFFu;
constexpr ARGB kGlyphShadow = 0x8C000000u;
constexpr ARGB kTopLine = 0x30FFFFFFu;

// Draws the symbol of one glyph in one colour, shifted by (dx, dy).
void drawSymbol(gdip::Graphics& g, CaptionGlyph glyph, ARGB colour, float dx, float dy) {
    gdip::Pen pen;
    pen.create(colour, 1.0f);
    gdip::Pen thick;
    thick.create(colour, 2.0f);
    gdip::SolidBrush brush;
    brush.create(colour);
    switch (glyph) {
    case CaptionGlyph::Help:  // a speech bubble with a tail
        g.drawEllipse(pen, 7 + dx, 3 + dy, 11, 8);
        g.drawLine(pen, 10 + dx, 10 + dy, 9 + dx, 14 + dy);
        g.drawLine(pen, 9 + dx, 14 + dy, 13 + dx, 11 + dy);
        break;
    case CaptionGlyph::Menu:  // a window with text lines and a small arrow
        g.drawRectangle(pen, 7 + dx, 3 + dy, 10, 10);
        g.fillRectangle(brush, 7 + dx, 3 + dy, 10, 2);
        g.drawLine(pen, 9 + dx, 7.5f + dy, 15 + dx, 7.5f + dy);
        g.drawLine(pen, 9 + dx, 10.5f + dy, 15 + dx, 10.5f + dy);
        g.fillRectangle(brush, 19 + dx, 9 + dy, 3, 1);
        g.fillRectangle(brush, 20 + dx, 10 + dy, 1, 1);
        break;
    case CaptionGlyph::Minimize:  // a bar
        g.fillRectangle(brush, 9 + dx, 11 + dy, 8, 2);
        break;
    case CaptionGlyph::Maximize:  // a box
        g.drawRectangle(pen, 8 + dx, 4 + dy, 9, 8);
        g.fillRectangle(brush, 8 + dx, 4 + dy, 10, 2);
        break;
    case CaptionGlyph::Restore:  // two overlapping boxes
        g.drawRectangle(pen, 10 + dx, 3 + dy, 7, 6);
        g.fillRectangle(brush, 10 + dx, 3 + dy, 8, 2);
        g.drawRectangle(pen, 7 + dx, 7 + dy, 7, 6);
        g.fillRectangle(brush, 7 + dx, 7 + dy, 8, 2);
        break;
    case CaptionGlyph::Close:  // a cross
        g.drawLine(thick, 15 + dx, 4 + dy, 23 + dx, 12 + dy);
        g.drawLine(thick, 23 + dx, 4 + dy, 15 + dx, 12 + dy);
        break;
    }
}

} // namespace

SIZE captionGlyphSize(CaptionGlyph glyph) { return glyph == CaptionGlyph::Close ? SIZE{38, 18} : SIZE{26, 18}; }

Bytes captionGlyph(CaptionGlyph glyph) {
    const SIZE size = captionGlyphSize(glyph);
    gdip::Bitmap bitmap;
    if (!bitmap.create(size.cx, size.cy, PixelFormat32bppARGB)) return {};
    {
        gdip::Graphics graphics;
        if (!graphics.createFromImage(bitmap)) return {};
        graphics.setSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        gdip::SolidBrush line;
        line.create(kTopLine);
        graphics.fillRectangle(line, 1, 0, float(size.cx - 2), 1);
        drawSymbol(graphics, glyph, kGlyphShadow, 1, 1);
        drawSymbol(graphics, glyph, kGlyphWhite, 0, 0);
    }
    return bitmap.saveToBytes(gdip::kPngFormat);
}

} // namespace skin
