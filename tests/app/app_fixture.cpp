#include "app_fixture.h"

#include "host/conversions.h"
#include "host/host.h"
#include "main_window.h"
#include "skin_hooks.h"

namespace apptest {
namespace {

// The skin engine lives for the whole test program, started and stopped the
// way the program does it, so the main window is skinned as it is there.
class SkinEngineEnvironment : public testing::Environment {
public:
    void SetUp() override {
        bosskey::startSkinEngine();
        bosskey::initSkinModule();
    }
    void TearDown() override { bosskey::stopSkinEngine(); }
};
testing::Environment* const skinEngineEnvironment = testing::AddGlobalTestEnvironment(new SkinEngineEnvironment);

}  // namespace

void pumpMessages(int milliseconds) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
    MSG message;
    do {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(5);
    } while (static_cast<int>(end - GetTickCount()) > 0);
}

bool pumpUntil(const std::function<bool()>& condition, int timeoutMilliseconds) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(timeoutMilliseconds);
    while (!condition()) {
        if (static_cast<int>(end - GetTickCount()) <= 0) return false;
        pumpMessages(10);
    }
    return true;
}

TargetWindow::TargetWindow(int x, int y, int width, int height, DWORD style) {
    hwnd_ = CreateWindowExA(0, "STATIC", "target", style, x, y, width, height, nullptr, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
    pumpMessages(20);
}

TargetWindow::~TargetWindow() { DestroyWindow(hwnd_); }

std::string TargetWindow::handleText() const {
    return host::integerToText(static_cast<int>(reinterpret_cast<INT_PTR>(hwnd_)));
}

void MainWindowTest::SetUp() {
    ASSERT_CODE_PAGE_936();
    const bosskey::Pictures pictures{host::Host::resourceBytes("MAINWINDOWPICTURE"),
                                     host::Host::resourceBytes("FINDERCURSOR")};
    ASSERT_FALSE(pictures.finderCursor.empty());
    form = std::make_unique<host::Form>(bosskey::mainWindowDescription());
    app = std::make_unique<bosskey::BossKeyApp>(*form, pictures);
    form->setMessageBoxHook([this](const std::string& text) { messages.push_back(text); });
    ASSERT_TRUE(form->create(*app, SW_SHOWNORMAL));
    pumpMessages(20);
}

void MainWindowTest::TearDown() {
    if (form) form->close();
    pumpMessages(10);
    app.reset();
    form.reset();
}

void MainWindowTest::click(const char* control) {
    const HWND button = form->handle(control);
    ASSERT_TRUE(button) << control;
    PostMessageA(button, BM_CLICK, 0, 0);
    pumpMessages(20);
}

std::vector<std::string> MainWindowTest::takeMessages() {
    std::vector<std::string> taken;
    taken.swap(messages);
    return taken;
}

}  // namespace apptest
