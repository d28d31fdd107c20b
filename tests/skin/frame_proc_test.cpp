// The skinned window procedure on a real window: the engine's frame thunk is
// its procedure and a recording procedure stands behind it as the previous
// one, which keeps the system commands it gets instead of carrying them out.
#include "engine/background_rendering.h"
#include "engine/frame_window_proc.h"
#include "engine/skin_settings.h"
#include "engine/window_properties.h"
#include "gdi_watermark.h"
#include "gdiplus/gdip.h"
#include "skin_support.h"
#include "test_windows.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

using namespace skin;
using skintest::closeTo;
using skintest::engine;
using skintest::engineThis;

namespace {

constexpr COLORREF kGreen = RGB(0, 0xFF, 0);
constexpr COLORREF kRedColour = RGB(0xFF, 0, 0);
// What the previous procedure answers to a control-colour message.
constexpr LRESULT kPreviousBrush = 0x5A5A;
constexpr char kClassName[] = "SkinFrameProcTestWindow";

std::vector<UINT> passedOn;

LRESULT CALLBACK previousProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    passedOn.push_back(msg);
    switch (msg) {
    case WM_SYSCOMMAND:
    case WM_NCLBUTTONDOWN:
        return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
        return kPreviousBrush;
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

bool wasPassedOn(UINT msg) { return std::find(passedOn.begin(), passedOn.end(), msg) != passedOn.end(); }

CaptionButton captionButton(int kind, const Bytes& glyph) {
    CaptionButton b;
    b.kind = kind;
    b.width = kind == CloseButton ? 38 : 26;
    b.height = 18;
    b.image = glyph;
    b.altImage = glyph;
    return b;
}

// A 300 x 200 framed window with minimise, maximise and close buttons,
// skinned the way the engine skins a window, on a green background with
// veiled control backgrounds switched on.
class FrameProc : public testing::Test {
protected:
    void SetUp() override {
        passedOn.clear();
        skinSettings.windowRecords.clear();
        skinSettings.firstSizePending = false;
        skinSettings.backgroundColour = kGreen;
        skinSettings.backgroundPicture.clear();
        const int opacity = 50;
        engine().methods->setBackgroundStyle(engineThis(), 1, &opacity, nullptr);
        engine().borderWidth = 3;
        engine().hotCaptionButton = 0;

        static const bool registered = [] {
            WNDCLASSA wc{};
            wc.style = CS_DBLCLKS;
            wc.lpfnWndProc = previousProc;
            wc.hInstance = GetModuleHandleA(nullptr);
            wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
            wc.lpszClassName = kClassName;
            return RegisterClassA(&wc) != 0;
        }();
        ASSERT_TRUE(registered);
        window = CreateWindowExA(0, kClassName, "", WS_POPUP, 60, 60, 300, 200, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window, nullptr);
        index = skintest::addRecord(window);
        WindowRecord& r = record();
        r.showCaptionText = 0;
        r.maxTrackWidth = 1000;
        r.maxTrackHeight = 800;
        r.maximizeButton = 1;
        r.minimizeButton = 1;
        const Bytes glyph = skintest::makePicture(26, 18, {{10, 6, 6, 6, 0xFFFFFFFFu}}, gdip::kPngFormat);
        r.captionButtons = {captionButton(MinimizeButton, glyph), captionButton(MaximizeButton, glyph),
                            captionButton(CloseButton, glyph)};
        r.buttonStripWidth = 95;
        engine().methods->layoutCaptionButtons(engineThis(), index);

        const auto previous = SetWindowLongPtrA(window, GWLP_WNDPROC,
                                                reinterpret_cast<LONG_PTR>(engine().frameProcThunk.code()));
        r.oldWindowProc = reinterpret_cast<WNDPROC>(previous);
        setPropValue(window, kPropOldProc, previous);
        passedOn.clear();
    }
    void TearDown() override {
        if (window && IsWindow(window)) DestroyWindow(window);
        skinSettings.windowRecords.clear();
        engine().methods->setBackgroundStyle(engineThis(), 1, nullptr, nullptr);
        skinSettings.firstSizePending = true;
    }

    WindowRecord& record() { return *windowRecordAt(index); }
    LRESULT send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) { return SendMessageA(window, msg, wParam, lParam); }
    void render() { engine().methods->renderWindow(engineThis(), index, nullptr, 0); }
    COLORREF screenPixel(int x, int y) {
        gdi::WindowDC screen(window);
        return GetPixel(screen, x, y) & 0xFFFFFF;
    }
    void showAndPaint() {
        ShowWindow(window, SW_SHOWNA);
        UpdateWindow(window);
    }

    HWND window = nullptr;
    int index = 0;
};

// ---- state of the record -----------------------------------------------------------------------

TEST_F(FrameProc, SystemCommandsMarkTheRecordAndArePassedOn) {
    struct Case {
        WPARAM command;
        int maximizedBefore;
        int maximized, minimized, dirty;
    } cases[] = {
        {SC_MAXIMIZE, 0, 1, 0, 1},
        {SC_MINIMIZE, 0, 0, 1, 1},
        // A maximised window restored from the taskbar stays maximised.
        {SC_RESTORE, 1, 1, 0, 1},
        // Compared exactly: the mouse bits of a caption command do not match.
        {SC_MAXIMIZE | 2, 0, 0, 0, 0},
        {SC_CLOSE, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.command);
        record().maximized = c.maximizedBefore;
        record().minimized = c.command == SC_RESTORE;
        record().cacheDirty = 0;
        passedOn.clear();
        send(WM_SYSCOMMAND, c.command);
        EXPECT_EQ(record().maximized, c.maximized);
        EXPECT_EQ(record().minimized, c.minimized);
        EXPECT_EQ(record().cacheDirty, c.dirty);
        EXPECT_TRUE(wasPassedOn(WM_SYSCOMMAND));
    }
    record().minimized = 1;
    send(WM_QUERYOPEN);
    EXPECT_EQ(record().minimized, 0);
}

TEST_F(FrameProc, OnlyTheFirstSizeOfAnySkinnedWindowLeavesTheCacheClean) {
    skinSettings.firstSizePending = true;
    record().hoverButton = 2;
    send(WM_SIZE, SIZE_RESTORED, MAKELPARAM(300, 200));
    EXPECT_EQ(record().cacheDirty, 0);
    EXPECT_FALSE(skinSettings.firstSizePending);
    EXPECT_EQ(record().hoverButton, 0);
    send(WM_SIZE, SIZE_RESTORED, MAKELPARAM(300, 200));
    EXPECT_EQ(record().cacheDirty, 1);
}

TEST_F(FrameProc, TrackingLimitsLeaveTheTaskbarFreeWhileMaximised) {
    struct Case {
        int maximized;
        POINT maxTrack;
    } cases[] = {
        {0, {1000, 800}},
        {1, {GetSystemMetrics(SM_CXSCREEN), maximizedHeight()}},
    };
    for (const Case& c : cases) {
        record().maximized = c.maximized;
        MINMAXINFO info{};
        send(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
        EXPECT_EQ(info.ptMinTrackSize.x, 200);
        EXPECT_EQ(info.ptMinTrackSize.y, 150);
        EXPECT_EQ(info.ptMaxTrackSize.x, c.maxTrack.x);
        EXPECT_EQ(info.ptMaxTrackSize.y, c.maxTrack.y);
    }
}

// A 30-pixel taskbar along the bottom of the screen. It is made topmost so
// that it is the first "Shell_TrayWnd" found, ahead of any taskbar the
// desktop has (Wine's is hidden and has no height).
class Taskbar {
public:
    Taskbar() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "Shell_TrayWnd";
        RegisterClassA(&wc);
        const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
        own_ = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "Shell_TrayWnd", nullptr, WS_POPUP, 0, h - 30, w, 30,
                               nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    }
    ~Taskbar() {
        if (own_) DestroyWindow(own_);
    }
    Taskbar(const Taskbar&) = delete;
    Taskbar& operator=(const Taskbar&) = delete;
    HWND get() const { return own_; }

private:
    HWND own_ = nullptr;
};

TEST_F(FrameProc, WindowMaximisedOverTheWholeScreenIsShrunkAboveTheTaskbar) {
    Taskbar taskbar;
    const int screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
    ASSERT_EQ(FindWindowA("Shell_TrayWnd", nullptr), taskbar.get());
    ASSERT_EQ(maximizedHeight(), screenH - 30);
    SetWindowPos(window, nullptr, 0, 0, screenW, screenH, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT r{};
    GetWindowRect(window, &r);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, screenW);
    EXPECT_EQ(r.bottom, maximizedHeight());
    EXPECT_EQ(record().maximized, 1);
    // The caption buttons followed the new width: the close button ends
    // near the right edge.
    const FloatRect& close = record().captionButtons[2].rect;
    EXPECT_GT(close.x + close.width, float(screenW - 20));

    // A window without a maximise button keeps the size it is given.
    record().maximizeButton = 0;
    record().maximized = 0;
    SetWindowPos(window, nullptr, 0, 0, screenW, screenH, SWP_NOZORDER | SWP_NOACTIVATE);
    GetWindowRect(window, &r);
    EXPECT_EQ(r.bottom, screenH);
    EXPECT_EQ(record().maximized, 0);
}

// ---- painting ------------------------------------------------------------------------------------

TEST_F(FrameProc, PaintRendersADirtyCachePresentsACleanOneAndSkipsAMinimisedWindow) {
    record().cacheDirty = 1;
    showAndPaint();
    EXPECT_EQ(record().cacheDirty, 0);
    ASSERT_NE(record().cacheDC, nullptr);
    EXPECT_TRUE(closeTo(screenPixel(150, 100), kGreen));
    EXPECT_FALSE(wasPassedOn(WM_PAINT));

    struct Case {
        const char* name;
        int dirty, minimized;
        COLORREF shown;
    } cases[] = {
        {"clean cache is presented as it is", 0, 0, kGreen},
        {"minimised window paints nothing of the skin", 1, 1, kGreen},
        {"dirty cache is rendered again", 1, 0, kRedColour},
    };
    skinSettings.backgroundColour = kRedColour;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        record().cacheDirty = c.dirty;
        record().minimized = c.minimized;
        InvalidateRect(window, nullptr, FALSE);
        UpdateWindow(window);
        EXPECT_TRUE(closeTo(GetPixel(record().cacheDC, 150, 100) & 0xFFFFFF, c.shown));
        EXPECT_EQ(record().cacheDirty, c.minimized ? 1 : 0);
    }
}

