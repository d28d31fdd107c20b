// Process-wide services of the window host: its initialisation, the exit
// routines, the message loop, embedded data and the shell.
#pragma once
#include <string>
#include <vector>

#include "bytes.h"

namespace host {

class Host {
public:
    // Host initialisation: the common controls and the host's window classes.
    Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // Routines run by runExitRoutines, in the order they were added.
    void addExitRoutine(void (*routine)());
    void runExitRoutines();

    // Dispatches messages until WM_QUIT.
    void runMessageLoop();

    // The bytes of an RCDATA resource of the program; empty when missing.
    static ByteSpan resourceBytes(const char* name);
    // Opens a web address with the shell's "open" verb; an empty one opens nothing.
    static void openWebAddress(const std::string& address);

private:
    std::vector<void (*)()> exitRoutines_;
};

}  // namespace host
