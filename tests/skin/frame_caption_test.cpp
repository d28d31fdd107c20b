// Moving and sizing through the skinned frame, the sizing cursors, the
// caption's icon and title, and presenting the cache on the window.
#include "caption_fixture.h"
#include "engine/caption_buttons.h"
#include "engine/frame_and_caption.h"
#include "engine/skin_settings.h"
#include "engine/window_properties.h"
#include "gdi_watermark.h"
#include "gdiplus/gdip.h"
#include "test_windows.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

using namespace skin;
using namespace skintest;

namespace {

TEST(SizingZones, EdgesFirstThenTenPixelCorners) {
    struct Case {
        int x, y;
        WPARAM command;  // 0: no zone
        LPCSTR cursor;
    } cases[] = {
        {3, 150, 0xF001, IDC_SIZEWE},   {4, 150, 0, nullptr},           {397, 150, 0xF002, IDC_SIZEWE},
        {396, 150, 0, nullptr},         {200, 3, 0xF003, IDC_SIZENS},   {200, 297, 0xF006, IDC_SIZENS},
        {11, 3, 0xF003, IDC_SIZENS},    {10, 3, 0xF004, IDC_SIZENWSE},  {3, 10, 0xF004, IDC_SIZENWSE},
        {3, 11, 0xF001, IDC_SIZEWE},    {5, 5, 0xF004, IDC_SIZENWSE},   {395, 5, 0xF005, IDC_SIZENESW},
        {5, 295, 0xF007, IDC_SIZENESW}, {395, 295, 0xF008, IDC_SIZENWSE}, {10, 10, 0xF004, IDC_SIZENWSE},
        {200, 150, 0, nullptr},         {-2, 150, 0xF001, IDC_SIZEWE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
        const auto zone = sizingZoneAt(c.x, c.y, 400, 300, 3);
        ASSERT_EQ(zone.has_value(), c.command != 0);
        if (!zone) continue;
        EXPECT_EQ(zone->command, c.command);
        EXPECT_EQ(zone->cursor, c.cursor);
    }
}

using Frame = CaptionWindow;

TEST_F(Frame, PressesMoveOrSizeTheWindow) {
    struct Case {
        const char* name;
        int x, y;
        int resizable, framed, maximized, minimized;
        UINT msg;  // 0: nothing sent
        WPARAM wParam;
    } cases[] = {
        {"caption moves", 100, 10, 1, 1, 0, 0, WM_NCLBUTTONDOWN, HTCAPTION},
        {"left edge sizes", 2, 150, 1, 1, 0, 0, WM_SYSCOMMAND, 0xF001},
        {"top-left corner sizes", 2, 2, 1, 1, 0, 0, WM_SYSCOMMAND, 0xF004},
        {"top edge above the strip sizes", 320, 2, 1, 1, 0, 0, WM_SYSCOMMAND, 0xF003},
        {"caption-button strip at y 3", 320, 3, 1, 1, 0, 0, 0, 0},
        {"caption-button strip", 320, 10, 1, 1, 0, 0, 0, 0},
        {"body", 200, 150, 1, 1, 0, 0, 0, 0},
        {"fixed size: caption moves", 100, 10, 0, 1, 0, 0, WM_NCLBUTTONDOWN, HTCAPTION},
        {"fixed size: corner in the caption moves", 2, 2, 0, 1, 0, 0, WM_NCLBUTTONDOWN, HTCAPTION},
        {"fixed size: edge below the caption does not size", 2, 150, 0, 1, 0, 0, 0, 0},
        {"unframed", 100, 10, 1, 0, 0, 0, 0, 0},
        {"maximised", 100, 10, 1, 1, 1, 0, 0, 0},
        {"minimised", 2, 150, 1, 1, 0, 1, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        seen_.clear();
        record().resizable = c.resizable;
        record().framed = c.framed;
        record().maximized = c.maximized;
        record().minimized = c.minimized;
        record().cacheDirty = 0;
        mouse(WM_LBUTTONDOWN, c.x, c.y);
        if (c.msg == 0) {
            EXPECT_TRUE(seen().empty());
            continue;
        }
        ASSERT_EQ(seen().size(), 1u);
        EXPECT_EQ(seen()[0].msg, c.msg);
        EXPECT_EQ(seen()[0].wParam, c.wParam);
        EXPECT_EQ(record().cacheDirty, c.msg == WM_SYSCOMMAND ? 1 : 0);
    }
}

TEST_F(Frame, PressFindsItsRecordAgainAfterTheMoveLoop) {
    // Another skinned window goes away while this one is being moved, so
    // this window's record moves from index 2 to 1 during the press.
    skintest::TestWindow other = skintest::topLevelWindow();
    skinSettings.windowRecords.insert(skinSettings.windowRecords.begin(), std::make_unique<WindowRecord>());
    skinSettings.windowRecords.front()->hwnd = other;
    setPropValue(window, kPropListIndex, 2);
    static HWND goingAway = nullptr;
    goingAway = other;
    struct MoveLoop {
        static LRESULT CALLBACK proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
            if (msg == WM_NCLBUTTONDOWN) {
                unregisterWindow(goingAway);
                return 0;
            }
            return DefWindowProcA(hwnd, msg, wParam, lParam);
        }
    };
    WindowRecord& moved = *windowRecordAt(2);
    moved.resizable = 0;
    const auto previous = SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MoveLoop::proc));
    // Top row of the strip: a caption move, and then the press of button 1.
    onCaptionButtonDown(engineThis(), 2, window, MAKELPARAM(320, 2));
    SetWindowLongPtrA(window, GWLP_WNDPROC, previous);

