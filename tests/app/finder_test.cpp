// The finder: its press, ticks and release, and the blinking frame.
#include <vector>

#include "app_fixture.h"
#include "screen_pixels.h"

namespace {

using apptest::MainWindowTest;
using apptest::pumpMessages;
using apptest::TargetWindow;
using testscreen::readScreen;

// The area of a window and a pixel around it.
RECT around(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    InflateRect(&r, 1, 1);
    return r;
}

TEST_F(MainWindowTest, PressCapturesAndStartsTheTimerReleaseReturnsToIdle) {
    const HWND box = form->handle("图片框1");
    SendMessageA(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    EXPECT_EQ(GetCapture(), box);
    // The ticks write the window under the mouse into the target field.
    EXPECT_TRUE(apptest::pumpUntil([&] { return !text("编辑框1").empty(); }, 1000));
    SendMessageA(box, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_FALSE(app->state().frameShown);
    setText("编辑框1", "idle");
    pumpMessages(300);
    EXPECT_EQ(text("编辑框1"), "idle") << "the timer stopped";
}

TEST_F(MainWindowTest, LosingTheCaptureWhileDraggingEndsTheDrag) {
    const HWND box = form->handle("图片框1");
    SendMessageA(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    ASSERT_EQ(GetCapture(), box);
    SetCapture(form->handle());  // another window takes the mouse; no release will come
    EXPECT_EQ(GetCapture(), form->handle()) << "ending the drag left the new owner's capture alone";
    ReleaseCapture();
    EXPECT_FALSE(app->state().frameShown);
    setText("编辑框1", "idle");
    pumpMessages(300);
    EXPECT_EQ(text("编辑框1"), "idle") << "the timer stopped";
}

TEST_F(MainWindowTest, FrameBlinksOnOneWindowAndMovesToTheNext) {
    TargetWindow a(700, 380, 160, 120), b(900, 380, 160, 120);
    const RECT areaA = around(a.get()), areaB = around(b.get());
    const std::vector<DWORD> cleanA = readScreen(areaA), cleanB = readScreen(areaB);

    app->highlightWindow(a.get());
    EXPECT_TRUE(app->state().frameShown);
    EXPECT_NE(readScreen(areaA), cleanA);
    app->highlightWindow(a.get());  // the same window: off
    EXPECT_FALSE(app->state().frameShown);
    EXPECT_EQ(readScreen(areaA), cleanA);
    app->highlightWindow(a.get());  // on again
    app->highlightWindow(b.get());  // another window: A's frame goes first
    EXPECT_EQ(readScreen(areaA), cleanA);
    EXPECT_NE(readScreen(areaB), cleanB);
    EXPECT_EQ(app->state().lastFramedWindow, b.get());
    app->highlightWindow(nullptr, true);
    EXPECT_FALSE(app->state().frameShown);
    EXPECT_EQ(readScreen(areaB), cleanB);
    app->highlightWindow(nullptr, true);  // nothing shown: nothing drawn
    EXPECT_EQ(readScreen(areaB), cleanB);
    EXPECT_EQ(app->state().lastFramedWindow, b.get()) << "erasing keeps the window";

    // Off phase, then move on to A: nothing is removed from B.
    app->highlightWindow(b.get());
    app->highlightWindow(b.get());
    app->highlightWindow(a.get());
    EXPECT_EQ(readScreen(areaB), cleanB);
    app->highlightWindow(nullptr, true);
    EXPECT_EQ(readScreen(areaA), cleanA);
}

TEST_F(MainWindowTest, AWindowThatHasGoneIsNotFramed) {
    TargetWindow witness(700, 380, 160, 120);
    const RECT area = around(witness.get());
    const std::vector<DWORD> clean = readScreen(area);
    HWND gone = nullptr;
    {
        TargetWindow target(700, 380, 160, 120);
        gone = target.get();
    }
    pumpMessages(50);
    app->highlightWindow(gone);
    EXPECT_EQ(readScreen(area), clean);
}

}  // namespace
