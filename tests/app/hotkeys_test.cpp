// The hotkey id sequence against the system's RegisterHotKey.
#include <gtest/gtest.h>

#include "host/hotkeys.h"

namespace {

class MessageWindow {
public:
    MessageWindow() : hwnd_(CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr)) {}
    ~MessageWindow() { DestroyWindow(hwnd_); }
    HWND get() const { return hwnd_; }

private:
    HWND hwnd_;
};

TEST(GlobalHotkeys, EveryRegistrationTakesTheNextIdFailuresToo) {
    MessageWindow window, sink, holder;
    ASSERT_TRUE(window.get() && holder.get());
    // Another window holds F11, so registering it fails.
    ASSERT_TRUE(RegisterHotKey(holder.get(), 1, 0, VK_F11));

    host::GlobalHotkeys hotkeys;
    EXPECT_EQ(hotkeys.registerHotkey(window.get(), sink.get(), 0, VK_F10), 33001);
    EXPECT_EQ(hotkeys.registerHotkey(window.get(), sink.get(), 0, VK_F11), 0);    // took 33002
    EXPECT_EQ(hotkeys.registerHotkey(window.get(), sink.get(), 0, VK_F11), 0);    // took 33003
    EXPECT_EQ(hotkeys.registerHotkey(window.get(), sink.get(), MOD_CONTROL, VK_F11), 33004);
    EXPECT_EQ(hotkeys.sinkFor(33001), sink.get());
    EXPECT_EQ(hotkeys.sinkFor(33002), nullptr);

    EXPECT_TRUE(hotkeys.unregisterHotkey(window.get(), 33001));
    EXPECT_FALSE(hotkeys.unregisterHotkey(window.get(), 33001));  // already released
    EXPECT_FALSE(hotkeys.unregisterHotkey(window.get(), 0));
    EXPECT_EQ(hotkeys.sinkFor(33001), nullptr);
    // F10 is free again.
    EXPECT_EQ(hotkeys.registerHotkey(window.get(), sink.get(), 0, VK_F10), 33005);

    EXPECT_TRUE(hotkeys.unregisterHotkey(window.get(), 33004));
    EXPECT_TRUE(hotkeys.unregisterHotkey(window.get(), 33005));
    UnregisterHotKey(holder.get(), 1);
}

}  // namespace