    ASSERT_EQ(windowRecordAt(1), &moved);
    EXPECT_EQ(engine().hotCaptionButton, 1);
    EXPECT_LT(blueOf(cache.pixel(311, 2)), 0xC0u - 30) << "pressed look of button 1";
}

TEST_F(Frame, SizingCursorShowsOnTheFrameOfResizableUnmaximisedWindows) {
    const HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    struct Case {
        const char* name;
        int x, y, resizable, maximized;
        LPCSTR cursor;
    } cases[] = {
        {"left edge", 2, 150, 1, 0, IDC_SIZEWE},
        {"bottom-right corner", 398, 298, 1, 0, IDC_SIZENWSE},
        {"body keeps the cursor", 200, 150, 1, 0, IDC_ARROW},
        {"fixed size", 2, 150, 0, 0, IDC_ARROW},
        {"maximised", 2, 150, 1, 1, IDC_ARROW},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        record().resizable = c.resizable;
        record().maximized = c.maximized;
        SetCursor(arrow);
        mouse(WM_MOUSEMOVE, c.x, c.y);
        EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, c.cursor));
    }
}

// ---- caption -----------------------------------------------------------------------------

// An opaque red icon.
HICON redIcon(int size) {
    skin::GdiObject<HBITMAP> colour(CreateBitmap(size, size, 1, 32, nullptr));
    std::vector<std::uint32_t> red(static_cast<std::size_t>(size * size), 0x00FF0000u);
    SetBitmapBits(colour.get(), static_cast<LONG>(red.size() * 4), red.data());
    std::vector<std::uint8_t> maskBits(static_cast<std::size_t>(size * size / 8 + size * 2), 0);
    skin::GdiObject<HBITMAP> mask(CreateBitmap(size, size, 1, 1, maskBits.data()));
    ICONINFO info{TRUE, 0, 0, mask.get(), colour.get()};
    return CreateIconIndirect(&info);
}

bool isTextPixel(COLORREF c) {
    // White text or its grey halo over the blue strip or the grey cache.
    return redOf(c) > 0x50 && greenOf(c) > 0x50;
}

