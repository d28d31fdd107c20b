// The target picker: the finder icon dragged over the screen, the blinking
// frame around the window under the pointer, and the three pick modes.
#include "bosskey_app.h"
#include "host/conversions.h"
#include "host/handles.h"
#include "host/window_under_mouse.h"

namespace bosskey {
namespace {

struct PickMode {
    const char* radioButton;
    bool finderDisabled;
    bool fieldDisabled;
};

// Drag mode, input mode, forbid mode.
const PickMode pickModes[] = {
    {"单选框1", false, true},
    {"单选框2", true, false},
    {"单选框3", true, true},
};

constexpr int finderTickMilliseconds = 100;
constexpr int frameThickness = 3;

RECT currentRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);  // fails for a window that has gone: the rectangle stays empty
    return rect;
}

}  // namespace

void invertFrame(HDC dc, const RECT& rect) {
    if (IsRectEmpty(&rect)) return;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const int t = frameThickness;
    PatBlt(dc, rect.left, rect.top, width, t, DSTINVERT);               // top band
    PatBlt(dc, rect.left, rect.top + t, t, height - 2 * t, DSTINVERT);   // left band
    PatBlt(dc, rect.right, rect.top + t, -t, height - 2 * t, DSTINVERT); // right band, left of `right`
    PatBlt(dc, rect.left, rect.bottom, width, -t, DSTINVERT);           // bottom band, above `bottom`
}

void BossKeyApp::applyPickMode() {
    for (const PickMode& mode : pickModes) {
        if (form_.checked(mode.radioButton)) {
            form_.setDisabled("图片框1", mode.finderDisabled);
            form_.setDisabled("编辑框1", mode.fieldDisabled);
            return;
        }
    }
}

void BossKeyApp::onPickModeClicked(const host::HostEvent&) { applyPickMode(); }

void BossKeyApp::onFinderPressed(const host::HostEvent&) {
    form_.setMousePointer("图片框1", pictures_.finderCursor);
    form_.setPicture("图片框1", host::ByteSpan());  // the icon travels as the pointer
    form_.captureMouse("图片框1");
    form_.setTimerPeriod("时钟1", finderTickMilliseconds);
}

void BossKeyApp::onFinderTick(const host::HostEvent&) {
    const HWND window = host::windowUnderMouse();
    form_.setText("编辑框1", host::integerToText(static_cast<int>(reinterpret_cast<INT_PTR>(window))));
    highlightWindow(window);
    form_.setMousePointer("图片框1", pictures_.finderCursor);
}

void BossKeyApp::onFinderReleased(const host::HostEvent&) {
    form_.releaseMouse();
    highlightWindow(nullptr, true);
    form_.setTimerPeriod("时钟1", 0);
    form_.setPicture("图片框1", pictures_.finderCursor);
    form_.setMousePointer("图片框1", pictures_.finderCursor);
}

void BossKeyApp::highlightWindow(HWND window, bool erase) {
    host::DisplayDC display;
    if (erase) {
        if (state_.frameShown) {
            invertFrame(display, currentRect(state_.lastFramedWindow));
            state_.frameShown = false;
        }
        return;
    }
    if (window == state_.lastFramedWindow) {
        // Resting on one window: the frame blinks, on one tick, off the next.
        invertFrame(display, currentRect(window));
        state_.frameShown = !state_.frameShown;
        return;
    }
    if (state_.frameShown) invertFrame(display, currentRect(state_.lastFramedWindow));
    invertFrame(display, currentRect(window));
    state_.lastFramedWindow = window;
    state_.frameShown = true;
}

}  // namespace bosskey