TEST_F(FrameProc, ShowingRendersUnlessTheWindowComesBackFromMinimised) {
    record().minimized = 1;
    send(WM_SHOWWINDOW, TRUE);
    EXPECT_EQ(record().minimized, 0);
    EXPECT_EQ(record().cacheDC, nullptr);
    send(WM_SHOWWINDOW, FALSE);
    EXPECT_EQ(record().cacheDC, nullptr);
    send(WM_SHOWWINDOW, TRUE);
    EXPECT_NE(record().cacheDC, nullptr);
    EXPECT_TRUE(wasPassedOn(WM_SHOWWINDOW));
}

TEST_F(FrameProc, EraseIsTransparentAndNotPassedOn) {
    gdi::OwnedDC dc(CreateCompatibleDC(nullptr));
    SetBkMode(dc.get(), OPAQUE);
    EXPECT_EQ(send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.get())), 1);
    EXPECT_EQ(GetBkMode(dc.get()), TRANSPARENT);
    EXPECT_FALSE(wasPassedOn(WM_ERASEBKGND));
}

TEST_F(FrameProc, NewTitleIsDrawnIntoTheCaption) {
    record().showCaptionText = 1;
    render();
    auto inkedPixels = [&] {
        int count = 0;
        for (int y = 8; y < 24; ++y)
            for (int x = 30; x < 120; ++x)
                if (!closeTo(GetPixel(record().cacheDC, x, y) & 0xFFFFFF, kGreen, 30)) ++count;
        return count;
    };
    EXPECT_EQ(inkedPixels(), 0);
    SetWindowTextA(window, "标题 Title");
    EXPECT_GT(inkedPixels(), 20);
    char stored[32] = {};
    GetWindowTextA(window, stored, sizeof stored);
    EXPECT_STREQ(stored, "标题 Title");
}

