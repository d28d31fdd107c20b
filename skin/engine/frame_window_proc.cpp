#include "engine/frame_window_proc.h"

#include "engine/caption_buttons.h"
#include "engine/drawing_primitives.h"
#include "engine/gdi_handles.h"
#include "engine/skin_engine.h"
#include "engine/skin_settings.h"
#include "engine/window_properties.h"
#include "engine/window_registry.h"

#include <commctrl.h>
#include <shlwapi.h>

#include <string>

namespace skin {
namespace {

// One message as the procedure received it.
struct FrameMessage {
    EngineThis self;
    HWND hwnd;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};

// Tree-view notifications after and before an item is expanded.
constexpr UINT kTreeItemExpanded = static_cast<UINT>(-406);
constexpr UINT kTreeItemExpanding = static_cast<UINT>(-405);

LRESULT passOn(const FrameMessage& m) {
    const auto previous = propHandle<WNDPROC>(m.hwnd, kPropOldProc);
    if (!previous) return DefWindowProcA(m.hwnd, m.msg, m.wParam, m.lParam);
    return CallWindowProcA(previous, m.hwnd, m.msg, m.wParam, m.lParam);
}

// The window's record index through "Hw_lbID"; 0 when the property names no
// record of this window.
int recordIndexOf(HWND hwnd) {
    const int index = static_cast<int>(propValue(hwnd, kPropListIndex));
    const WindowRecord* record = windowRecordAt(index);
    return record && record->hwnd == hwnd ? index : 0;
}

DWORD WINAPI trimWorkingSet(void*) {
    SetProcessWorkingSetSize(GetCurrentProcess(), static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1));
    return 0;
}

} // namespace

bool controlBackgroundsOn() { return skinSettings.controlSkinsEnabled && skinSettings.controlOpacitySet; }

namespace {

// The control gets its text colour property and a transparent background
// mode.
void prepareControlDC(HDC dc, HWND control) {
    SetTextColor(dc, static_cast<COLORREF>(propValue(control, kPropTextColour)));
    SetBkMode(dc, TRANSPARENT);
}

} // namespace

HBRUSH veiledControlBrush(HDC dc, HWND control) {
    GdiObject<HBITMAP> bitmap(makeVeiledBackground(control));
    GdiObject<HBRUSH> brush(bitmap ? CreatePatternBrush(bitmap.get()) : nullptr);
    if (!brush) return nullptr;
    prepareControlDC(dc, control);
    DeleteObject(propHandle<HGDIOBJ>(control, kPropBackBrush));
    DeleteObject(propHandle<HGDIOBJ>(control, kPropBackBitmap));
    setPropHandle(control, kPropBackBitmap, bitmap.release());
    setPropHandle(control, kPropBackBrush, brush.get());
    return brush.release();
}

HBRUSH hollowControlBrush(HDC dc, HWND control) {
    prepareControlDC(dc, control);
    DeleteObject(propHandle<HGDIOBJ>(control, kPropBackBrush));
    HGDIOBJ hollow = GetStockObject(NULL_BRUSH);
    setPropHandle(control, kPropBackBrush, hollow);
    return static_cast<HBRUSH>(hollow);
}

void repaintChangedControl(WPARAM wParam, LPARAM lParam) {
    const HWND control = reinterpret_cast<HWND>(lParam);
    if (!controlBackgroundsOn() || !control) return;
    const UINT code = HIWORD(wParam);
    const std::string kind = windowClassName(control);
    const bool repaint =
        (kind == "Edit" && (code == EN_VSCROLL || code == EN_HSCROLL || code == EN_CHANGE || code == EN_UPDATE)) ||
        (kind == "ListBox" && (code == LBN_SELCHANGE || code == LBN_SELCANCEL)) ||
        (kind == "ComboBox" && (code == CBN_KILLFOCUS || code == CBN_SELCHANGE));
    if (repaint) InvalidateRect(control, nullptr, TRUE);
}

// The header is copied with ReadProcessMemory so a bad pointer is only a
// failed copy.
void repaintExpandedTree(LPARAM lParam) {
    NMHDR header{};
    SIZE_T copied = 0;
    if (!ReadProcessMemory(GetCurrentProcess(), reinterpret_cast<const void*>(lParam), &header, sizeof header,
                           &copied) ||
        copied != sizeof header)
        return;
    if (header.code == kTreeItemExpanded || header.code == kTreeItemExpanding)
        InvalidateRect(header.hwndFrom, nullptr, TRUE);
}

