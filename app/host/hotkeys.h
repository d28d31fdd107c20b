// Global hotkeys of the window host.
#pragma once
#include <windows.h>
#include <map>

namespace host {

// Each registration takes the next id, the first being 33001, whether or not
// the system accepts it; a hotkey press is delivered to the sink recorded for
// its id.
class GlobalHotkeys {
public:
    static constexpr int firstId = 33001;

    // The id on success, 0 when the system refuses the key.
    int registerHotkey(HWND window, HWND sink, UINT modifiers, UINT virtualKey);
    // Whether the system released the hotkey.
    bool unregisterHotkey(HWND window, int id);
    // The sink of a registered id, 0 for an unknown id.
    HWND sinkFor(int id) const;

private:
    int nextId_ = firstId;
    std::map<int, HWND> sinks_;
};

}  // namespace host
