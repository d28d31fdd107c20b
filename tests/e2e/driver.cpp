#include "driver.h"

#include <cstring>

#include "host/handles.h"
#include "main_window.h"

namespace e2e {
namespace {

// The program's path in the build tree, as Wine sees it on drive Z:.
std::string programPath() {
    std::string path = std::string("Z:") + BOSSKEY_EXE;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

DWORD windowProcess(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid;
}

std::string className(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

BOOL CALLBACK collectWindow(HWND hwnd, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
    return TRUE;
}

std::vector<HWND> topLevelWindows() {
    std::vector<HWND> windows;
    EnumWindows(collectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

int descriptionId(const char* name) {
    const auto& controls = bosskey::mainWindowDescription().controls;
    for (size_t i = 0; i < controls.size(); ++i)
        if (std::strcmp(controls[i].name, name) == 0) return host::firstControlId + static_cast<int>(i);
    return 0;
}

struct ChildSearch {
    int id;
    HWND found;
};

BOOL CALLBACK findChildById(HWND child, LPARAM data) {
    auto* search = reinterpret_cast<ChildSearch*>(data);
    if (GetDlgCtrlID(child) != search->id) return TRUE;
    search->found = child;
    return FALSE;
}

LRESULT CALLBACK targetProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(hwnd, message, wparam, lparam);
}

INPUT keyInput(WORD virtualKey, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

}  // namespace

bool waitUntil(const std::function<bool()>& condition, int timeoutMilliseconds) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(timeoutMilliseconds);
    while (!condition()) {
        if (static_cast<int>(end - GetTickCount()) <= 0) return false;
        Sleep(20);
    }
    return true;
}

RunningProgram::RunningProgram() {
    // Every program the driver starts dies with the driver.
    job_ = CreateJobObjectA(nullptr, nullptr);
    if (job_) {
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        SetInformationJobObject(job_, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    }
    std::string commandLine = "\"" + programPath() + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return;
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    processId_ = info.dwProcessId;
    if (job_) AssignProcessToJobObject(job_, process_);
}

RunningProgram::~RunningProgram() {
    end();
    if (job_) CloseHandle(job_);
}

void RunningProgram::end() {
    if (!process_) return;
    if (running()) {
        for (int round = 0; round < 5; ++round)
            for (HWND box : messageBoxes()) closeMessageBox(box);
        if (IsWindow(mainWindow_)) PostMessageA(mainWindow_, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process_, 5000) != WAIT_OBJECT_0) {
            TerminateProcess(process_, 1);
            WaitForSingleObject(process_, 5000);
        }
    }
    CloseHandle(process_);
    process_ = nullptr;
}

bool RunningProgram::running() const { return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }

HWND RunningProgram::waitForMainWindow(int timeoutMilliseconds) {
    mainWindow_ = nullptr;
    waitUntil(
        [this] {
            for (HWND hwnd : topLevelWindows()) {
                char title[128] = {};
                GetWindowTextA(hwnd, title, sizeof title);
                if (windowProcess(hwnd) == processId_ && IsWindowVisible(hwnd) &&
                    std::strcmp(title, bosskey::mainWindowTitle) == 0) {
                    mainWindow_ = hwnd;
                    return true;
                }
            }
            return !running();
        },
        timeoutMilliseconds);
    return mainWindow_;
}

bool RunningProgram::closeAndWait(int timeoutMilliseconds) {
    if (!process_) return true;
    PostMessageA(mainWindow_, WM_CLOSE, 0, 0);
    return WaitForSingleObject(process_, static_cast<DWORD>(timeoutMilliseconds)) == WAIT_OBJECT_0;
}

DWORD RunningProgram::exitCode() const {
    DWORD code = STILL_ACTIVE;
    if (process_) GetExitCodeProcess(process_, &code);
    return code;
}

HWND RunningProgram::control(const char* name) const {
    ChildSearch search{descriptionId(name), nullptr};
    if (!search.id || !mainWindow_) return nullptr;
    EnumChildWindows(mainWindow_, findChildById, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> RunningProgram::messageBoxes() const {
    std::vector<HWND> boxes;
    for (HWND hwnd : topLevelWindows())
        if (windowProcess(hwnd) == processId_ && IsWindowVisible(hwnd) && className(hwnd) == "#32770")
            boxes.push_back(hwnd);
    return boxes;
}

HWND RunningProgram::waitForMessageBox(int timeoutMilliseconds) const {
    HWND box = nullptr;
    waitUntil(
        [&] {
            const std::vector<HWND> boxes = messageBoxes();
            box = boxes.empty() ? nullptr : boxes.front();
            return box != nullptr;
        },
        timeoutMilliseconds);
    return box;
}

std::string messageBoxText(HWND box) { return controlText(GetDlgItem(box, 0xFFFF)); }

bool closeMessageBox(HWND box) {
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
    return waitUntil([box] { return !IsWindow(box) || !IsWindowVisible(box); }, 3000);
}

std::string controlText(HWND control) {
    char text[512] = {};
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                             3000, &length))
        return "<no answer>";
    return std::string(text, length);
}

void setControlText(HWND control, const std::string& text) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG, 3000,
                        &result);
}

bool isChecked(HWND button) {
    DWORD_PTR state = 0;
    SendMessageTimeoutA(button, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 3000, &state);
    return state == BST_CHECKED;
}

void postClick(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

void pressKey(WORD virtualKey) {
    INPUT inputs[2] = {keyInput(virtualKey, false), keyInput(virtualKey, true)};
    SendInput(2, inputs, sizeof(INPUT));
}

void moveMouse(int x, int y) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = static_cast<LONG>((x * 65536LL + GetSystemMetrics(SM_CXSCREEN) - 1) / GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = static_cast<LONG>((y * 65536LL + GetSystemMetrics(SM_CYSCREEN) - 1) / GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
}

void mouseLeftButton(bool down) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &input, sizeof input);
}

std::string handleText(HWND window) { return std::to_string(static_cast<int>(reinterpret_cast<INT_PTR>(window))); }

TargetWindow::TargetWindow(int x, int y, int width, int height, COLORREF colour)
    : ready_(CreateEventA(nullptr, TRUE, FALSE, nullptr)), thread_(&TargetWindow::run, this, x, y, width, height, colour) {
    WaitForSingleObject(ready_, 5000);
}

TargetWindow::~TargetWindow() {
    if (hwnd_) PostMessageA(hwnd_, WM_CLOSE, 0, 0);
    thread_.join();
    CloseHandle(ready_);
}

void TargetWindow::run(int x, int y, int width, int height, COLORREF colour) {
    const host::GdiObject<HBRUSH> brush(CreateSolidBrush(colour));  // outlives the class
    WNDCLASSA wc{};
    wc.lpfnWndProc = targetProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = brush.get();
    const std::string name = "DriverTarget" + std::to_string(colour);
    wc.lpszClassName = name.c_str();
    RegisterClassA(&wc);
    hwnd_ = CreateWindowExA(0, wc.lpszClassName, "driver target", WS_POPUP | WS_VISIBLE, x, y, width, height,
                            nullptr, nullptr, wc.hInstance, nullptr);
    UpdateWindow(hwnd_);
    SetEvent(ready_);
    MSG message;
    while (hwnd_ && GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    UnregisterClassA(wc.lpszClassName, wc.hInstance);
}

}  // namespace e2e
