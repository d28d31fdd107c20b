// The boss-key toggle: hides the visible targets and shows the hidden ones.
#include "bosskey_app.h"
#include "host/conversions.h"
#include "main_window.h"

namespace bosskey {
namespace {

// A target is a window handle written as decimal text.
HWND windowFromText(const std::string& text) {
    return reinterpret_cast<HWND>(static_cast<INT_PTR>(host::textToInteger(text)));
}

}  // namespace

bool BossKeyApp::toggleWindow(HWND window, int) {
    if (window)
        state_.lastToggledWindow = window;
    else if (!state_.lastToggledWindow)
        state_.lastToggledWindow = GetForegroundWindow();
    if (IsWindowVisible(state_.lastToggledWindow)) {
        ShowWindow(state_.lastToggledWindow, SW_HIDE);
        return false;
    }
    ShowWindow(state_.lastToggledWindow, SW_RESTORE);
    return true;
}

void BossKeyApp::toggleTargets() {
    if (form_.checked("单选")) {
        const std::string target = form_.text("编辑框1");
        if (target.empty()) {
            form_.messageBox("窗口信息不能为空！！");
            return;
        }
        toggleWindow(windowFromText(target), 1);
        if (form_.checked("选择框1")) toggleWindow(form_.handle(), 1);
    } else if (form_.checked("多选")) {
        if (form_.text(slotNames[0]).empty()) {
            form_.messageBox("多选列表无信息。");
            return;
        }
        // The list ends at the first empty slot.
        for (int k = 0; k < 6; ++k) {
            toggleWindow(windowFromText(form_.text(slotNames[k])), 1);
            if (k < 5 && form_.text(slotNames[k + 1]).empty()) break;
        }
    } else {
        form_.messageBox(std::string("发现BUG，请联系QQ：") + bugReportNumber);
    }
}

void BossKeyApp::onHideClicked(const host::HostEvent&) { toggleTargets(); }

void BossKeyApp::onHotkeyFeedback(const host::HostEvent& event) {
    if (event.arg1 == state_.hotkeyId) toggleTargets();
}

}  // namespace bosskey
