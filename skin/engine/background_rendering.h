// The background of every skinned top-level window: the engine-wide picture
// and colours, and the off-screen rendering of a window's client area into
// its cache (background, border, caption, caption buttons, bottom bar). The
// methods themselves are SkinEngine's; these are the plain routines around
// them.
#pragma once

#include "engine/control_entries.h"

#include <windows.h>

namespace gdip {
class Bitmap;
}

namespace skin {

// Corner size of the window region made by setRoundedRegion.
constexpr int kWindowRegionCorner = 5;

// InvalidateRect(child, NULL, TRUE) for every visible direct child.
void invalidateVisibleChildren(HWND hwnd);
// The window, and with withChildren its visible direct children, to be
// repainted with erasing.
void invalidateWithChildren(HWND hwnd, bool withChildren);
// The skinned headers of the record's list views to be repainted.
void invalidateHeaders(int windowIndex);
// Every skinned control placed directly on the window (not on a group box
// or other container) to be repainted.
void refreshChildControls(int windowIndex);
// Gives the window a region of its client size with 5 x 5 rounded corners.
void setRoundedRegion(HWND hwnd);

// The picture that applies to the window (its own, else the engine's),
// ready to be drawn: for the mirror-tiled placement a strip as wide as the
// client area; otherwise the picture itself. False when there is none or it
// cannot be decoded.
bool prepareBackgroundBitmap(int windowIndex, const RECT& client, gdip::Bitmap& bitmap);

// Where drawBackground puts a w x h picture in a W x H client area, or
// nothing (width 0) for a placement outside 0..4.
struct PlacedPicture {
    float x = 0, y = 0, width = 0, height = 0;
};
PlacedPicture placePicture(int placement, int clientW, int clientH, int w, int h);

} // namespace skin
