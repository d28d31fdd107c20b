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

} // namespace skin