// ---- caption buttons -----------------------------------------------------------------------------

TEST_F(FrameProc, CaptionButtonClickReachesTheEngineThroughTheProcedure) {
    render();
    const FloatRect& close = record().captionButtons[2].rect;
    const LPARAM at = MAKELPARAM(int(close.x + close.width / 2), int(close.y + close.height / 2));
    send(WM_MOUSEMOVE, 0, at);
    EXPECT_EQ(record().hoverButton, 3);
    EXPECT_EQ(engine().hotCaptionButton, 3);
    send(WM_LBUTTONDOWN, MK_LBUTTON, at);
    passedOn.clear();
    send(WM_LBUTTONUP, 0, at);
    EXPECT_TRUE(wasPassedOn(WM_SYSCOMMAND));  // the close command, kept by the previous procedure
    EXPECT_TRUE(wasPassedOn(WM_LBUTTONUP));
}

// ---- control colours and refreshes ------------------------------------------------------------

TEST_F(FrameProc, ControlColoursGiveVeiledOrHollowBrushesOnlyWhenSwitchedOn) {
    render();
    skintest::TestWindow label = skintest::childWindow(window, 10, 40, 60, 20, "Static", WS_VISIBLE);
    skintest::TestWindow list = skintest::childWindow(window, 10, 70, 60, 40, "ListBox", WS_VISIBLE);
    skintest::TestWindow drawnList =
        skintest::childWindow(window, 80, 70, 60, 40, "ListBox", WS_VISIBLE | LBS_OWNERDRAWFIXED);
    skintest::TestWindow combo =
        skintest::childWindow(window, 150, 40, 80, 100, "ComboBox", WS_VISIBLE | CBS_DROPDOWN);
    HWND comboEdit = FindWindowExA(combo, nullptr, "Edit", nullptr);
    ASSERT_NE(comboEdit, nullptr);
    skintest::TestWindow edit = skintest::childWindow(window, 10, 120, 60, 20, "Edit", WS_VISIBLE);
    setPropValue(label, kPropTextColour, 0x0000FF);
    const auto hollow = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    constexpr LRESULT kVeiled = -1;  // a fresh pattern brush, kept in "Kj_dxjb"

    struct Case {
        const char* name;
        UINT msg;
        HWND control;
        bool enabled, opacitySet;
        LRESULT result;
    } cases[] = {
        {"static", WM_CTLCOLORSTATIC, label, true, true, kVeiled},
        {"edit", WM_CTLCOLOREDIT, edit, true, true, kVeiled},
        {"edit of a combo box", WM_CTLCOLOREDIT, comboEdit, true, true, kPreviousBrush},
        {"list box", WM_CTLCOLORLISTBOX, list, true, true, hollow},
        {"owner-drawn list box", WM_CTLCOLORLISTBOX, drawnList, true, true, kPreviousBrush},
        {"button", WM_CTLCOLORBTN, label, true, true, hollow},
        {"static without opacity", WM_CTLCOLORSTATIC, label, true, false, kPreviousBrush},
        {"list box without opacity", WM_CTLCOLORLISTBOX, list, true, false, kPreviousBrush},
        {"button without opacity", WM_CTLCOLORBTN, label, true, false, kPreviousBrush},
        {"static with skins off", WM_CTLCOLORSTATIC, label, false, true, kPreviousBrush},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        skinSettings.controlSkinsEnabled = c.enabled;
        skinSettings.controlOpacitySet = c.opacitySet;
        gdi::OwnedDC dc(CreateCompatibleDC(nullptr));
        SetBkMode(dc.get(), OPAQUE);
        const LRESULT result = send(c.msg, reinterpret_cast<WPARAM>(dc.get()), reinterpret_cast<LPARAM>(c.control));
        if (c.result == kVeiled) {
            EXPECT_EQ(GetObjectType(reinterpret_cast<HGDIOBJ>(result)), DWORD(OBJ_BRUSH));
            EXPECT_EQ(reinterpret_cast<HANDLE>(result), GetPropA(c.control, kPropBackBrush));
            EXPECT_EQ(GetObjectType(GetPropA(c.control, kPropBackBitmap)), DWORD(OBJ_BITMAP));
        } else {
            EXPECT_EQ(result, c.result);
        }
        if (c.result != kPreviousBrush) {
            EXPECT_EQ(GetBkMode(dc.get()), TRANSPARENT);
            EXPECT_EQ(GetTextColor(dc.get()), COLORREF(propValue(c.control, kPropTextColour)));
        }
    }
}

