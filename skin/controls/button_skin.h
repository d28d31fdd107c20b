// Button skin: push buttons become owner-drawn and are painted on
// WM_DRAWITEM; check boxes and automatic radio buttons keep their style and
// are painted over by their subclassed procedure. Every skinned button shows
// a hover look while the mouse is over it. The installers and the owner-draw
// dispatch are declared in control_skins.h; these are the pieces behind them.
#pragma once

#include "controls/control_skins.h"
#include "engine/control_entries.h"

#include <windows.h>

#include <cstdint>

namespace gdip {
class Graphics;
class GraphicsPath;
}

namespace skin {

enum ButtonKind { PushButton = 0, RadioButton = 4, CheckBox = 5 };

// Painter state bits: the owner-draw item states plus the mouse being over
// the button.
constexpr UINT kButtonPressed = ODS_SELECTED;  // 0x1
constexpr UINT kButtonDisabled = ODS_DISABLED; // 0x4
constexpr UINT kButtonFocused = ODS_FOCUS;     // 0x10
constexpr UINT kButtonHovered = 0x40;

// Fixed glow colour of the focus and hover outlines.
constexpr COLORREF kButtonGlowColour = 0xDDCA22;

// Types 0, 1 and 8: push, default push and user buttons.
bool isPushButtonStyle(HWND button);
// Types 2 and 3: check box and automatic check box.
bool isCheckBoxStyle(HWND button);

// 1-based position of the button in the record's buttons, 0 when absent.
int findButtonEntry(int ownerIndex, HWND button);

LRESULT CALLBACK buttonWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// Draws the button at once in its kind's look with the given state bits.
void repaintButton(HWND hwnd, UINT state = 0, bool mouseOver = false);

void drawPushButton(HWND hwnd, HDC target, UINT state, const RECT& item);
void drawRadioButton(HWND hwnd, UINT state);
void drawCheckBox(HWND hwnd, UINT state);

// Strokes the path count times with pens 1 .. count pixels wide.
void drawGlowOutline(gdip::Graphics& graphics, const gdip::GraphicsPath& path, int count, COLORREF colour,
                     std::uint8_t alpha);

// The 13 x 13 check-box pictures as PNG: the empty box, and the box with its
// mark. Empty when GDI+ is not running.
Bytes checkBoxImage();
Bytes checkMarkImage();

} // namespace skin
