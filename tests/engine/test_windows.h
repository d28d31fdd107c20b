// Small owners for the windows and GDI objects the engine tests create.
#pragma once

#include "engine/gdi_handles.h"

#include <windows.h>

#include <utility>

namespace skintest {

// A window destroyed with the owner.
class TestWindow {
public:
    TestWindow(const char* className, DWORD style, int x, int y, int w, int h, HWND parent = nullptr,
               DWORD exStyle = 0)
        : hwnd_(CreateWindowExA(exStyle, className, "", style, x, y, w, h, parent, nullptr,
                                GetModuleHandleA(nullptr), nullptr)) {}
    ~TestWindow() {
        if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
    }
    TestWindow(TestWindow&& other) noexcept : hwnd_(std::exchange(other.hwnd_, nullptr)) {}
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND get() const { return hwnd_; }
    operator HWND() const { return hwnd_; }

private:
    HWND hwnd_;
};

// A popup top-level window of class STATIC.
inline TestWindow topLevelWindow(int x = 0, int y = 0, int w = 200, int h = 150, DWORD style = WS_POPUP) {
    return TestWindow("STATIC", style, x, y, w, h);
}

inline TestWindow childWindow(HWND parent, int x = 0, int y = 0, int w = 50, int h = 20,
                              const char* className = "STATIC", DWORD style = 0) {
    return TestWindow(className, WS_CHILD | style, x, y, w, h, parent);
}

// True while a GDI handle names a live object.
inline bool gdiObjectAlive(HGDIOBJ object) { return object && GetObjectType(object) != 0; }

// Width and height of a bitmap, 0 x 0 when the handle is no bitmap.
inline SIZE bitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    if (!GetObjectA(bitmap, sizeof info, &info)) return SIZE{0, 0};
    return SIZE{info.bmWidth, info.bmHeight};
}

// The RGB colour of one pixel of a bitmap that no DC holds.
inline COLORREF bitmapPixel(HBITMAP bitmap, int x, int y) {
    skin::OwnedDC probe(CreateCompatibleDC(nullptr));
    skin::SelectedObject selected(probe.get(), bitmap);
    return GetPixel(probe.get(), x, y) & 0xFFFFFF;
}

} // namespace skintest
