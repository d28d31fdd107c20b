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

// The screen shows the window's colour in its middle.
bool showsColour(HWND window, COLORREF colour) {
    const POINT c = centre(window);
    const std::vector<DWORD> pixel = readScreen(RECT{c.x, c.y, c.x + 1, c.y + 1});
    const DWORD rgb = (DWORD{GetRValue(colour)} << 16) | (DWORD{GetGValue(colour)} << 8) | GetBValue(colour);
    return pixel.size() == 1 && pixel[0] == rgb;
}

TEST_F(BossKeyProgram, DraggingTheFinderOntoAWindowPicksItAndLeavesNoFrame) {
    const COLORREF colour = RGB(60, 160, 90);
    TargetWindow target(800, 500, 300, 200, colour);
    const HWND finder = control("图片框1");
    ASSERT_TRUE(IsWindowEnabled(finder));
    setControlText(control("编辑框1"), "");
    ASSERT_TRUE(waitUntil([&] { return showsColour(target.get(), colour); })) << "the target is not on the screen";
    const RECT edges = outline(target.get());
    const std::vector<DWORD> before = readScreen(edges);
    // The middle of the finder icon, inside any frame drawn around the box.
    RECT icon{};
    GetWindowRect(finder, &icon);
    InflateRect(&icon, -4, -4);
    const std::vector<DWORD> iconPicture = readScreen(icon);

    const POINT from = centre(finder), to = centre(target.get());
    moveMouse(from.x, from.y);
    Sleep(50);
    mouseLeftButton(true);
    EXPECT_TRUE(waitUntil([&] { return readScreen(icon) != iconPicture; })) << "the icon did not leave the box";
    for (int step = 1; step <= 10; ++step) {
        moveMouse(from.x + (to.x - from.x) * step / 10, from.y + (to.y - from.y) * step / 10);
        Sleep(30);
    }
    // Resting on the target: the frame blinks around it.
    EXPECT_TRUE(waitUntil([&] { return readScreen(edges) != before; }, 3000)) << "no frame around the target";
    EXPECT_TRUE(waitUntil([&] { return controlText(control("编辑框1")) == target.handleText(); }));
    mouseLeftButton(false);
    // The icon is back once the release is handled; the frame went and the
    // timer stopped before that.
    EXPECT_TRUE(waitUntil([&] { return readScreen(icon) == iconPicture; })) << "the icon did not come back";

    EXPECT_EQ(controlText(control("编辑框1")), target.handleText());
    EXPECT_TRUE(readScreen(edges) == before) << "the frame stayed on the screen";
    moveMouse(10, 10);
}

// Holds a hotkey for the driver, as another program would, for a scope.
class HeldHotkey {
public:
    explicit HeldHotkey(UINT key) : held_(RegisterHotKey(nullptr, 1, 0, key) != FALSE) {}
    ~HeldHotkey() {
        if (held_) UnregisterHotKey(nullptr, 1);
    }
    bool held() const { return held_; }

private:
    bool held_;
};

// Chooses a key on the open hotkey panel, clicks "注册" and returns the text
// of the message box that answers.
std::string registerKey(RunningProgram& program, const char* key) {
    postClick(program.control(key));
    if (!waitUntil([&] { return isChecked(program.control(key)); })) return std::string("<not checked> ") + key;
    postClick(program.control("按钮5"));
    const HWND box = program.waitForMessageBox();
    if (!box) return "<no message>";
    const std::string text = messageBoxText(box);
    closeMessageBox(box);
    return text;
}

TEST_F(BossKeyProgram, ChosenFunctionKeyReplacesF4AndAKeyHeldElsewhereLeavesNone) {
    TargetWindow target(800, 500, 200, 120, RGB(150, 60, 160));
    setControlText(control("编辑框1"), target.handleText());
    postClick(control("选择框1"));
    ASSERT_TRUE(waitUntil([&] { return !isChecked(control("选择框1")); }));

    postClick(control("按钮4"));
    ASSERT_TRUE(waitUntil([&] { return IsWindowVisible(control("分组框4")) != FALSE; }));
    EXPECT_FALSE(IsWindowVisible(control("分组框1")));
    EXPECT_EQ(registerKey(*program, "F7"), "注册热键成功。");
    EXPECT_FALSE(isChecked(control("F4")));

    // F7 toggles the target, with the panel open; F4 no longer does.
    pressKey(VK_F7);
    EXPECT_TRUE(waitUntil([&] { return !target.visible(); }));
    pressKey(VK_F4);
    Sleep(300);
    EXPECT_FALSE(target.visible());
    pressKey(VK_F7);
    EXPECT_TRUE(waitUntil([&] { return target.visible(); }));

    {
        const HeldHotkey f9(VK_F9);  // another process (the driver) holds F9
        ASSERT_TRUE(f9.held());
        EXPECT_EQ(registerKey(*program, "F9"), "注册热键失败。");
        pressKey(VK_F7);  // released before the attempt, not taken again
        Sleep(300);
        EXPECT_TRUE(target.visible());
    }

    // Back to F4 and the main panel.
    EXPECT_EQ(registerKey(*program, "F4"), "注册热键成功。");
    postClick(control("按钮6"));
    EXPECT_TRUE(waitUntil([&] { return IsWindowVisible(control("分组框1")) && !IsWindowVisible(control("分组框4")); }));
    postClick(control("选择框1"));
    EXPECT_TRUE(waitUntil([&] { return isChecked(control("选择框1")); }));
}

}  // namespace
