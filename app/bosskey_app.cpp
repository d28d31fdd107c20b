#include "bosskey_app.h"

#include <cstring>

#include "skin_hooks.h"

namespace bosskey {
namespace {

using host::EventKind;

struct EventRoute {
    EventKind kind;
    const char* control;  // nullptr: the window's own events
    void (BossKeyApp::*handler)(const host::HostEvent&);
};

// Which handler runs for which control's event.
const EventRoute eventRoutes[] = {
    {EventKind::WindowCreated, nullptr, &BossKeyApp::onWindowCreated},
    {EventKind::WindowCanClose, nullptr, &BossKeyApp::onWindowCanClose},
    {EventKind::Clicked, "按钮1", &BossKeyApp::onHideClicked},
    {EventKind::Feedback, "标签1", &BossKeyApp::onHotkeyFeedback},
    {EventKind::Clicked, "单选框1", &BossKeyApp::onPickModeClicked},
    {EventKind::Clicked, "单选框2", &BossKeyApp::onPickModeClicked},
    {EventKind::Clicked, "单选框3", &BossKeyApp::onPickModeClicked},
    {EventKind::LeftButtonPressed, "图片框1", &BossKeyApp::onFinderPressed},
    {EventKind::TimerTick, "时钟1", &BossKeyApp::onFinderTick},
    {EventKind::LeftButtonReleased, "图片框1", &BossKeyApp::onFinderReleased},
    {EventKind::Clicked, "单选", &BossKeyApp::onSelectModeClicked},
    {EventKind::Clicked, "多选", &BossKeyApp::onSelectModeClicked},
    {EventKind::Clicked, "按钮2", &BossKeyApp::addTarget},
    {EventKind::Clicked, "按钮3", &BossKeyApp::deleteTarget},
    {EventKind::Clicked, "按钮4", &BossKeyApp::openHotkeyPanel},
    {EventKind::Clicked, "按钮6", &BossKeyApp::closeHotkeyPanel},
    {EventKind::Clicked, "按钮5", &BossKeyApp::registerChosenHotkey},
};

bool sameControl(const char* a, const char* b) {
    if (!a || !b) return a == b;
    return std::strcmp(a, b) == 0;
}

}  // namespace

BossKeyApp::BossKeyApp(host::Form& form, const Pictures& pictures) : form_(form), pictures_(pictures) {}

void BossKeyApp::handleEvent(const host::HostEvent& event) {
    for (const EventRoute& route : eventRoutes) {
        if (route.kind == event.kind && sameControl(route.control, event.control)) {
            (this->*route.handler)(event);
            return;
        }
    }
}

void BossKeyApp::onWindowCreated(const host::HostEvent&) {
    skinMainWindow(form_, form_.handle(), pictures_.mainWindowPicture, skinOpacity);
    form_.setVisible("分组框4", false);
    form_.setPicture("图片框1", pictures_.finderCursor);
    form_.setMousePointer("图片框1", pictures_.finderCursor);
    form_.setChecked("单选框1", true);
    applyPickMode();
    applySelectMode();
    form_.setText("标签2", "假");
    host::GlobalHotkeys& hotkeys = form_.hotkeys();
    state_.hotkeyId = hotkeys.registerHotkey(form_.handle(), form_.handle("标签1"), 0, defaultHotkey);
    if (state_.hotkeyId == 0) {
        hotkeys.unregisterHotkey(form_.handle(), state_.hotkeyId);
        state_.hotkeyId = hotkeys.registerHotkey(form_.handle(), form_.handle("标签1"), 0, defaultHotkey);
        if (state_.hotkeyId == 0) form_.messageBox("注册热键失败");
    }
}

void BossKeyApp::onWindowCanClose(const host::HostEvent&) {
    form_.hotkeys().unregisterHotkey(form_.handle(), state_.hotkeyId);
}

}  // namespace bosskey
