// The target list of multi-select mode: up to six targets in the slots
// "编1" … "编6", added from the target field and cleared by number.
#include "bosskey_app.h"
#include "main_window.h"

namespace bosskey {
namespace {

constexpr int slotCount = 6;

// The layout of each select mode.
struct SelectLayout {
    bool listShown;  // add button, slots, their captions and the delete controls
    int targetFieldWidth;
    int listPanelWidth;
    int windowWidth;
};

constexpr SelectLayout singleLayout{false, 360, 184, 644};
constexpr SelectLayout multiLayout{true, 288, 232, 696};

}  // namespace

void BossKeyApp::applySelectMode() {
    const SelectLayout& layout = form_.checked("单选") ? singleLayout : multiLayout;
    form_.setVisible("按钮2", layout.listShown);
    form_.setDisabled("按钮2", !layout.listShown);
    form_.setVisible("透明标签1", !layout.listShown);
    form_.setWidth("编辑框1", layout.targetFieldWidth);
    for (const char* label : slotLabelNames) form_.setVisible(label, layout.listShown);
    for (const char* slot : slotNames) form_.setVisible(slot, layout.listShown);
    for (const char* control : {"编辑框2", "按钮3", "透明标签2"}) form_.setVisible(control, layout.listShown);
    form_.setWidth("分组框2", layout.listPanelWidth);
    form_.setWindowWidth(layout.windowWidth);
}

void BossKeyApp::onSelectModeClicked(const host::HostEvent&) {
    // "假" is the only value the hidden-state flag ever takes.
    if (form_.text("标签2") != "假") {
        form_.messageBox("请将以隐藏的窗口显示出来后再用本功能。");
        return;
    }
    applySelectMode();
}

void BossKeyApp::addTarget(const host::HostEvent&) {
    const std::string target = form_.text("编辑框1");
    if (target.empty()) {
        form_.messageBox("请输入窗口信息。");
        return;
    }
    int freeSlot = -1;
    for (int k = 0; k < slotCount && freeSlot < 0; ++k)
        if (form_.text(slotNames[k]).empty()) freeSlot = k;
    if (freeSlot < 0) {
        form_.messageBox("目前最多支持6个窗口隐藏。");
        return;
    }
    // Only the slots below the free one are compared.
    for (int k = 0; k < freeSlot; ++k) {
        if (form_.text(slotNames[k]) == target) {
            form_.messageBox("窗口信息相同，请正常输入。");
            return;
        }
    }
    form_.setText(slotNames[freeSlot], target);
}

void BossKeyApp::deleteTarget(const host::HostEvent&) {
    static const char* const slotNumbers[slotCount] = {"1", "2", "3", "4", "5", "6"};
    const std::string number = form_.text("编辑框2");
    for (int k = 0; k < slotCount; ++k) {
        if (number == slotNumbers[k]) {
            form_.setText(slotNames[k], "");
            return;
        }
    }
    form_.messageBox("输入错误！！");
}

}  // namespace bosskey
