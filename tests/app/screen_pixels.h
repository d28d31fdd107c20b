// Pixels read back from the screen, for tests that check what was drawn on
// it (the finder's frame, labels, target windows).
#pragma once
#include <windows.h>

#include <vector>

namespace testscreen {

// The screen's pixels inside a rectangle (screen coordinates), row by row,
// each as 0x00RRGGBB.
std::vector<DWORD> readScreen(const RECT& area);

}  // namespace testscreen
