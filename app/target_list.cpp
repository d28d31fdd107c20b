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

}  // namespace bosskey
