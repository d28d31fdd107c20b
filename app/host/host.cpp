#include "host.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

namespace host {

Host::Host() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
}

void Host::addExitRoutine(void (*routine)()) {
    if (routine) exitRoutines_.push_back(routine);
}

void Host::runExitRoutines() {
    std::vector<void (*)()> routines;
    routines.swap(exitRoutines_);
    for (auto routine : routines) routine();
}

void Host::runMessageLoop() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

ByteSpan Host::resourceBytes(const char* name) {
    const HMODULE module = GetModuleHandleA(nullptr);
    const HRSRC resource = FindResourceA(module, name, reinterpret_cast<LPCSTR>(RT_RCDATA));
    if (!resource) return ByteSpan();
    const HGLOBAL loaded = LoadResource(module, resource);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return ByteSpan();
    return ByteSpan{static_cast<const unsigned char*>(data), SizeofResource(module, resource)};
}

void Host::openWebAddress(const std::string& address) {
    if (address.empty()) return;
    ShellExecuteA(nullptr, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace host
