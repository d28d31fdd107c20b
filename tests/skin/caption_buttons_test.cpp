// Caption buttons: hit tests, actions, looks (read from the window's cache),
// the hover fade and clicks driven by mouse messages.
#include "caption_fixture.h"
#include "engine/caption_buttons.h"
#include "engine/skin_settings.h"
#include "gdi_watermark.h"
#include "gdiplus/gdip.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

using namespace skin;
using namespace skintest;

namespace {

using Buttons = CaptionWindow;

// After layout: strip x 306, width 95, height 22; buttons at x 308, 335 and
// 362 (the close button 40 wide), y 1, 18 high. A button draws from
// rect.x - 1: 307, 334, 361.
TEST_F(Buttons, StripAndButtonHitTests) {
    struct Case {
        int x, y;
        bool inStrip;
        int button;
    } cases[] = {
        {304, 5, true, 0},    // 2 pixels left of the strip: tracked, no button
        {303, 5, false, 0},
        {306, 5, true, 0},    // strip edge, left of the first button
        {308, 10, true, 0},   // a button's left edge is outside it
        {309, 10, true, 1},
        {334, 10, true, 0},   // right edge of button 1
        {336, 10, true, 2},
        {401, 10, true, 3},   // close button past the client edge
        {402, 10, false, 0},
        {309, 1, true, 0},    // top edge of the buttons
        {309, 2, true, 1},
        {309, 19, true, 0},   // bottom edge
        {309, 22, true, 0},
        {309, 23, false, 0},
        {309, -1, false, 0},  // negative y from the signed half of lParam
        {-5, 10, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
        EXPECT_EQ(isInButtonStrip(index, MAKELPARAM(c.x, c.y)), c.inStrip);
        EXPECT_EQ(engine().methods->captionButtonAt(engineThis(), index, c.x, c.y), c.button);
    }
    EXPECT_EQ(engine().methods->captionButtonAt(engineThis(), 9, 309, 10), 0);
    EXPECT_FALSE(isInButtonStrip(9, MAKELPARAM(309, 10)));
}

TEST_F(Buttons, MaximizeButtonIndexIsTheFirstMaximizeButton) {
    struct Case {
        std::vector<int> kinds;
        int expected;
    } cases[] = {
        {{MinimizeButton, MaximizeButton, CloseButton}, 2},
        {{HelpButton, MenuButton, MaximizeButton, CloseButton}, 3},
        {{CloseButton}, 0},
        {{}, 0},
    };
    for (const auto& c : cases) {
        record().captionButtons.clear();
        for (int kind : c.kinds) {
            CaptionButton b;
            b.kind = kind;
            record().captionButtons.push_back(b);
        }
        EXPECT_EQ(engine().methods->maximizeButtonIndex(engineThis(), index), c.expected) << c.kinds.size();
    }
}

TEST_F(Buttons, ClickActsByKind) {
    struct Case {
        const char* name;
        std::vector<int> kinds;
        int button;
        int maximizedBefore;
        std::vector<WPARAM> commands;
        int maximized, minimized, cacheDirty;
    } cases[] = {
        {"close", {MinimizeButton, MaximizeButton, CloseButton}, 3, 0, {SC_CLOSE}, 0, 0, 0},
        {"maximise", {MinimizeButton, MaximizeButton, CloseButton}, 2, 0, {SC_MAXIMIZE}, 1, 0, 1},
        {"restore", {MinimizeButton, MaximizeButton, CloseButton}, 2, 1, {SC_RESTORE}, 0, 0, 1},
        {"minimise", {MinimizeButton, MaximizeButton, CloseButton}, 1, 0, {SC_MINIMIZE}, 0, 1, 0},
        {"help", {HelpButton, MenuButton, CloseButton}, 1, 0, {}, 0, 0, 0},
        {"menu", {HelpButton, MenuButton, CloseButton}, 2, 0, {}, 0, 0, 0},
        {"button 0", {MinimizeButton, MaximizeButton, CloseButton}, 0, 0, {}, 0, 0, 0},
        {"past the last button", {MinimizeButton, MaximizeButton, CloseButton}, 4, 0, {}, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        seen_.clear();
        record().captionButtons.resize(c.kinds.size());
        for (std::size_t i = 0; i < c.kinds.size(); ++i) record().captionButtons[i].kind = c.kinds[i];
        record().maximized = c.maximizedBefore;
        record().minimized = c.name == std::string("restore") ? 1 : 0;
        record().cacheDirty = 0;
        engine().methods->captionButtonClicked(engineThis(), index, c.button);
        EXPECT_EQ(sysCommands(), c.commands);
        EXPECT_EQ(record().maximized, c.maximized);
        EXPECT_EQ(record().minimized, c.minimized);
        EXPECT_EQ(record().cacheDirty, c.cacheDirty);
    }
}

// ---- looks -------------------------------------------------------------------------

TEST_F(Buttons, NormalLookDrawsTheGlyphAtTheButtonAndTheRestoreGlyphWhileMaximized) {
    struct Case {
        int button, maximized;
        int glyphX;  // centre of the glyph's square
        COLORREF glyphColour;
    } cases[] = {
        {1, 0, 319, RGB(255, 255, 255)},
        {2, 0, 346, RGB(255, 255, 255)},
        {2, 1, 346, RGB(0, 255, 0)},
        {1, 1, 319, RGB(255, 255, 255)},  // only the maximise button has a restore glyph
        {3, 0, 380, RGB(255, 255, 255)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "button " << c.button << " maximized " << c.maximized);
        record().maximized = c.maximized;
        engine().methods->drawCaptionButton(engineThis(), index, c.button, nullptr, 0, 0, 0);
        EXPECT_EQ(cache.pixel(c.glyphX, 9), c.glyphColour);
        // Beside the glyph: the clean strip background under the gloss.
        const COLORREF beside = cache.pixel(c.glyphX - 6, 16);
        EXPECT_EQ(redOf(beside), greenOf(beside));
        EXPECT_GE(blueOf(beside), 0xC0u);
    }
    // Outside the buttons the cache is untouched.
    EXPECT_EQ(cache.pixel(200, 9), kCacheGrey);
    EXPECT_EQ(cache.pixel(319, 40), kCacheGrey);
}

TEST_F(Buttons, HoverHighlightIsRedOnTheCloseButtonAndTheAccentElsewhere) {
    engine().methods->drawCaptionButton(engineThis(), index, 2, nullptr, 0, 0, 240);
    engine().methods->drawCaptionButton(engineThis(), index, 3, nullptr, 0, 0, 240);
    const COLORREF maximize = cache.pixel(339, 3), close = cache.pixel(366, 3);
    // The accent 0xDDCA22 is mostly green and blue, the close tint pure red.
    EXPECT_GT(greenOf(maximize), 120u);
    EXPECT_LT(redOf(maximize), 100u);
    EXPECT_GT(redOf(close), 150u);
    EXPECT_LT(greenOf(close), 100u);

    // Alpha 0 only restores the background (and the gloss on top of it).
    engine().methods->drawCaptionButton(engineThis(), index, 3, nullptr, 0, 0, 0);
    EXPECT_LT(redOf(cache.pixel(366, 3)), 100u);
}

TEST_F(Buttons, PressedLookIsRedOnTheCloseButtonAndDarkElsewhere) {
    mouse(WM_LBUTTONDOWN, 380, 10);
    EXPECT_EQ(engine().hotCaptionButton, 3);
    EXPECT_GT(redOf(cache.pixel(365, 2)), 200u);
    EXPECT_LT(blueOf(cache.pixel(365, 2)), 60u);

    mouse(WM_LBUTTONDOWN, 347, 10);
    EXPECT_EQ(engine().hotCaptionButton, 2);
    EXPECT_LT(blueOf(cache.pixel(337, 2)), 0xC0u - 30);
    EXPECT_EQ(cache.pixel(346, 9), RGB(255, 255, 255));
}

TEST_F(Buttons, SeparatorsDarkenTheLinesBesideAButton) {
    engine().methods->drawCaptionButton(engineThis(), index, 2, nullptr, 0, 0, 0);
    // Lines at x = rect.x - 2 of button 2 (333) and of button 3 (360),
    // anti-aliased over two columns.
    const auto lineBlue = [&](int x) { return std::min(blueOf(cache.pixel(x - 1, 3)), blueOf(cache.pixel(x, 3))); };
    EXPECT_LT(lineBlue(333) + 10, blueOf(cache.pixel(338, 3)));
    EXPECT_LT(lineBlue(360) + 10, blueOf(cache.pixel(355, 3)));
}

TEST_F(Buttons, ReadyGraphicsReceiveTheDrawing) {
    DibDC other(400, 300, kCacheGrey);
    {
        gdip::Graphics graphics;
        ASSERT_TRUE(graphics.createFromHDC(other.dc()));
        engine().methods->drawCaptionButton(engineThis(), index, 1, &graphics, 1, 0, 0);
    }
    EXPECT_EQ(other.pixel(319, 9), RGB(255, 255, 255));
    EXPECT_NE(cache.pixel(319, 9), RGB(255, 255, 255));
}

TEST_F(Buttons, DrawingCopiesTheButtonToTheWindow) {
    ShowWindow(window, SW_SHOWNOACTIVATE);
    UpdateWindow(window);
    engine().methods->drawCaptionButton(engineThis(), index, 1, nullptr, 0, 0, 0);
    HDC screen = GetDC(window);
    const COLORREF glyphPixel = GetPixel(screen, 319, 9) & 0xFFFFFF;
    const COLORREF outside = GetPixel(screen, 200, 9) & 0xFFFFFF;
    ReleaseDC(window, screen);
    EXPECT_EQ(glyphPixel, RGB(255, 255, 255));
    EXPECT_NE(outside, RGB(255, 255, 255));
}

TEST_F(Buttons, DrawingOutsideTheListOrWithoutACacheDoesNothing) {
    engine().methods->drawCaptionButton(engineThis(), index, 0, nullptr, 0, 0, 240);
    engine().methods->drawCaptionButton(engineThis(), index, 4, nullptr, 0, 1, 0);
    engine().methods->drawCaptionButton(engineThis(), index, 1, nullptr, 1, 0, 0);  // ready, but no graphics
    EXPECT_EQ(cache.pixel(319, 9), kCacheGrey);
    EXPECT_EQ(cache.pixel(309, 3), kCacheGrey);
    record().cacheDC = nullptr;
    record().captionCacheDC = nullptr;
    engine().methods->drawCaptionButton(engineThis(), index, 1, nullptr, 0, 1, 0);
    engine().methods->drawCaptionButton(engineThis(), index, 1, nullptr, 0, 0, 120);
}

// ---- hover fade ----------------------------------------------------------------------

WPARAM hoverTimerId(HWND hwnd) { return reinterpret_cast<WPARAM>(hwnd); }

TEST_F(Buttons, HoverFadesInOverEightTicksAndOutWhenTheMouseMovesOn) {
    mouse(WM_MOUSEMOVE, 320, 10);
    EXPECT_EQ(record().hoverButton, 1);
    EXPECT_EQ(record().hoverTimerOn, 1);
    EXPECT_EQ(record().fadeIn.button, 1);
    EXPECT_EQ(record().fadeIn.step, 0);

    std::vector<std::uint32_t> greens;
    for (int tick = 1; tick <= 8; ++tick) {
        SendMessageA(window, WM_TIMER, hoverTimerId(window), 0);
        greens.push_back(greenOf(cache.pixel(312, 3)));
    }
    for (std::size_t i = 1; i < greens.size(); ++i) EXPECT_GT(greens[i], greens[i - 1]) << "tick " << i + 1;
    EXPECT_EQ(record().fadeIn.step, 8);

    // Another timer's tick is not the hover timer.
    SendMessageA(window, WM_TIMER, 12345, 0);
    EXPECT_EQ(record().fadeIn.step, 8);
    EXPECT_EQ(record().hoverTimerOn, 1);

    // On to button 2: button 1 fades out while button 2 fades in, on the same ticks.
    mouse(WM_MOUSEMOVE, 347, 10);
    EXPECT_EQ(record().hoverButton, 2);
    EXPECT_EQ(record().fadeOut.button, 1);
    EXPECT_EQ(record().fadeIn.button, 2);
    for (int tick = 1; tick <= 8; ++tick) SendMessageA(window, WM_TIMER, hoverTimerId(window), 0);
    EXPECT_EQ(record().fadeOut.step, 8);
    EXPECT_EQ(record().fadeIn.step, 8);
    EXPECT_LT(greenOf(cache.pixel(312, 3)), greens.front());
    EXPECT_GT(greenOf(cache.pixel(339, 3)), 120u);

    // Off the strip: button 2 fades out, then the timer stops and all is idle.
    mouse(WM_MOUSEMOVE, 100, 150);
    EXPECT_EQ(record().hoverTimerOn, 0);
    EXPECT_EQ(record().hoverButton, 0);
    EXPECT_EQ(record().fadeOut.button, 2);
    for (int tick = 1; tick <= 8; ++tick) SendMessageA(window, WM_TIMER, hoverTimerId(window), 0);
    EXPECT_EQ(record().fadeIn.button, 0);
    EXPECT_EQ(record().fadeOut.button, 0);
    EXPECT_EQ(record().fadeOut.step, 0);
    EXPECT_LT(greenOf(cache.pixel(339, 3)), greens.front());
    EXPECT_FALSE(KillTimer(window, hoverTimerId(window))) << "the timer was stopped";
}

TEST_F(Buttons, LeavingTheWindowFadesTheHoveredButtonOut) {
    struct Case {
        const char* name;
        int ticksBefore;  // of the fade-in before the mouse leaves
        int fadeInAfterLeave;
    } cases[] = {
        {"mid fade-in: the fade-in is dropped", 3, 0},
        {"full fade-in: it stays until idle", 8, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        record().mouseInside = 1;
        mouse(WM_MOUSEMOVE, 347, 10);
        for (int i = 0; i < c.ticksBefore; ++i) SendMessageA(window, WM_TIMER, hoverTimerId(window), 0);
        SendMessageA(window, WM_MOUSELEAVE, 0, 0);
        EXPECT_EQ(record().mouseInside, 0);
        EXPECT_EQ(record().hoverButton, 0);
        EXPECT_EQ(record().fadeOut.button, 2);
        EXPECT_EQ(record().fadeIn.button, c.fadeInAfterLeave);
        for (int i = 0; i < 8; ++i) SendMessageA(window, WM_TIMER, hoverTimerId(window), 0);
        EXPECT_EQ(record().hoverTimerOn, 0);
        EXPECT_EQ(record().fadeOut.button, 0);
        SendMessageA(window, WM_MOUSEHOVER, 0, 0);
        EXPECT_EQ(record().mouseInside, 1);
    }
}

TEST_F(Buttons, HoverTimerDrivesTheFadeByItself) {
    mouse(WM_MOUSEMOVE, 380, 10);
    ASSERT_TRUE(pumpUntil([&] { return record().fadeIn.step == 8; }));
    EXPECT_GT(redOf(cache.pixel(366, 3)), 150u);

    mouse(WM_MOUSEMOVE, 100, 150);
    ASSERT_TRUE(pumpUntil([&] { return record().fadeOut.button == 0 && record().fadeIn.button == 0; }));
    EXPECT_EQ(record().hoverTimerOn, 0);
    EXPECT_LT(redOf(cache.pixel(366, 3)), 100u);
    EXPECT_FALSE(KillTimer(window, hoverTimerId(window)));
}

TEST_F(Buttons, UnframedWindowStartsNoHoverTimer) {
    record().framed = 0;
    mouse(WM_MOUSEMOVE, 320, 10);
    EXPECT_EQ(record().hoverTimerOn, 0);
    EXPECT_FALSE(KillTimer(window, hoverTimerId(window)));
}

// ---- clicks ------------------------------------------------------------------------------

struct MouseStep {
    UINT msg;
    int x, y;
};

TEST_F(Buttons, ReleaseActsOnTheButtonUnderTheMouse) {
    struct Case {
        const char* name;
        std::vector<MouseStep> steps;
        std::vector<WPARAM> commands;
    } cases[] = {
        {"press and release on close", {{WM_LBUTTONDOWN, 380, 10}, {WM_LBUTTONUP, 380, 10}}, {SC_CLOSE}},
        {"press minimise, release over maximise",
         {{WM_LBUTTONDOWN, 320, 10}, {WM_MOUSEMOVE, 347, 10}, {WM_LBUTTONUP, 347, 10}},
         {SC_MAXIMIZE}},
        {"press, release outside the buttons",
         {{WM_LBUTTONDOWN, 320, 10}, {WM_MOUSEMOVE, 100, 150}, {WM_LBUTTONUP, 100, 150}},
         {}},
        {"release without a press on a button", {{WM_LBUTTONDOWN, 100, 150}, {WM_LBUTTONUP, 100, 150}}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        seen_.clear();
        record().maximized = 0;
        for (const MouseStep& s : c.steps) mouse(s.msg, s.x, s.y);
        EXPECT_EQ(sysCommands(), c.commands);
    }
}

TEST_F(Buttons, ClicksNeedTheButtonThunkAndAFramedWindow) {
    const auto entry = engine().buttonThunkEntry;
    engine().buttonThunkEntry = 0;
    mouse(WM_LBUTTONDOWN, 380, 10);
    mouse(WM_LBUTTONUP, 380, 10);
    engine().buttonThunkEntry = entry;
    EXPECT_TRUE(sysCommands().empty());

    record().framed = 0;
    engine().hotCaptionButton = 0;
    mouse(WM_LBUTTONDOWN, 380, 10);
    EXPECT_EQ(engine().hotCaptionButton, 0);
    engine().hotCaptionButton = 3;
    mouse(WM_LBUTTONUP, 380, 10);
    EXPECT_TRUE(sysCommands().empty());
}

TEST_F(Buttons, CaptionDoubleClickMaximizesOnlyResizableWindows) {
    struct Case {
        const char* name;
        int resizable;
        int y;
        bool withMaximizeButton;
        std::vector<WPARAM> commands;
    } cases[] = {
        {"in the caption", 1, 10, true, {SC_MAXIMIZE}},
        {"on the caption's last row", 1, 25, true, {SC_MAXIMIZE}},
        {"below the caption", 1, 26, true, {}},
        {"not resizable", 0, 10, true, {}},
        {"no maximise button", 1, 10, false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        seen_.clear();
        record().resizable = c.resizable;
        record().maximized = 0;
        record().captionButtons[1].kind = c.withMaximizeButton ? MaximizeButton : MenuButton;
        mouse(WM_LBUTTONDBLCLK, 100, c.y);
        EXPECT_EQ(sysCommands(), c.commands);
    }
}

// ---- GDI soak -----------------------------------------------------------------------------

TEST_F(Buttons, DrawingButtonsHoldsNoGdiObjects) {
    GdiWatermark watermark;
    // Hovered and pressed looks in turn.
    for (int i = 0; i < kGdiSoakCycles; ++i)
        engine().methods->drawCaptionButton(engineThis(), index, 2 + i % 2, nullptr, 0, i % 2, 120);
    EXPECT_LT(watermark.growth(), kGdiLeakTolerance);
}

} // namespace
