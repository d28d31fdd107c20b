// The main window built in the test process, with message boxes recorded
// instead of shown, and target windows to hide and show.
#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bosskey_app.h"
#include "codepage.h"
#include "host/form.h"

namespace apptest {

// Dispatches this thread's messages for a while.
void pumpMessages(int milliseconds);
// Dispatches messages until the condition holds or the time is up.
bool pumpUntil(const std::function<bool()>& condition, int timeoutMilliseconds = 2000);

// A visible top-level window of the test's own, to be toggled.
class TargetWindow {
public:
    explicit TargetWindow(int x = 760, int y = 420, int width = 240, int height = 160,
                          DWORD style = WS_POPUP | WS_BORDER | WS_VISIBLE);
    ~TargetWindow();
    TargetWindow(const TargetWindow&) = delete;
    TargetWindow& operator=(const TargetWindow&) = delete;
    HWND get() const { return hwnd_; }
    bool visible() const { return IsWindowVisible(hwnd_) != FALSE; }
    std::string handleText() const;

private:
    HWND hwnd_;
};

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A posted-and-dispatched click, as the button receives it from the user.
    void click(const char* control);
    void setText(const char* control, const std::string& text) { form->setText(control, text); }
    std::string text(const char* control) const { return form->text(control); }
    bool mainWindowVisible() const { return IsWindowVisible(form->handle()) != FALSE; }
    // The messages shown since the last call.
    std::vector<std::string> takeMessages();

    std::unique_ptr<host::Form> form;
    std::unique_ptr<bosskey::BossKeyApp> app;
    std::vector<std::string> messages;
};

}  // namespace apptest
