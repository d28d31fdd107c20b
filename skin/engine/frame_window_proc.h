// The window procedure of every skinned top-level window
// (SkinEngine::frameWindowProc, reached through the frame thunk): painting
// from the window's cache, sizing and maximising beside the taskbar, caption
// mouse traffic, control colours and refreshes, and the working-set trim
// when the program loses activation. These are the plain routines it uses.
#pragma once

#include <windows.h>

namespace skin {

// Height of a maximised window: the screen height less the height of the
// taskbar ("Shell_TrayWnd"), which is taken to lie along the bottom or top
// edge; the screen height when there is no taskbar.
int maximizedHeight();

// Empties the working set of this process on a thread of its own, which is
// not waited for. False when the thread could not be started.
bool startWorkingSetTrim();

// ---- answers to the children's colour and notification messages ----------------------
// Shared by the skinned window procedure and the component skins.

// The control skins are on and the control veil's opacity has been set.
bool controlBackgroundsOn();
// Text colour from the control's "Kj_Ztys" and a transparent background mode
// on dc, and a pattern brush of the veiled background under the control; the
// brush and its bitmap replace the control's "Kj_dxjb" and "Kj_wtjb".
// nullptr, with nothing changed, when the control has no background.
HBRUSH veiledControlBrush(HDC dc, HWND control);
// The same text colour and mode, and the stock hollow brush, which replaces
// the control's "Kj_dxjb".
HBRUSH hollowControlBrush(HDC dc, HWND control);
// WM_COMMAND: an edit field, list box or combo box whose text or selection
// changed is repainted over the skinned background.
void repaintChangedControl(WPARAM wParam, LPARAM lParam);
// WM_NOTIFY: a tree view that expanded or is expanding an item is repainted.
void repaintExpandedTree(LPARAM lParam);

// WM_DRAWITEM of a button: the skinned window hands a copy of the
// DRAWITEMSTRUCT back to the button itself with this message, wParam = the
// window's record index, lParam = the copy. The button skin's window
// procedure answers it with its owner-draw dispatch; a button without the
// skin lets its default procedure ignore it. This keeps the engine free of
// any knowledge of the control skins.
constexpr UINT kReflectedDrawItem = 0x2000 + WM_DRAWITEM;
void reflectButtonDrawItem(int recordIndex, HWND owner, LPARAM lParam);

} // namespace skin
