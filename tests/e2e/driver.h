// The driver's side of the end-to-end tests: starts the real program, finds
// its windows and controls, clicks, types keys, reads and closes message
// boxes, and keeps target windows of its own. Every wait is a bounded poll.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "screen_pixels.h"

namespace e2e {

// Polls until the condition holds or the time is up.
bool waitUntil(const std::function<bool()>& condition, int timeoutMilliseconds = 5000);

// The program, started from the build tree. Whatever happens in a test, the
// destructor ends it: message boxes closed, the window closed, and killed
// when it does not exit in time.
class RunningProgram {
public:
    RunningProgram();
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    bool started() const { return process_ != nullptr; }
    DWORD processId() const { return processId_; }
    // The visible main window (exact title), waited for; 0 when it does not come.
    HWND waitForMainWindow(int timeoutMilliseconds = 10000);
    HWND mainWindow() const { return mainWindow_; }
    bool running() const;
    // Closes the main window as the user does (WM_CLOSE) and waits for the exit.
    bool closeAndWait(int timeoutMilliseconds = 5000);
    // The exit code once the program has ended (STILL_ACTIVE before).
    DWORD exitCode() const;

    // The control of the main window with this name in the window description.
    HWND control(const char* name) const;

    // The visible message boxes ("#32770") of the program.
    std::vector<HWND> messageBoxes() const;
    HWND waitForMessageBox(int timeoutMilliseconds = 5000) const;

private:
    void end();
    HANDLE process_ = nullptr;
    HANDLE job_ = nullptr;
    DWORD processId_ = 0;
    HWND mainWindow_ = nullptr;
};

// Text of a message box (its static control 0xFFFF).
std::string messageBoxText(HWND box);
// Presses the message box's OK button; true once the box is gone.
bool closeMessageBox(HWND box);

// Texts and states of another process's controls.
std::string controlText(HWND control);
void setControlText(HWND control, const std::string& text);
bool isChecked(HWND button);
// A posted BM_CLICK: the driver never waits for the handler (it may show a
// message box).
void postClick(HWND button);

// Real input through SendInput.
void pressKey(WORD virtualKey);
void moveMouse(int x, int y);
void mouseLeftButton(bool down);

// The decimal text of a window handle, as the program writes it.
std::string handleText(HWND window);

using testscreen::readScreen;

// A visible top-level window of the driver's own, in a solid colour, run by
// its own thread so that the program's ShowWindow calls on it never wait for
// the driver.
class TargetWindow {
public:
    TargetWindow(int x, int y, int width, int height, COLORREF colour);
    ~TargetWindow();
    TargetWindow(const TargetWindow&) = delete;
    TargetWindow& operator=(const TargetWindow&) = delete;
    HWND get() const { return hwnd_; }
    bool visible() const { return IsWindowVisible(hwnd_) != FALSE; }
    std::string handleText() const { return e2e::handleText(hwnd_); }

private:
    void run(int x, int y, int width, int height, COLORREF colour);
    HWND hwnd_ = nullptr;
    HANDLE ready_;
    std::thread thread_;
};

}  // namespace e2e
