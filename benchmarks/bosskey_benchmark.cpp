// Figures of the boss key under the current system (Wine or Windows):
//   start-up: process start to the main window's first paint, against a bare
//             Win32 window started the same way;
//   toggle:   one toggleTargets on a real target window, in-process.
// Each figure is the median of repeated runs. Not a test: it prints figures.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bosskey_app.h"
#include "host/conversions.h"
#include "host/form.h"
#include "host/host.h"
#include "main_window.h"

namespace {

constexpr int startRuns = 7;
constexpr int toggleRuns = 401;

double nowMilliseconds() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::string windowsPath(const char* unixPath) {
    std::string path = std::string("Z:") + unixPath;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

struct StartedWindow {
    PROCESS_INFORMATION process{};
    HWND window = nullptr;
};

struct WindowSearch {
    DWORD processId;
    const char* title;
    HWND found;
};

BOOL CALLBACK findVisibleWindow(HWND hwnd, LPARAM data) {
    auto* search = reinterpret_cast<WindowSearch*>(data);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    char title[128] = {};
    GetWindowTextA(hwnd, title, sizeof title);
    if (pid != search->processId || !IsWindowVisible(hwnd) || std::strcmp(title, search->title) != 0) return TRUE;
    search->found = hwnd;
    return FALSE;
}

// Starts a program and waits until its window is shown and painted: the
// window is visible and the program has gone idle (every pending paint of
// the window and its controls is done). Returns milliseconds, or -1.
double timeToFirstPaint(const std::string& program, const char* title, StartedWindow& started) {
    std::string commandLine = "\"" + program + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    const double start = nowMilliseconds();
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started.process))
        return -1;
    WindowSearch search{started.process.dwProcessId, title, nullptr};
    while (!search.found && nowMilliseconds() - start < 20000) {
        EnumWindows(findVisibleWindow, reinterpret_cast<LPARAM>(&search));
        if (!search.found) Sleep(1);
    }
    if (!search.found) return -1;
    WaitForInputIdle(started.process.hProcess, 10000);
    started.window = search.found;
    return nowMilliseconds() - start;
}

void stop(StartedWindow& started) {
    if (started.window) PostMessageA(started.window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(started.process.hProcess, 5000) != WAIT_OBJECT_0)
        TerminateProcess(started.process.hProcess, 1);
    CloseHandle(started.process.hThread);
    CloseHandle(started.process.hProcess);
}

double medianStart(const std::string& program, const char* title) {
    std::vector<double> times;
    for (int run = 0; run < startRuns; ++run) {
        StartedWindow started;
        const double t = timeToFirstPaint(program, title, started);
        stop(started);
        if (t >= 0) times.push_back(t);
    }
    return times.empty() ? -1 : median(times);
}

// Median microseconds of one toggleTargets on the window, the main window
// itself left alone ("本窗口隐藏" unchecked).
double medianToggle(bosskey::BossKeyApp& app, host::Form& form, HWND target) {
    form.setText("编辑框1", host::integerToText(static_cast<int>(reinterpret_cast<INT_PTR>(target))));
    std::vector<double> times;
    MSG message;
    for (int run = 0; run < toggleRuns; ++run) {
        const double start = nowMilliseconds();
        app.toggleTargets();
        times.push_back(1000.0 * (nowMilliseconds() - start));
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    }
    if (!IsWindowVisible(target)) app.toggleTargets();
    return median(times);
}

}  // namespace

int main() {
    std::printf("boss key benchmark (%s)\n", GetACP() == 936 ? "code page 936" : "WARNING: code page is not 936");

    const double bosskeyStart = medianStart(windowsPath(BOSSKEY_EXE), bosskey::mainWindowTitle);
    const double bareStart = medianStart(windowsPath(BARE_WINDOW_EXE), "bare window");
    std::printf("start to first paint, median of %d runs:\n", startRuns);
    std::printf("  boss key      %8.1f ms\n", bosskeyStart);
    std::printf("  bare window   %8.1f ms\n", bareStart);
    if (bosskeyStart > 0 && bareStart > 0) std::printf("  ratio         %8.2f\n", bosskeyStart / bareStart);

    const bosskey::Pictures pictures{host::Host::resourceBytes("MAINWINDOWPICTURE"),
                                     host::Host::resourceBytes("FINDERCURSOR")};
    host::Form form(bosskey::mainWindowDescription());
    bosskey::BossKeyApp app(form, pictures);
    form.setMessageBoxHook([](const std::string& text) { std::printf("  message: %s\n", text.c_str()); });
    if (!form.create(app, SW_SHOWNOACTIVATE)) {
        std::printf("the main window could not be made\n");
        return 1;
    }
    form.setChecked("选择框1", false);

    StartedWindow other;
    const double started = timeToFirstPaint(windowsPath(BARE_WINDOW_EXE), "bare window", other);
    std::printf("toggleTargets, median of %d toggles:\n", toggleRuns);
    if (started >= 0) std::printf("  target in another process  %8.1f us\n", medianToggle(app, form, other.window));
    stop(other);

    const HWND own = CreateWindowExA(0, "STATIC", "own target", WS_POPUP | WS_VISIBLE, 760, 420, 240, 160, nullptr,
                                     nullptr, GetModuleHandleA(nullptr), nullptr);
    std::printf("  target in the same thread  %8.1f us\n", medianToggle(app, form, own));
    DestroyWindow(own);
    form.close();
    return 0;
}