namespace {

// ---- messages that need no record ------------------------------------------------------

void onNcDestroy(HWND hwnd) {
    unregisterWindow(hwnd);
    KillTimer(hwnd, reinterpret_cast<UINT_PTR>(hwnd));
}

LRESULT onCtlColorStatic(const FrameMessage& m) {
    if (!controlBackgroundsOn()) return passOn(m);
    const HBRUSH brush = veiledControlBrush(reinterpret_cast<HDC>(m.wParam), reinterpret_cast<HWND>(m.lParam));
    // Without a background to show, the control keeps its own colours.
    return brush ? reinterpret_cast<LRESULT>(brush) : passOn(m);
}

LRESULT onCtlColorEdit(const FrameMessage& m) {
    const HWND control = reinterpret_cast<HWND>(m.lParam);
    if (windowClassName(GetParent(control)) == "ComboBox") return passOn(m);
    return onCtlColorStatic(m);
}

LRESULT onCtlColorListBox(const FrameMessage& m) {
    const HWND control = reinterpret_cast<HWND>(m.lParam);
    if (!controlBackgroundsOn() || windowClassName(control) != "ListBox" || isOwnerDrawnListBox(control))
        return passOn(m);
    return reinterpret_cast<LRESULT>(hollowControlBrush(reinterpret_cast<HDC>(m.wParam), control));
}

LRESULT onCtlColorButton(const FrameMessage& m) {
    if (!controlBackgroundsOn()) return passOn(m);
    return reinterpret_cast<LRESULT>(hollowControlBrush(reinterpret_cast<HDC>(m.wParam), reinterpret_cast<HWND>(m.lParam)));
}

// ---- messages of a window with a record ------------------------------------------------

void onShowWindow(const FrameMessage& m, WindowRecord& record, int index) {
    if (m.wParam != TRUE) return;
    if (record.minimized) {
        record.minimized = 0;
        return;
    }
    gdi::PaintDC paint(m.hwnd);
    SkinEngine::renderWindow(m.self, index, paint.get(), 1);
}

// Paints from the cache, rendering it first when it is dirty or was never
// made; a minimised window paints nothing of the skin.
LRESULT onPaint(const FrameMessage& m, WindowRecord& record, int index) {
    {
        gdi::PaintDC paint(m.hwnd);
        if (!record.minimized) {
            if (record.cacheDirty || !record.cacheDC)
                SkinEngine::renderWindow(m.self, index, paint.get(), 1);
            else
                SkinEngine::presentWindow(m.self, index, paint.get());
        }
    }
    return DefWindowProcA(m.hwnd, m.msg, m.wParam, m.lParam);
}

void onGetMinMaxInfo(const WindowRecord& record, LPARAM lParam) {
    auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
    if (!info) return;
    info->ptMinTrackSize = POINT{record.minTrackWidth, record.minTrackHeight};
    if (record.maximized) {
        info->ptMaxTrackSize = POINT{GetSystemMetrics(SM_CXSCREEN), maximizedHeight()};
    } else if (record.maxTrackWidth > 0 && record.maxTrackHeight > 0) {
        // A record whose limits were never set leaves the system's own.
        info->ptMaxTrackSize = POINT{record.maxTrackWidth, record.maxTrackHeight};
    }
}

// A window the system maximised over the whole screen is shrunk to leave the
// taskbar free, then the caption buttons and bottom bar follow the new size.
void onWindowPosChanged(const FrameMessage& m, WindowRecord& record, int index) {
    if (record.maximizeButton == 1) {
        RECT client{};
        GetClientRect(m.hwnd, &client);
        const int screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
        const int height = maximizedHeight();
        // Without a taskbar to leave free the size stays, and no further
        // position change is set off.
        if (client.right == screenW && client.bottom == screenH && height != screenH) {
            record.maximized = 1;
            SetWindowPos(m.hwnd, nullptr, 0, 0, screenW, height, SWP_NOZORDER | SWP_NOOWNERZORDER);
        }
    }
    // The nested position change may have ended the window.
    index = recordIndexOf(m.hwnd);
    WindowRecord* current = windowRecordAt(index);
    if (!current) return;
    const SkinEngineMethods& methods = *(*m.self)->methods;
    if (methods.layoutCaptionButtons) methods.layoutCaptionButtons(m.self, index);
    if (current->bottomBarHeight > 0 && methods.layoutBottomBar) methods.layoutBottomBar(m.self, index);
}

void onSize(WindowRecord& record) {
    record.hoverButton = 0;
    if (skinSettings.firstSizePending) {
        record.cacheDirty = 0;
        skinSettings.firstSizePending = false;
    } else {
        record.cacheDirty = 1;
    }
}

void onSysCommand(WindowRecord& record, WPARAM command) {
    switch (command) {
    case SC_MAXIMIZE:
        record.maximized = 1;
        record.cacheDirty = 1;
        break;
    case SC_RESTORE:
        // A maximised window restored from the taskbar stays maximised.
        record.cacheDirty = 1;
        record.minimized = 0;
        break;
    case SC_MINIMIZE:
        record.cacheDirty = 1;
        record.minimized = 1;
        break;
    default:
        break;
    }
}

// The new title is drawn before the previous procedure stores it.
void onSetText(const FrameMessage& m, const WindowRecord& record, int index) {
    if (!record.showCaptionText || !record.framed || !record.cacheDC || !m.lParam) return;
    const std::string title(reinterpret_cast<const char*>(m.lParam));
    SkinEngine::drawCaption(m.self, index, nullptr, 0, title.c_str());
}

LRESULT dispatchToRecord(const FrameMessage& m) {
    const int index = recordIndexOf(m.hwnd);
    WindowRecord* record = windowRecordAt(index);
    if (!record) return passOn(m);
    switch (m.msg) {
    case WM_SHOWWINDOW:
        onShowWindow(m, *record, index);
        break;
    case WM_PAINT:
        return onPaint(m, *record, index);
    case WM_GETMINMAXINFO:
        onGetMinMaxInfo(*record, m.lParam);
        break;
    case WM_WINDOWPOSCHANGED:
        onWindowPosChanged(m, *record, index);
        break;
    case WM_SIZE:
        onSize(*record);
        break;
    case WM_SYSCOMMAND:
        onSysCommand(*record, m.wParam);
        break;
    case WM_QUERYOPEN:
        record->minimized = 0;
        break;
    case WM_SETTEXT:
        onSetText(m, *record, index);
        break;
    case WM_MOUSEMOVE:
        onCaptionMouseMove(m.self, index, m.hwnd, m.lParam);
        break;
    case WM_MOUSEHOVER:
        onCaptionMouseHover(index);
        break;
    case WM_MOUSELEAVE:
        onCaptionMouseLeave(m.self, index);
        break;
    case WM_TIMER:
        onHoverTimer(m.self, index, m.hwnd, m.wParam);
        break;
    case WM_LBUTTONDOWN:
        onCaptionButtonDown(m.self, index, m.hwnd, m.lParam);
        break;
    case WM_LBUTTONUP:
        onCaptionButtonUp(m.self, index);
        break;
    case WM_LBUTTONDBLCLK:
        onCaptionDoubleClick(m.self, index, m.lParam);
        break;
    default:
        break;
    }
    // A click may have closed the window: nothing is left to pass on to.
    if (!IsWindow(m.hwnd)) return 0;
    return passOn(m);
}

} // namespace

