// The real program from outside: the pick modes, dragging the finder with
// the mouse, and the hotkey panel with real key presses.
#include "program_fixture.h"

namespace {

using namespace e2e;
using e2e::BossKeyProgram;

struct PickModeCase {
    const char* radio;
    bool finderEnabled;
    bool fieldEnabled;
};

TEST_F(BossKeyProgram, PickModesEnableTheFinderAndTheField) {
    const PickModeCase cases[] = {
        {"单选框2", false, true},   // input
        {"单选框3", false, false},  // forbid
        {"单选框1", true, false},   // drag, as at start
    };
    for (const PickModeCase& c : cases) {
        SCOPED_TRACE(c.radio);
        postClick(control(c.radio));
        EXPECT_TRUE(waitUntil([&] {
            return (IsWindowEnabled(control("图片框1")) != FALSE) == c.finderEnabled &&
                   (IsWindowEnabled(control("编辑框1")) != FALSE) == c.fieldEnabled;
        }));
        EXPECT_TRUE(isChecked(control(c.radio)));
    }
}

RECT outline(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    InflateRect(&r, 1, 1);  // and a pixel around it
    return r;
}

POINT centre(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

TEST_F(BossKeyProgram, DraggingTheFinderOntoAWindowPicksItAndLeavesNoFrame) {
    TargetWindow target(800, 500, 300, 200, RGB(60, 160, 90));
    const HWND finder = control("图片框1");
    ASSERT_TRUE(IsWindowEnabled(finder));
    setControlText(control("编辑框1"), "");
    const RECT edges = outline(target.get());
    const std::vector<COLORREF> before = readScreen(edges);

    const POINT from = centre(finder), to = centre(target.get());
    moveMouse(from.x, from.y);
    Sleep(50);
    mouseLeftButton(true);
    for (int step = 1; step <= 10; ++step) {
        moveMouse(from.x + (to.x - from.x) * step / 10, from.y + (to.y - from.y) * step / 10);
        Sleep(30);
    }
    // Resting on the target: the frame blinks around it.
    bool framed = false;
    for (int sample = 0; sample < 30 && !framed; ++sample) {
        framed = readScreen(edges) != before;
        Sleep(20);
    }
    EXPECT_TRUE(framed) << "no frame was drawn around the target";
    EXPECT_TRUE(waitUntil([&] { return controlText(control("编辑框1")) == target.handleText(); }));
    mouseLeftButton(false);
    Sleep(300);  // a tick would come by now if the timer still ran

    EXPECT_EQ(controlText(control("编辑框1")), target.handleText());
    EXPECT_TRUE(readScreen(edges) == before) << "the frame stayed on the screen";
    moveMouse(10, 10);
}

TEST_F(BossKeyProgram, ChosenFunctionKeyReplacesF4AndAKeyHeldElsewhereLeavesNone) {
    TargetWindow target(800, 500, 200, 120, RGB(150, 60, 160));
    setControlText(control("编辑框1"), target.handleText());
    postClick(control("选择框1"));
    ASSERT_TRUE(waitUntil([&] { return !isChecked(control("选择框1")); }));

    postClick(control("按钮4"));
    ASSERT_TRUE(waitUntil([&] { return IsWindowVisible(control("分组框4")) != FALSE; }));
    EXPECT_FALSE(IsWindowVisible(control("分组框1")));
    postClick(control("F7"));
    ASSERT_TRUE(waitUntil([&] { return isChecked(control("F7")) && !isChecked(control("F4")); }));
    postClick(control("按钮5"));
    HWND box = program->waitForMessageBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(messageBoxText(box), "注册热键成功。");
    closeMessageBox(box);

    // F7 toggles the target, with the panel open; F4 no longer does.
    pressKey(VK_F7);
    EXPECT_TRUE(waitUntil([&] { return !target.visible(); }));
    pressKey(VK_F4);
    Sleep(300);
    EXPECT_FALSE(target.visible());
    pressKey(VK_F7);
    EXPECT_TRUE(waitUntil([&] { return target.visible(); }));

    // Another process (the driver) holds F9.
    ASSERT_TRUE(RegisterHotKey(nullptr, 1, 0, VK_F9));
    postClick(control("F9"));
    ASSERT_TRUE(waitUntil([&] { return isChecked(control("F9")); }));
    postClick(control("按钮5"));
    box = program->waitForMessageBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(messageBoxText(box), "注册热键失败。");
    closeMessageBox(box);
    pressKey(VK_F7);  // released before the attempt, not taken again
    Sleep(300);
    EXPECT_TRUE(target.visible());
    UnregisterHotKey(nullptr, 1);

    // Back to F4 and the main panel.
    postClick(control("F4"));
    ASSERT_TRUE(waitUntil([&] { return isChecked(control("F4")); }));
    postClick(control("按钮5"));
    box = program->waitForMessageBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(messageBoxText(box), "注册热键成功。");
    closeMessageBox(box);
    postClick(control("按钮6"));
    EXPECT_TRUE(waitUntil([&] { return IsWindowVisible(control("分组框1")) && !IsWindowVisible(control("分组框4")); }));
    postClick(control("选择框1"));
    EXPECT_TRUE(waitUntil([&] { return isChecked(control("选择框1")); }));
}

}  // namespace
