// The real program from outside: its window, the hide button, F4 and the
// start with F4 already taken.
#include "program_fixture.h"

namespace {

using namespace e2e;
using e2e::BossKeyProgram;

TEST_F(BossKeyProgram, MainWindowHasItsTitleAndShows644Wide) {
    char title[128] = {};
    GetWindowTextA(program->mainWindow(), title, sizeof title);
    EXPECT_STREQ(title, "霜翎老板键功能软件（默认快捷键为F4）");
    RECT r{};
    GetWindowRect(program->mainWindow(), &r);
    EXPECT_EQ(r.right - r.left, 644);
    EXPECT_EQ(r.bottom - r.top, 308);
    EXPECT_EQ(controlText(control("按钮1")), "隐藏");
    EXPECT_FALSE(IsWindowVisible(control("分组框4")));
    EXPECT_TRUE(program->messageBoxes().empty());
}

TEST_F(BossKeyProgram, HideButtonHidesTargetAndItselfAndF4ShowsBoth) {
    TargetWindow target(760, 420, 240, 160, RGB(40, 120, 200));
    ASSERT_TRUE(isChecked(control("选择框1")));
    setControlText(control("编辑框1"), target.handleText());
    postClick(control("按钮1"));
    EXPECT_TRUE(waitUntil([&] { return !target.visible() && !mainWindowVisible(); }));
    pressKey(VK_F4);
    EXPECT_TRUE(waitUntil([&] { return target.visible() && mainWindowVisible(); }));
    postClick(control("按钮1"));  // and once more with a click
    EXPECT_TRUE(waitUntil([&] { return !target.visible() && !mainWindowVisible(); }));
    postClick(control("按钮1"));
    EXPECT_TRUE(waitUntil([&] { return target.visible() && mainWindowVisible(); }));
    EXPECT_TRUE(program->messageBoxes().empty());
}

TEST_F(BossKeyProgram, F4TogglesTheTargetAlone) {
    TargetWindow target(760, 420, 240, 160, RGB(200, 120, 40));
    postClick(control("选择框1"));
    ASSERT_TRUE(waitUntil([&] { return !isChecked(control("选择框1")); }));
    setControlText(control("编辑框1"), target.handleText());
    pressKey(VK_F4);
    EXPECT_TRUE(waitUntil([&] { return !target.visible(); }));
    EXPECT_TRUE(mainWindowVisible());
    pressKey(VK_F4);
    EXPECT_TRUE(waitUntil([&] { return target.visible(); }));
    postClick(control("选择框1"));
    EXPECT_TRUE(waitUntil([&] { return isChecked(control("选择框1")); }));
}

TEST_F(BossKeyProgram, EmptyTargetFieldIsRefusedAndF4TogglesAgainWhileTheBoxIsOpen) {
    setControlText(control("编辑框1"), "");
    postClick(control("按钮1"));
    const HWND box = program->waitForMessageBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(messageBoxText(box), "窗口信息不能为空！！");
    EXPECT_EQ(GetWindow(box, GW_OWNER), program->mainWindow());
    // The box's loop delivers the hotkey: the toggle runs again and refuses again.
    pressKey(VK_F4);
    EXPECT_TRUE(waitUntil([&] { return program->messageBoxes().size() == 2; }));
    for (HWND b : program->messageBoxes()) EXPECT_EQ(messageBoxText(b), "窗口信息不能为空！！");
    for (HWND b : program->messageBoxes()) EXPECT_TRUE(closeMessageBox(b));
    EXPECT_TRUE(waitUntil([&] { return program->messageBoxes().empty(); }));
    EXPECT_TRUE(mainWindowVisible());
}

TEST(SecondCopy, SaysOnceThatF4IsTakenRunsOnAndF4IsFreeOnceTheFirstCloses) {
    ASSERT_CODE_PAGE_936();
    RunningProgram first;
    ASSERT_TRUE(first.waitForMainWindow());
    RunningProgram second;
    const HWND box = second.waitForMessageBox(10000);
    ASSERT_TRUE(box) << "no message from the second copy";
    EXPECT_EQ(messageBoxText(box), "注册热键失败");
    EXPECT_TRUE(closeMessageBox(box));
    EXPECT_TRUE(second.waitForMainWindow());
    Sleep(1000);  // no second message comes
    EXPECT_TRUE(second.messageBoxes().empty());
    EXPECT_TRUE(second.running());

    ASSERT_TRUE(first.closeAndWait());
    EXPECT_EQ(first.exitCode(), 0u);
    // Neither copy holds F4 now: the driver can take it.
    EXPECT_TRUE(waitUntil([] {
        if (!RegisterHotKey(nullptr, 1, 0, VK_F4)) return false;
        UnregisterHotKey(nullptr, 1);
        return true;
    }));
    // Closing after the failed registration ends the program normally too.
    EXPECT_TRUE(second.closeAndWait());
    EXPECT_EQ(second.exitCode(), 0u);
}

// The skin engine starts with the program (GDI+, icon, thunks) and is torn
// down after the message loop; an exit that freed the thunks while a window
// could still call them, or shut GDI+ down twice, ends in a crash code.
TEST(ProgramLifetime, StartsWithTheEngineAndExitsWithCodeZero) {
    RunningProgram program;
    ASSERT_TRUE(program.waitForMainWindow());
    ASSERT_TRUE(program.closeAndWait());
    EXPECT_EQ(program.exitCode(), 0u);
}

}  // namespace

namespace {

using namespace e2e;

// Drags with the left button from one screen point to another in small
// steps, giving the program time to follow each step.
void dragMouse(POINT from, POINT to) {
    moveMouse(from.x, from.y);
    Sleep(50);
    mouseLeftButton(true);
    Sleep(50);
    for (int step = 1; step <= 10; ++step) {
        moveMouse(from.x + (to.x - from.x) * step / 10, from.y + (to.y - from.y) * step / 10);
        Sleep(20);
    }
    mouseLeftButton(false);
    Sleep(100);
}

// The window is skinned: its own picture where the button face would be, a
// caption that moves it, and a fixed size (no sizing by the edges).
TEST_F(BossKeyProgram, SkinnedWindowShowsItsPictureMovesByItsCaptionAndKeepsItsSize) {
    const HWND window = program->mainWindow();
    RECT before{};
    GetWindowRect(window, &before);
    const RECT spot{before.left + 600, before.top + 280, before.left + 610, before.top + 290};
    const std::vector<DWORD> pixels = readScreen(spot);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const DWORD faceRgb = (GetRValue(face) << 16) | (GetGValue(face) << 8) | GetBValue(face);
    int faceCount = 0;
    for (DWORD p : pixels)
        if (p == faceRgb) ++faceCount;
    EXPECT_LT(faceCount, int(pixels.size()) / 2) << "the picture shows, not the button face";

    dragMouse(POINT{before.left + 200, before.top + 10}, POINT{before.left + 240, before.top + 40});
    RECT moved{};
    EXPECT_TRUE(waitUntil([&] {
        GetWindowRect(window, &moved);
        return moved.left == before.left + 40 && moved.top == before.top + 30;
    }, 3000)) << moved.left << "," << moved.top;

    // The right edge does not size the window.
    dragMouse(POINT{moved.right - 1, moved.top + 150}, POINT{moved.right + 60, moved.top + 150});
    RECT after{};
    GetWindowRect(window, &after);
    EXPECT_EQ(after.right - after.left, 644);
    EXPECT_EQ(after.bottom - after.top, 308);
}

}  // namespace