// With border 3 and a 400-pixel client: title area x0 = 9, y0 = 8, 289 wide
// (400 - 95 - 10 - 6); the title starts at x 29.
class Caption : public CaptionWindow {
protected:
    void SetUp() override {
        CaptionWindow::SetUp();
        icon = redIcon(32);
        skinSettings.appIcon = icon;
        SetWindowTextA(window, "Caption");
    }
    void TearDown() override {
        skinSettings.appIcon = nullptr;
        DestroyIcon(icon);
        CaptionWindow::TearDown();
    }
    int textPixels(int left, int right) {
        int count = 0;
        for (int y = 8; y < 40; ++y)
            for (int x = left; x < right; ++x) count += isTextPixel(cache.pixel(x, y));
        return count;
    }
    void drawCaption(const char* title) { engine().methods->drawCaption(engineThis(), index, nullptr, 0, title); }

    HICON icon = nullptr;
};

TEST_F(Caption, DrawsTheIconAndTheGivenTitleOrTheWindowText) {
    drawCaption(nullptr);
    EXPECT_EQ(cache.pixel(17, 13), RGB(255, 0, 0)) << "icon at (9, 5), 17 x 17";
    EXPECT_EQ(cache.pixel(27, 13), kStripBlue) << "background restored right of the icon";
    const int windowTextPixels = textPixels(29, 298);
    EXPECT_GT(windowTextPixels, 20);

    drawCaption("");
    EXPECT_EQ(textPixels(29, 298), 0) << "an empty title is a given title";

    drawCaption("Caption Caption Caption");
    EXPECT_GT(textPixels(29, 298), windowTextPixels);
    EXPECT_EQ(cache.pixel(200, 60), kCacheGrey) << "below the caption untouched";
}

TEST_F(Caption, TitleUsesTheRecordsColoursAndBoldStyle) {
    record().captionTextColour = RGB(0, 255, 0);
    record().captionGlowColour = RGB(255, 0, 0);
    drawCaption("MMMM");
    bool green = false, reddish = false;
    for (int y = 8; y < 40; ++y)
        for (int x = 29; x < 120; ++x) {
            const COLORREF c = cache.pixel(x, y);
            green = green || (greenOf(c) > 200 && redOf(c) < 60);
            reddish = reddish || (redOf(c) > 100 && greenOf(c) < 60);
        }
    EXPECT_TRUE(green) << "text colour";
    EXPECT_TRUE(reddish) << "halo colour";

    record().captionTextColour = 0xFFFFFF;
    record().captionGlowColour = 0x808080;
    record().captionFontStyle = 1;
    drawCaption("MMMM");
    const int bold = textPixels(29, 298);
    record().captionFontStyle = 0;
    drawCaption("MMMM");
    EXPECT_GT(bold, textPixels(29, 298));
}

TEST_F(Caption, LongTitleStaysLeftOfTheButtonsAndLeavesNothingBehind) {
    drawCaption(std::string(120, 'W').c_str());
    EXPECT_GT(textPixels(200, 298), 0);
    EXPECT_EQ(textPixels(298, 306), 0) << "nothing between the title area and the strip";
    EXPECT_EQ(cache.pixel(300, 15), kCacheGrey);

    drawCaption("W");
    EXPECT_EQ(textPixels(60, 306), 0) << "the shorter title leaves no trace of the longer one";
}

TEST_F(Caption, ReadyGraphicsDrawWithoutRestoringOrCopying) {
    DibDC other(400, 300, kCacheGrey);
    {
        gdip::Graphics graphics;
        ASSERT_TRUE(graphics.createFromHDC(other.dc()));
        engine().methods->drawCaption(engineThis(), index, &graphics, 1, "Title");
    }
    int otherText = 0;
    for (int y = 8; y < 40; ++y)
        for (int x = 29; x < 100; ++x) otherText += isTextPixel(other.pixel(x, y));
    EXPECT_GT(otherText, 0);
    EXPECT_EQ(cache.pixel(27, 13), kCacheGrey) << "no background restored";
    EXPECT_EQ(cache.pixel(17, 13), RGB(255, 0, 0)) << "the icon goes on the cache";
}