int maximizedHeight() {
    const int screenH = GetSystemMetrics(SM_CYSCREEN);
    const HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
    RECT r{};
    if (!taskbar || !GetWindowRect(taskbar, &r)) return screenH;
    return screenH - (r.bottom - r.top);
}

void reflectButtonDrawItem(int recordIndex, HWND owner, LPARAM lParam) {
    if (recordIndex < 1 || !lParam) return;
    // Read through the process so a bad pointer fails the copy rather than the window.
    DRAWITEMSTRUCT item{};
    SIZE_T read = 0;
    if (!ReadProcessMemory(GetCurrentProcess(), reinterpret_cast<const void*>(lParam), &item, sizeof item, &read) ||
        read != sizeof item)
        return;
    if (item.CtlType != ODT_BUTTON || !item.hwndItem || !IsChild(owner, item.hwndItem)) return;
    SendMessageA(item.hwndItem, kReflectedDrawItem, static_cast<WPARAM>(recordIndex), reinterpret_cast<LPARAM>(&item));
}

bool startWorkingSetTrim() { return SHCreateThread(&trimWorkingSet, nullptr, 0, nullptr) != FALSE; }

LRESULT __stdcall SkinEngine::frameWindowProc(EngineThis self, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const FrameMessage m{self, hwnd, msg, wParam, lParam};
    switch (msg) {
    case WM_QUIT:
        shutdownGdiplus(skinSettings.gdiplusToken);
        break;
    case WM_NCDESTROY:
        onNcDestroy(hwnd);
        break;
    case WM_ERASEBKGND:
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return 1;
    case WM_CTLCOLOREDIT:
        return onCtlColorEdit(m);
    case WM_CTLCOLORSTATIC:
        return onCtlColorStatic(m);
    case WM_CTLCOLORLISTBOX:
        return onCtlColorListBox(m);
    case WM_CTLCOLORBTN:
        return onCtlColorButton(m);
    case WM_ACTIVATEAPP:
        if (wParam == FALSE) startWorkingSetTrim();
        break;
    case WM_COMMAND:
        repaintChangedControl(wParam, lParam);
        break;
    case WM_NOTIFY:
        repaintExpandedTree(lParam);
        break;
    case WM_DRAWITEM:
        reflectButtonDrawItem(recordIndexOf(hwnd), hwnd, lParam);
        break;
    default:
        return dispatchToRecord(m);
    }
    return passOn(m);
}

} // namespace skin
