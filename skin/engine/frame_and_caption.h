// Moving and sizing a skinned window through its own frame, the sizing
// cursors, the caption's icon and glowing title, and copying the window's
// cached rendering onto the screen.
#pragma once

#include "engine/skin_engine.h"
#include "gdiplus/gdip_base.h"

#include <windows.h>

#include <optional>
#include <string_view>

namespace gdip {
class Graphics;
}

namespace skin {

// A band along an edge or a corner of the client area where a press sizes
// the window.
struct SizingZone {
    LPCSTR cursor;   // IDC_SIZE* system cursor
    WPARAM command;  // SC_SIZE + the WMSZ_ edge code
};

// The zone under (x, y) in a w x h client area with a border b wide: edges
// first (left, right, top, bottom), then the 10-pixel corners.
std::optional<SizingZone> sizingZoneAt(int x, int y, int w, int h, int b);

// Text with a halo: drawn four times in the halo colour at opacity 150,
// shifted by `haloOffset` left, right, up and down, then once, opaque, in
// the text colour. Font sizes are in the font's default unit.
void drawGlowText(gdip::Graphics& graphics, std::string_view text, const gdip::RectF& rect, COLORREF textColour,
                  COLORREF haloColour, float haloOffset = 1, std::string_view fontName = "宋体", int fontStyle = 0,
                  float fontSize = 13, Gdiplus::StringAlignment horizontal = Gdiplus::StringAlignmentNear,
                  Gdiplus::StringAlignment vertical = Gdiplus::StringAlignmentNear);

// The window has WS_EX_TRANSPARENT.
bool isTransparentWindow(HWND hwnd);
// A child's window rectangle in its parent's client coordinates; empty for a
// skinned top-level window.
RECT childRectInParent(HWND hwnd);
// hdc (or, when it is 0, GetDC(hwnd)) with every visible direct child that
// is not transparent excluded from its clipping region. The caller releases
// a DC it did not hand in with ReleaseDC.
HDC getClippedDC(HWND hwnd, HDC hdc = nullptr);

} // namespace skin
