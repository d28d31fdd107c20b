// Multi-select mode: the layout of both modes, adding and deleting targets,
// and toggling the list.
#include <array>

#include "app_fixture.h"
#include "main_window.h"

namespace {

using apptest::MainWindowTest;
using apptest::TargetWindow;
using bosskey::slotNames;

class TargetListTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        click("多选");
    }
    std::array<std::string, 6> slots() const {
        std::array<std::string, 6> texts;
        for (int k = 0; k < 6; ++k) texts[k] = text(slotNames[k]);
        return texts;
    }
    void add(const std::string& target) {
        setText("编辑框1", target);
        click("按钮2");
    }
    void remove(const std::string& number) {
        setText("编辑框2", number);
        click("按钮3");
    }
    using Slots = std::array<std::string, 6>;
};

struct ModeLayout {
    const char* radio;
    int windowWidth, listWidth, fieldWidth;
    bool listShown;
};

TEST_F(MainWindowTest, EachSelectModeHasItsLayoutAndSwitchingKeepsTheTexts) {
    const ModeLayout layouts[] = {
        {"多选", 696, 232, 288, true},
        {"单选", 644, 184, 360, false},
        {"多选", 696, 232, 288, true},
    };
    setText("编辑框1", "12345");
    for (const ModeLayout& layout : layouts) {
        SCOPED_TRACE(layout.radio);
        if (layout.listShown) {
            for (int k = 0; k < 6; ++k)
                if (text(slotNames[k]).empty()) form->setText(slotNames[k], std::to_string(k + 100));
        }
        click(layout.radio);
        EXPECT_EQ(form->windowWidth(), layout.windowWidth);
        EXPECT_EQ(form->width("分组框2"), layout.listWidth);
        EXPECT_EQ(form->width("编辑框1"), layout.fieldWidth);
        EXPECT_EQ(form->visible("按钮2"), layout.listShown);
        EXPECT_EQ(form->disabled("按钮2"), !layout.listShown);
        EXPECT_EQ(form->visible("透明标签1"), !layout.listShown);
        for (const char* name : {"编辑框2", "按钮3", "透明标签2"}) EXPECT_EQ(form->visible(name), layout.listShown) << name;
        for (int k = 0; k < 6; ++k) {
            EXPECT_EQ(form->visible(slotNames[k]), layout.listShown);
            EXPECT_EQ(form->visible(bosskey::slotLabelNames[k]), layout.listShown);
            EXPECT_TRUE(form->disabled(slotNames[k])) << "slots are never typed into";
            EXPECT_EQ(text(slotNames[k]), std::to_string(k + 100));
        }
        EXPECT_EQ(text("编辑框1"), "12345");
    }
}

TEST_F(TargetListTest, AddFillsTheLowestFreeSlotRefusingDuplicatesAndASeventh) {
    add("");
    EXPECT_EQ(takeMessages(), std::vector<std::string>{"请输入窗口信息。"});
    add("101");
    add("101");
    EXPECT_EQ(takeMessages(), std::vector<std::string>{"窗口信息相同，请正常输入。"});
    for (const char* t : {"102", "103", "104", "105", "106"}) add(t);
    EXPECT_TRUE(takeMessages().empty());
    EXPECT_EQ(slots(), (Slots{"101", "102", "103", "104", "105", "106"}));
    add("107");
    EXPECT_EQ(takeMessages(), std::vector<std::string>{"目前最多支持6个窗口隐藏。"});
    EXPECT_EQ(slots(), (Slots{"101", "102", "103", "104", "105", "106"}));
    EXPECT_EQ(text("编辑框1"), "107") << "the target field keeps its text";
}

