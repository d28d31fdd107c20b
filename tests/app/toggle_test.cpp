// The boss-key toggle on real windows of the test process.
#include "app_fixture.h"
#include "host/conversions.h"

namespace {

using apptest::MainWindowTest;
using apptest::TargetWindow;

TEST_F(MainWindowTest, HideButtonTogglesTargetAndMainWindowTogether) {
    TargetWindow target;
    setText("编辑框1", target.handleText());
    ASSERT_TRUE(form->checked("选择框1"));
    click("按钮1");
    EXPECT_FALSE(target.visible());
    EXPECT_FALSE(mainWindowVisible());
    EXPECT_EQ(app->state().lastToggledWindow, form->handle());
    click("按钮1");  // a hidden button still takes a posted click
    EXPECT_TRUE(target.visible());
    EXPECT_TRUE(mainWindowVisible());
    EXPECT_TRUE(takeMessages().empty());
}

TEST_F(MainWindowTest, WithoutHideThisWindowOnlyTheTargetChanges) {
    TargetWindow target;
    setText("编辑框1", target.handleText());
    click("选择框1");
    ASSERT_FALSE(form->checked("选择框1"));
    click("按钮1");
    EXPECT_FALSE(target.visible());
    EXPECT_TRUE(mainWindowVisible());
    EXPECT_EQ(app->state().lastToggledWindow, target.get());
    click("按钮1");
    EXPECT_TRUE(target.visible());
}

TEST_F(MainWindowTest, EachWindowTogglesByItsOwnVisibility) {
    TargetWindow target;
    setText("编辑框1", target.handleText());
    ShowWindow(form->handle(), SW_HIDE);  // out of step with the target
    click("按钮1");
    EXPECT_FALSE(target.visible());
    EXPECT_TRUE(mainWindowVisible());
}

TEST_F(MainWindowTest, EmptyTargetFieldIsRefused) {
    TargetWindow target;
    click("按钮1");
    EXPECT_EQ(takeMessages(), std::vector<std::string>{"窗口信息不能为空！！"});
    EXPECT_TRUE(target.visible());
    EXPECT_TRUE(mainWindowVisible());
    EXPECT_EQ(app->state().lastToggledWindow, nullptr);
}

void pressHotkey(host::Form& form, int id) {
    SendMessageA(form.handle(), WM_HOTKEY, static_cast<WPARAM>(id), MAKELPARAM(0, VK_F4));
}

TEST_F(MainWindowTest, NoNumberByHotkeyTogglesTheForegroundWindowThenTheSameAgain) {
    TargetWindow target;
    TargetWindow other(760, 100);
    click("选择框1");  // only the target
    SetForegroundWindow(target.get());
    ASSERT_EQ(GetForegroundWindow(), target.get());
    setText("编辑框1", "窗口");
    pressHotkey(*form, app->state().hotkeyId);
    EXPECT_FALSE(target.visible());
    EXPECT_EQ(app->state().lastToggledWindow, target.get());
    SetForegroundWindow(other.get());
    pressHotkey(*form, app->state().hotkeyId);  // the remembered window, not the new foreground one
    EXPECT_TRUE(target.visible());
    EXPECT_TRUE(other.visible());
}

TEST_F(MainWindowTest, NoNumberOnFirstClickHidesAndShowsTheMainWindowItself) {
    SetForegroundWindow(form->handle());
    setText("编辑框1", "abc");
    click("按钮1");
    // The foreground window was the main window: hidden, then shown again
    // as "本窗口隐藏".
    EXPECT_TRUE(mainWindowVisible());
    EXPECT_EQ(app->state().lastToggledWindow, form->handle());
}

TEST_F(MainWindowTest, MaximizedTargetComesBackRestored) {
    const TargetWindow window(700, 400, 300, 200, WS_OVERLAPPEDWINDOW);
    const HWND target = window.get();
    ShowWindow(target, SW_MAXIMIZE);
    apptest::pumpMessages(20);
    ASSERT_TRUE(IsZoomed(target));
    click("选择框1");
    setText("编辑框1", window.handleText());
    click("按钮1");
    EXPECT_FALSE(IsWindowVisible(target));
    click("按钮1");
    EXPECT_TRUE(IsWindowVisible(target));
    EXPECT_FALSE(IsZoomed(target));
    RECT r{};
    GetWindowRect(target, &r);
    EXPECT_EQ(r.right - r.left, 300);
}

TEST_F(MainWindowTest, HandleOfAClosedWindowChangesNothingAndSaysNothing) {
    std::string gone;
    {
        TargetWindow target;
        gone = target.handleText();
    }
    click("选择框1");
    setText("编辑框1", gone);
    click("按钮1");
    EXPECT_TRUE(takeMessages().empty());
    EXPECT_TRUE(mainWindowVisible());
    EXPECT_EQ(host::integerToText(static_cast<int>(reinterpret_cast<INT_PTR>(app->state().lastToggledWindow))), gone);
}

TEST_F(MainWindowTest, HotkeyFeedbackTogglesOnlyForTheCurrentHotkeyId) {
    TargetWindow target;
    setText("编辑框1", target.handleText());
    click("选择框1");
    // A second registration sinking into the same label has another id.
    const int otherId = form->hotkeys().registerHotkey(form->handle(), form->handle("标签1"), 0, VK_F9);
    ASSERT_NE(otherId, 0);
    pressHotkey(*form, otherId);
    EXPECT_TRUE(target.visible());
    pressHotkey(*form, app->state().hotkeyId);
    EXPECT_FALSE(target.visible());
    form->hotkeys().unregisterHotkey(form->handle(), otherId);
}

}  // namespace