TEST_F(Caption, DrawingCopiesTheCaptionToTheWindow) {
    ShowWindow(window, SW_SHOWNOACTIVATE);
    UpdateWindow(window);
    drawCaption(nullptr);
    HDC screen = GetDC(window);
    const COLORREF iconPixel = GetPixel(screen, 17, 13) & 0xFFFFFF;
    ReleaseDC(window, screen);
    EXPECT_EQ(iconPixel, RGB(255, 0, 0));
}

// ---- presenting ----------------------------------------------------------------------------

TEST_F(Frame, PresentCopiesTheCacheAroundOpaqueChildren) {
    const COLORREF mark = RGB(200, 30, 120);
    DibDC rendered(400, 300, mark);
    record().cacheDC = rendered.dc();
    skintest::TestWindow opaque = skintest::childWindow(window, 50, 50, 40, 40, "STATIC", WS_VISIBLE);
    skintest::TestWindow hidden = skintest::childWindow(window, 150, 50, 40, 40, "STATIC", 0);
    skintest::TestWindow transparent("STATIC", WS_CHILD | WS_VISIBLE, 250, 50, 40, 40, window, WS_EX_TRANSPARENT);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    UpdateWindow(window);
    pumpUntil([] { return false; }, 50);

    struct Case {
        const char* name;
        bool handIn;
    } cases[] = {{"the window's own DC", false}, {"a handed-in DC", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HDC given = c.handIn ? GetDC(window) : nullptr;
        engine().methods->presentWindow(engineThis(), index, given);
        if (given) {
            // The handed-in DC is still the caller's to use and release.
            EXPECT_EQ(GetPixel(given, 10, 10) & 0xFFFFFF, mark);
            ReleaseDC(window, given);
        }
        HDC screen = GetDC(window);
        EXPECT_EQ(GetPixel(screen, 10, 10) & 0xFFFFFF, mark);
        EXPECT_EQ(GetPixel(screen, 395, 295) & 0xFFFFFF, mark);
        EXPECT_NE(GetPixel(screen, 70, 70) & 0xFFFFFF, mark) << "opaque child excluded";
        EXPECT_EQ(GetPixel(screen, 170, 70) & 0xFFFFFF, mark) << "hidden child painted over";
        EXPECT_EQ(GetPixel(screen, 270, 70) & 0xFFFFFF, mark) << "transparent child painted over";
        ReleaseDC(window, screen);
    }
}

TEST(ChildRectInParent, IsInTheParentsClientCoordinatesAndEmptyForSkinnedWindows) {
    skintest::TestWindow parent("STATIC", WS_POPUP | WS_BORDER, 100, 100, 300, 200);
    skintest::TestWindow child = skintest::childWindow(parent, 20, 30, 50, 40);
    const RECT r = childRectInParent(child);
    EXPECT_EQ(r.left, 20);
    EXPECT_EQ(r.top, 30);
    EXPECT_EQ(r.right, 70);
    EXPECT_EQ(r.bottom, 70);

    skinSettings.windowRecords.clear();
    addRecord(child);
    const RECT skinned = childRectInParent(child);
    skinSettings.windowRecords.clear();
    EXPECT_TRUE(IsRectEmpty(&skinned));
}

// ---- GDI soak --------------------------------------------------------------------------------

TEST_F(Caption, CaptionAndPresentHoldNoGdiObjects) {
    skintest::TestWindow child = skintest::childWindow(window, 50, 50, 40, 40, "STATIC", WS_VISIBLE);
    GdiWatermark watermark;
    for (int i = 0; i < kGdiSoakCycles; ++i) {
        if (i % 2)
            drawCaption("Title");
        else
            engine().methods->presentWindow(engineThis(), index, nullptr);
    }
    EXPECT_LT(watermark.growth(), kGdiLeakTolerance);
}

} // namespace
