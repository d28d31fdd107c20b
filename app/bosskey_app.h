// The boss key: the handlers of the main window, the toggle, the target
// picker, the target list and the hotkey chooser.
#pragma once
#include <windows.h>

#include "host/bytes.h"
#include "host/form.h"

namespace bosskey {

// Pictures the application shows.
struct Pictures {
    host::ByteSpan mainWindowPicture;  // background for the skin
    host::ByteSpan finderCursor;       // the finder's picture and mouse pointer
};

// The application's state beyond its controls; all zero at start.
struct AppState {
    int hotkeyId = 0;                  // the registered hotkey, 0 when none
    HWND lastToggledWindow = nullptr;  // the window toggleWindow acted on last
    HWND lastFramedWindow = nullptr;   // the window the finder's frame was last drawn around
    bool frameShown = false;           // whether that frame is on the screen now
};

constexpr UINT defaultHotkey = VK_F4;
constexpr int skinOpacity = 50;
// The contact number of the "should not happen" message: no account (real
// account numbers never start with 0), so the message points at nobody.
constexpr const char* bugReportNumber = "00000";

class BossKeyApp : public host::EventSink {
public:
    BossKeyApp(host::Form& form, const Pictures& pictures);

    void handleEvent(const host::HostEvent& event) override;
    const AppState& state() const { return state_; }

    // Start and close.
    void onWindowCreated(const host::HostEvent&);
    void onWindowCanClose(const host::HostEvent&);

    // The toggle.
    bool toggleWindow(HWND window, int unused);
    void toggleTargets();
    void onHideClicked(const host::HostEvent&);
    void onHotkeyFeedback(const host::HostEvent& event);

    // The target picker.
    void applyPickMode();
    void onPickModeClicked(const host::HostEvent&);
    void onFinderPressed(const host::HostEvent&);
    void onFinderTick(const host::HostEvent&);
    void onFinderReleased(const host::HostEvent&);
    void highlightWindow(HWND window = nullptr, bool erase = false);

    // The target list.
    void applySelectMode();
    void onSelectModeClicked(const host::HostEvent&);
    void addTarget(const host::HostEvent&);
    void deleteTarget(const host::HostEvent&);

    // The hotkey chooser.
    void openHotkeyPanel(const host::HostEvent&);
    void closeHotkeyPanel(const host::HostEvent&);
    void registerChosenHotkey(const host::HostEvent&);

private:
    host::Form& form_;
    Pictures pictures_;
    AppState state_;
};

// Inverts a 3-pixel frame just inside a rectangle (screen coordinates) on a
// DC; nothing for an empty rectangle. Inverting twice restores the screen.
void invertFrame(HDC dc, const RECT& rect);

}  // namespace bosskey