TEST_F(FrameProc, NotificationsRepaintTheControlsWhoseContentChanged) {
    ShowWindow(window, SW_SHOWNA);
    skintest::TestWindow edit = skintest::childWindow(window, 10, 40, 60, 20, "Edit", WS_VISIBLE);
    skintest::TestWindow list = skintest::childWindow(window, 10, 70, 60, 40, "ListBox", WS_VISIBLE);
    skintest::TestWindow combo = skintest::childWindow(window, 150, 40, 80, 100, "ComboBox", WS_VISIBLE | CBS_DROPDOWNLIST);
    skintest::TestWindow tree = skintest::childWindow(window, 80, 70, 60, 40, "Static", WS_VISIBLE);
    struct Case {
        const char* name;
        HWND control;
        UINT code;
        bool opacitySet;
        bool repainted;
    } cases[] = {
        {"edit changed", edit, EN_CHANGE, true, true},
        {"edit scrolled", edit, EN_VSCROLL, true, true},
        {"edit focused", edit, EN_SETFOCUS, true, false},
        {"list selection", list, LBN_SELCHANGE, true, true},
        {"list double click", list, LBN_DBLCLK, true, false},
        {"combo selection", combo, CBN_SELCHANGE, true, true},
        {"combo lost focus", combo, CBN_KILLFOCUS, true, true},
        {"combo dropped down", combo, CBN_DROPDOWN, true, false},
        {"edit changed without opacity", edit, EN_CHANGE, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        skinSettings.controlOpacitySet = c.opacitySet;
        ValidateRect(c.control, nullptr);
        passedOn.clear();
        send(WM_COMMAND, MAKEWPARAM(1, c.code), reinterpret_cast<LPARAM>(c.control));
        EXPECT_EQ(GetUpdateRect(c.control, nullptr, FALSE) != 0, c.repainted);
        EXPECT_TRUE(wasPassedOn(WM_COMMAND));
    }

    struct NotifyCase {
        UINT code;
        bool repainted;
    } notifications[] = {{UINT(-405), true}, {UINT(-406), true}, {UINT(-404), false}};
    for (const NotifyCase& n : notifications) {
        ValidateRect(tree, nullptr);
        NMHDR header{tree, 1, n.code};
        send(WM_NOTIFY, 1, reinterpret_cast<LPARAM>(&header));
        EXPECT_EQ(GetUpdateRect(tree, nullptr, FALSE) != 0, n.repainted);
    }
    // A header that cannot be read is ignored and still passed on.
    passedOn.clear();
    send(WM_NOTIFY, 1, 16);
    EXPECT_TRUE(wasPassedOn(WM_NOTIFY));
}

// ---- end of the window, deactivation -------------------------------------------------------------

TEST_F(FrameProc, DestroyingTheWindowRemovesItsRecordAndFreesItsCache) {
    render();
    DestroyWindow(window);
    EXPECT_EQ(findWindowRecord(window), 0);
    EXPECT_TRUE(skinSettings.windowRecords.empty());
}

TEST_F(FrameProc, DeactivationTrimsInProcessAndWritesNothingToTheWindowsDirectory) {
    char windir[MAX_PATH] = {};
    ASSERT_GT(GetEnvironmentVariableA("windir", windir, MAX_PATH), 0u);
    const std::string helper = std::string(windir) + "\\empty.exe";
    const DWORD start = GetTickCount();
    send(WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_LT(GetTickCount() - start, 1000u);  // the trim is not waited for
    EXPECT_TRUE(wasPassedOn(WM_ACTIVATEAPP));
    EXPECT_TRUE(startWorkingSetTrim());
    Sleep(50);
    EXPECT_EQ(GetFileAttributesA(helper.c_str()), INVALID_FILE_ATTRIBUTES);
}

// ---- GDI soak -------------------------------------------------------------------------------------

TEST_F(FrameProc, PaintingAndControlColoursHoldNoGdiObjects) {
    ShowWindow(window, SW_SHOWNA);
    skintest::TestWindow label = skintest::childWindow(window, 10, 40, 60, 20, "Static", WS_VISIBLE);
    gdi::OwnedDC dc(CreateCompatibleDC(nullptr));
    record().cacheDirty = 1;
    UpdateWindow(window);
    GdiWatermark watermark;
    for (int i = 0; i < 500; ++i) {
        record().cacheDirty = i % 2;
        InvalidateRect(window, nullptr, FALSE);
        UpdateWindow(window);
        send(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.get()), reinterpret_cast<LPARAM>(label.get()));
    }
    EXPECT_LT(watermark.growth(), kGdiLeakTolerance);
}

} // namespace
