// The window-under-the-mouse rule of the finder.
#pragma once
#include <windows.h>

namespace host {

// What the rule asks of the window system; WindowTree reads the real one.
class WindowQueries {
public:
    virtual ~WindowQueries() = default;
    virtual HWND windowFromPoint(POINT point) const = 0;
    virtual HWND parent(HWND window) const = 0;
    virtual HWND nextSibling(HWND window) const = 0;
    virtual bool isVisible(HWND window) const = 0;
    virtual RECT rect(HWND window) const = 0;  // screen coordinates
};

// The window the system finds at the point; when it has a parent, a later
// sibling (in z-order) that is visible, has the same parent, contains the
// point and has a strictly smaller area than the best so far replaces it.
// This finds a control lying inside a group box that is its sibling.
HWND windowUnderPoint(POINT point, const WindowQueries& windows);

// The rule on the real windows at the cursor position.
HWND windowUnderMouse();

}  // namespace host
