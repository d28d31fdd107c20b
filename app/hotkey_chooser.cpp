// The hotkey chooser: the panel "分组框4" with F1 … F12 in place of the main
// panel, and the registration of the chosen key.
#include "bosskey_app.h"
#include "main_window.h"

namespace bosskey {

void BossKeyApp::openHotkeyPanel(const host::HostEvent&) {
    form_.setVisible("按钮1", false);
    form_.setVisible("按钮4", false);
    form_.setVisible("分组框1", false);
    form_.setVisible("分组框4", true);
}

void BossKeyApp::closeHotkeyPanel(const host::HostEvent&) {
    form_.setVisible("分组框1", true);
    form_.setVisible("分组框4", false);
    form_.setVisible("按钮1", true);
    form_.setVisible("按钮4", true);
}

void BossKeyApp::registerChosenHotkey(const host::HostEvent&) {
    host::GlobalHotkeys& hotkeys = form_.hotkeys();
    hotkeys.unregisterHotkey(form_.handle(), state_.hotkeyId);
    UINT virtualKey = 0;
    for (const HotkeyChoice& choice : hotkeyChoices) {
        if (form_.checked(choice.name)) {
            virtualKey = choice.virtualKey;
            break;
        }
    }
    // The old key is gone either way: a failure leaves no hotkey.
    state_.hotkeyId = virtualKey ? hotkeys.registerHotkey(form_.handle(), form_.handle("标签1"), 0, virtualKey) : 0;
    form_.messageBox(state_.hotkeyId ? "注册热键成功。" : "注册热键失败。");
}

}  // namespace bosskey
