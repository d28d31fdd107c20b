#include "hotkeys.h"

namespace host {

int GlobalHotkeys::registerHotkey(HWND window, HWND sink, UINT modifiers, UINT virtualKey) {
    const int id = nextId_++;
    if (!RegisterHotKey(window, id, modifiers, virtualKey)) return 0;
    sinks_[id] = sink;
    return id;
}

bool GlobalHotkeys::unregisterHotkey(HWND window, int id) {
    if (!UnregisterHotKey(window, id)) return false;
    sinks_.erase(id);
    return true;
}

HWND GlobalHotkeys::sinkFor(int id) const {
    const auto found = sinks_.find(id);
    return found == sinks_.end() ? nullptr : found->second;
}

}  // namespace host
