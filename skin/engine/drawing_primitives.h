// Drawing primitives shared by every painter: colour conversion, rounded
// path builders, copies of the skinned background under a window with the
// list of memory DCs that holds them, and small window lookups and tests.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace gdip {
class GraphicsPath;
}

namespace skin {

// ---- colour ----------------------------------------------------------------

// COLORREF (red in the low byte) to GDI+ ARGB; the COLORREF's top byte is
// ignored.
std::uint32_t toArgb(COLORREF colour, std::uint8_t alpha = 255);

// ---- paths (appended to a path the caller created) -----------------------------

// A closed rounded rectangle; corner is the size of a corner arc's bounding
// box in path units, clamped to 1..100.
void addRoundedRectPath(gdip::GraphicsPath& path, float x, float y, float w, float h, int corner);
// An open figure with both top corners rounded and no bottom edge.
void addTopRoundedPath(gdip::GraphicsPath& path, int x, int y, int w, int h, int r);
// An open figure with only the top-right corner rounded and no bottom edge.
void addTopRightRoundedPath(gdip::GraphicsPath& path, int x, int y, int w, int h, int r);

// ---- background copies and memory DCs ------------------------------------------

// A registered memory DC holding the skinned background under `rect` of the
// window (relative to its window rectangle), with the fill of the component
// it belongs to. 0, with nothing registered, when the window has no source
// of background or no DC can be made. The caller hands the DC back with
// releaseMemoryDC or bitmapFromDC.
HDC backgroundSnapshot(HWND hwnd, const RECT& rect);

// The background under the window's client area with a white veil of
// opacity controlOpacity; the caller owns the bitmap. 0 when the window has
// no source of background.
HBITMAP makeVeiledBackground(HWND hwnd);

// Records a DC in memoryDCs; a DC already listed keeps its place and takes
// the new pair of bitmaps.
void registerMemoryDC(HDC dc, HBITMAP bitmap, HGDIOBJ oldBitmap);

// Puts the DC's old bitmap back, deletes the bitmap that comes out and the
// DC, and drops the entry. False for 0 or a DC that is not listed.
bool releaseMemoryDC(HDC dc);

// A new bitmap with the (0, 0, w, h) area of a listed DC; releases the DC.
HBITMAP bitmapFromDC(HDC dc, int w, int h);

// ---- geometry ----------------------------------------------------------------

// The window's client area inside its window rectangle, taking the border
// as equally thick on all sides and scroll bars as 17 pixels.
RECT veilRect(HWND hwnd);

// A window's rectangle on the screen, its client rectangle, its text.
RECT windowRectOf(HWND hwnd);
RECT clientRectOf(HWND hwnd);
std::string windowText(HWND hwnd);

// hwnd's window-rectangle origin minus base's.
POINT offsetInWindow(HWND base, HWND hwnd);
// offsetInWindow against the root window of hwnd.
POINT offsetInRoot(HWND hwnd);
// (0, 0) for a window with a record, else offsetInWindow against the window
// of findOwnerRecord(hwnd).
POINT offsetInOwner(HWND hwnd);

// ---- lookups (1-based, 0 = none) ---------------------------------------------

// Record index of the nearest ancestor (not hwnd itself) that has a record.
int findOwnerRecord(HWND hwnd);
// Position of the first componentSkins entry of the record whose hwnd is hwnd.
int componentSkinIndex(int recordIndex, HWND hwnd);
// Walking up from hwnd's parent: the position of the first ancestor that is
// an enabled componentSkins entry; 0 once stop is reached or the chain ends.
int enclosingComponentSkin(int recordIndex, HWND hwnd, HWND stop);

// Where the background under a window comes from.
struct BackgroundSource {
    bool found = false;         // hwnd or an ancestor has a record, nothing in between
    int recordIndex = 0;
    int componentPosition = 0;  // a skinned component between hwnd and the owner
    HWND backdrop = nullptr;    // a backdrop window ("Wxk_Zpf" = 1) or a component's "Mb_zpf"
};
BackgroundSource locateBackgroundSource(HWND hwnd, bool checkBackdrop);

// ---- window tests --------------------------------------------------------------

std::string windowClassName(HWND hwnd);
// Class "ListBox" (exactly) with LBS_OWNERDRAWFIXED or LBS_OWNERDRAWVARIABLE.
bool isOwnerDrawnListBox(HWND hwnd);
// Button type BS_AUTORADIOBUTTON: neither bit 0x2 nor 0x4, both 0x1 and 0x8.
bool isAutoRadioButton(HWND hwnd);

} // namespace skin
