// Owners of GDI and USER handles, shared by every layer. Each type releases
// exactly what it owns in its destructor, so no early return leaks a handle;
// non-owning code takes the raw handle from get(), and release() hands the
// handle on to a new owner.
#pragma once
#include <windows.h>

#include <utility>

namespace gdi {

template <class Handle, class Release>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) : handle_(handle) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    Handle release() { return std::exchange(handle_, nullptr); }
    void reset(Handle handle = nullptr) {
        if (handle_ && handle_ != handle) Release()(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

struct DeleteGdiObject { void operator()(HGDIOBJ object) const { DeleteObject(object); } };
struct DestroyIconHandle { void operator()(HICON icon) const { DestroyIcon(icon); } };
struct DestroyCursorHandle { void operator()(HCURSOR cursor) const { DestroyCursor(cursor); } };
struct DeleteDeviceContext { void operator()(HDC dc) const { DeleteDC(dc); } };

// A font, pen, brush, bitmap or region.
template <class T>
using GdiObject = UniqueHandle<T, DeleteGdiObject>;
using IconHandle = UniqueHandle<HICON, DestroyIconHandle>;
using CursorHandle = UniqueHandle<HCURSOR, DestroyCursorHandle>;
// A DC made with CreateDC or CreateCompatibleDC.
using OwnedDC = UniqueHandle<HDC, DeleteDeviceContext>;

// A device context for the whole display: CreateDCA("DISPLAY", NULL, NULL, NULL).
class DisplayDC {
public:
    DisplayDC() : dc_(CreateDCA("DISPLAY", nullptr, nullptr, nullptr)) {}
    HDC get() const { return dc_.get(); }
    operator HDC() const { return dc_.get(); }

private:
    OwnedDC dc_;
};

// A window's DC from GetDC, released with ReleaseDC (hwnd 0: the screen).
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC() { if (dc_) ReleaseDC(window_, dc_); }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC get() const { return dc_; }
    operator HDC() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint ... EndPaint.
class PaintDC {
public:
    explicit PaintDC(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    ~PaintDC() { EndPaint(window_, &paint_); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    HDC get() const { return dc_; }
    operator HDC() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// Selects an object into a DC for the life of the scope.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
    ~SelectedObject() { if (previous_) SelectObject(dc_, previous_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace gdi
