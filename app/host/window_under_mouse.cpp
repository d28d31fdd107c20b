#include "window_under_mouse.h"

namespace host {
namespace {

class WindowTree : public WindowQueries {
public:
    HWND windowFromPoint(POINT point) const override { return WindowFromPoint(point); }
    HWND parent(HWND window) const override { return GetParent(window); }
    HWND nextSibling(HWND window) const override { return GetWindow(window, GW_HWNDNEXT); }
    bool isVisible(HWND window) const override { return IsWindowVisible(window) != FALSE; }
    RECT rect(HWND window) const override {
        RECT r{};
        GetWindowRect(window, &r);
        return r;
    }
};

long long area(const RECT& r) {
    return static_cast<long long>(r.right - r.left) * (r.bottom - r.top);
}

}  // namespace

HWND windowUnderPoint(POINT point, const WindowQueries& windows) {
    HWND best = windows.windowFromPoint(point);
    if (!best) return nullptr;
    const HWND parent = windows.parent(best);
    if (!parent) return best;
    long long bestArea = area(windows.rect(best));
    for (HWND sibling = windows.nextSibling(best); sibling; sibling = windows.nextSibling(sibling)) {
        if (!windows.isVisible(sibling) || windows.parent(sibling) != parent) continue;
        const RECT r = windows.rect(sibling);
        if (!PtInRect(&r, point)) continue;
        const long long siblingArea = area(r);
        if (siblingArea < bestArea) {
            best = sibling;
            bestArea = siblingArea;
        }
    }
    return best;
}

HWND windowUnderMouse() {
    POINT cursor{};
    GetCursorPos(&cursor);
    return windowUnderPoint(cursor, WindowTree());
}

}  // namespace host