TEST_F(TargetListTest, DuplicatesAreComparedByteForByteOnlyBelowTheFreeSlot) {
    add("5");
    add(" 5");  // reads as the same number, but is another text
    add("５");
    EXPECT_TRUE(takeMessages().empty());
    EXPECT_EQ(slots(), (Slots{"5", " 5", "５", "", "", ""}));
    // Slots 1 to 3 filled, slot 2 deleted: slot 3's text goes into slot 2
    // without complaint, because only slot 1 is compared.
    remove("2");
    add("５");
    EXPECT_TRUE(takeMessages().empty());
    EXPECT_EQ(slots(), (Slots{"5", "５", "５", "", "", ""}));
}

TEST_F(TargetListTest, DeleteTakesOnlyTheDigitsOneToSix) {
    for (const char* t : {"11", "12", "13", "14", "15", "16"}) add(t);
    const char* refused[] = {" 1", "01", "１", "1 ", "0", "7", "", "一", "+1"};
    for (const char* number : refused) {
        SCOPED_TRACE(number);
        remove(number);
        EXPECT_EQ(takeMessages(), std::vector<std::string>{"输入错误！！"});
        EXPECT_EQ(text("编辑框2"), number) << "the slot-number field keeps its text";
    }
    EXPECT_EQ(slots(), (Slots{"11", "12", "13", "14", "15", "16"}));
    remove("6");
    remove("3");
    remove("3");  // already empty: no message
    EXPECT_TRUE(takeMessages().empty());
    EXPECT_EQ(slots(), (Slots{"11", "12", "", "14", "15", ""}));
    EXPECT_EQ(text("编辑框2"), "3");
    add("17");
    EXPECT_EQ(slots(), (Slots{"11", "12", "17", "14", "15", ""}));
}

TEST_F(TargetListTest, ToggleStopsAtTheFirstEmptySlot) {
    TargetWindow one(700, 400, 100, 80), two(810, 400, 100, 80), four(920, 400, 100, 80);
    form->setText(slotNames[0], one.handleText());
    form->setText(slotNames[1], two.handleText());
    form->setText(slotNames[3], four.handleText());
    click("按钮1");
    EXPECT_FALSE(one.visible());
    EXPECT_FALSE(two.visible());
    EXPECT_TRUE(four.visible());
    EXPECT_TRUE(mainWindowVisible()) << "the main window is never toggled in this mode";
    EXPECT_EQ(app->state().lastToggledWindow, two.get());
    click("按钮1");
    EXPECT_TRUE(one.visible());
    EXPECT_TRUE(two.visible());
}

TEST_F(TargetListTest, SixTargetsToggleInSlotOrder) {
    std::vector<std::unique_ptr<TargetWindow>> targets;
    for (int k = 0; k < 6; ++k) {
        targets.push_back(std::make_unique<TargetWindow>(660 + 100 * (k % 3), 380 + 100 * (k / 3), 90, 90));
        add(targets.back()->handleText());
    }
    ShowWindow(targets[2]->get(), SW_HIDE);  // out of step: swaps with the others
    click("按钮1");
    for (int k = 0; k < 6; ++k) EXPECT_EQ(targets[k]->visible(), k == 2) << "slot " << k + 1;
    EXPECT_EQ(app->state().lastToggledWindow, targets[5]->get());
    EXPECT_TRUE(takeMessages().empty());
}

TEST_F(TargetListTest, EmptyFirstSlotIsRefused) {
    TargetWindow target;
    form->setText(slotNames[1], target.handleText());
    click("按钮1");
    EXPECT_EQ(takeMessages(), std::vector<std::string>{"多选列表无信息。"});
    EXPECT_TRUE(target.visible());
}

TEST_F(TargetListTest, ModeSwitchIsRefusedWhileTheHiddenStateFlagIsSet) {
    // No operation sets the flag; this shows what the guard would do.
    form->setText("标签2", "真");
    click("单选");
    EXPECT_EQ(takeMessages(), std::vector<std::string>{"请将以隐藏的窗口显示出来后再用本功能。"});
    EXPECT_EQ(form->windowWidth(), 696);
    form->setText("标签2", "假");
    click("单选");
    EXPECT_EQ(form->windowWidth(), 644);
}

}  // namespace
