// The hotkey panel: opening and closing, and registering F1 to F12.
#include "app_fixture.h"
#include "main_window.h"

namespace {

using apptest::MainWindowTest;

TEST_F(MainWindowTest, HotkeyPanelTakesThePlaceOfTheMainPanel) {
    click("按钮4");
    EXPECT_TRUE(form->visible("分组框4"));
    EXPECT_FALSE(form->visible("分组框1"));
    EXPECT_FALSE(form->visible("按钮1"));
    EXPECT_FALSE(form->visible("按钮4"));
    EXPECT_TRUE(form->visible("分组框2")) << "the list panel is not touched";
    EXPECT_TRUE(form->checked("F4"));
    click("按钮6");
    EXPECT_FALSE(form->visible("分组框4"));
    EXPECT_TRUE(form->visible("分组框1"));
    EXPECT_TRUE(form->visible("按钮1"));
    EXPECT_TRUE(form->visible("按钮4"));
}

TEST_F(MainWindowTest, EachChoiceRegistersItsFunctionKeyAndReleasesTheOldOne) {
    click("按钮4");
    int previousId = app->state().hotkeyId;
    for (const bosskey::HotkeyChoice& choice : bosskey::hotkeyChoices) {
        SCOPED_TRACE(choice.name);
        click(choice.name);
        ASSERT_TRUE(form->checked(choice.name));
        click("按钮5");
        EXPECT_EQ(takeMessages(), std::vector<std::string>{"注册热键成功。"});
        EXPECT_GT(app->state().hotkeyId, previousId);
        previousId = app->state().hotkeyId;
        // The chosen key is held, the others are free.
        for (const bosskey::HotkeyChoice& other : bosskey::hotkeyChoices) {
            const bool free = RegisterHotKey(nullptr, 5, 0, other.virtualKey) != FALSE;
            if (free) UnregisterHotKey(nullptr, 5);
            EXPECT_EQ(free, &other != &choice) << other.name;
        }
    }
    EXPECT_TRUE(form->visible("分组框4")) << "the panel stays open";
}

TEST_F(MainWindowTest, RegisteringF4AgainSucceedsWithANewId) {
    const int before = app->state().hotkeyId;
    click("按钮4");
    click("按钮5");
    EXPECT_EQ(takeMessages(), std::vector<std::string>{"注册热键成功。"});
    EXPECT_EQ(app->state().hotkeyId, before + 1);
}

TEST_F(MainWindowTest, FailedRegistrationLeavesNoHotkeyAndTheHideButtonWorks) {
    ASSERT_TRUE(RegisterHotKey(nullptr, 6, 0, VK_F7));  // someone else holds F7
    click("按钮4");
    click("F7");
    click("按钮5");
    EXPECT_EQ(takeMessages(), std::vector<std::string>{"注册热键失败。"});
    EXPECT_EQ(app->state().hotkeyId, 0);
    EXPECT_TRUE(RegisterHotKey(nullptr, 7, 0, VK_F4)) << "F4 was released and not taken again";
    UnregisterHotKey(nullptr, 7);
    UnregisterHotKey(nullptr, 6);

    click("按钮6");
    apptest::TargetWindow target;
    setText("编辑框1", target.handleText());
    click("选择框1");
    click("按钮1");
    EXPECT_FALSE(target.visible());
}

}  // namespace
