// One launch of the program shared by the cases of the suite
// "BossKeyProgram", across the test files.
#pragma once
#include "codepage.h"
#include "driver.h"

namespace e2e {

// Each case leaves the program as it found it.
class BossKeyProgram : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        program = new RunningProgram;
        program->waitForMainWindow();
    }
    static void TearDownTestSuite() {
        delete program;
        program = nullptr;
    }
    void SetUp() override {
        ASSERT_CODE_PAGE_936();
        ASSERT_TRUE(program && program->running() && program->mainWindow()) << "the program did not start";
    }
    void TearDown() override {
        for (HWND box : program->messageBoxes()) closeMessageBox(box);
        if (!IsWindowVisible(program->mainWindow())) ShowWindow(program->mainWindow(), SW_SHOWNOACTIVATE);
    }

    HWND control(const char* name) const { return program->control(name); }
    bool mainWindowVisible() const { return IsWindowVisible(program->mainWindow()) != FALSE; }

    static RunningProgram* program;
};

}  // namespace e2e
