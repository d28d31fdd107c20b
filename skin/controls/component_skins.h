// The host's own components on a skinned window: containers (group boxes,
// tab controls, ...) that paint the skinned background under themselves,
// draw their outline or frame and title, and skin the controls inside them;
// and components made transparent by a key colour (labels, picture boxes,
// drawing boards, shape boxes). The engine methods skinComponent and
// registerComponent take them over; these are the routines around them.
#pragma once

#include <windows.h>

#include <string>

namespace skin {

// Class "Button" with the 0x4 style bit, which BS_GROUPBOX (7) carries.
bool isGroupBox(HWND hwnd);
// The nearest ancestor whose "Wxk_Zpf" is 1; 0 when there is none.
HWND findBackdropWindow(HWND hwnd);
// Width of the text in a GDI+ font of that family, size and style, rounded
// down, plus 1.
int measureTextWidth(const std::string& text, const std::string& fontFamily, int fontSize, int fontStyle);

// Renders a skinned component (background, fill, outline or group-box frame
// and title) onto hdc, or onto the component's own clipped DC when hdc is 0;
// clears its dirty mark.
void renderComponent(int ownerIndex, int position, HDC hdc);
// The same rendering through a fresh DC, then the transparent children are
// repainted.
void paintComponent(int ownerIndex, int position, HWND hwnd);
// Repaints the component background of a rectangle of a memory DC.
void restoreComponentBackground(HWND hwnd, HDC hdc, const RECT& rect);
// InvalidateRect(child, NULL, FALSE) for every direct child that has
// WS_EX_TRANSPARENT.
void invalidateTransparentChildren(HWND hwnd);
// Lays the component's page windows out inside it.
void layoutComponentPages(int ownerIndex, int position);
// The background under the window with the control veil over its client
// area, as a registered memory DC; 0 when it has no background.
HDC veiledBackgroundDC(HWND hwnd);

} // namespace skin
