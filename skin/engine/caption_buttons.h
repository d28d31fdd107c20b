// Mouse handling of a skinned window's caption buttons: hit tests, the
// eight-step hover fade driven by a 20 ms timer, the pressed look and the
// click. The skinned window procedure hands each of these messages to its
// handler here and then passes the message on.
#pragma once

#include "engine/skin_engine.h"

#include <windows.h>

namespace skin {

// Steps of a hover fade; one step per tick of the hover timer.
constexpr int kFadeSteps = 8;
// The hover timer: id = the window handle, one tick every 20 ms.
constexpr UINT kHoverTimerPeriod = 20;

// x and y of a mouse message, each a signed 16-bit half of lParam.
inline int mouseX(LPARAM lParam) { return static_cast<short>(LOWORD(lParam)); }
inline int mouseY(LPARAM lParam) { return static_cast<short>(HIWORD(lParam)); }

// The point lies in the area that keeps the hover timer running: the button
// strip widened by 2 pixels on its left.
bool isInButtonStrip(int windowIndex, LPARAM lParam);

void onCaptionMouseMove(EngineThis self, int windowIndex, HWND hwnd, LPARAM lParam);
void onCaptionMouseHover(int windowIndex);
void onCaptionMouseLeave(EngineThis self, int windowIndex);
// Acts only on the hover timer (timerId = hwnd).
void onHoverTimer(EngineThis self, int windowIndex, HWND hwnd, WPARAM timerId);
void onCaptionButtonDown(EngineThis self, int windowIndex, HWND hwnd, LPARAM lParam);
void onCaptionButtonUp(EngineThis self, int windowIndex);
void onCaptionDoubleClick(EngineThis self, int windowIndex, LPARAM lParam);

} // namespace skin
