// Creation, start-up defaults and destruction of the engine.
#include "engine/skin_engine.h"
#include "engine/window_properties.h"
#include "test_windows.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <memory>

using namespace skin;

namespace {

class EngineLifecycle : public testing::Test {
protected:
    void SetUp() override { destroySkinEngine(); }
    void TearDown() override { destroySkinEngine(); }
};

std::uint32_t embeddedAddress(const MessageThunk& thunk, std::size_t offset) {
    std::uint32_t value = 0;
    std::memcpy(&value, thunk.code() + offset, 4);
    return value;
}

TEST_F(EngineLifecycle, CreateBuildsBothThunksOnTheTableMethods) {
    SkinEngine* engine = createSkinEngine();
    ASSERT_NE(engine, nullptr);
    EXPECT_EQ(theSkinEngine(), engine);
    EXPECT_EQ(createSkinEngine(), engine);  // one engine per process

    EXPECT_EQ(methodEntry(*engine->methods, kDestroy), reinterpret_cast<const void*>(&SkinEngine::destroy));
    EXPECT_EQ(methodEntry(*engine->methods, kFrameWindowProc),
              reinterpret_cast<const void*>(&SkinEngine::frameWindowProc));
    EXPECT_EQ(methodEntry(*engine->methods, kCaptionButtonClicked),
              reinterpret_cast<const void*>(&SkinEngine::captionButtonClicked));

    const auto engineAddress = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(engine));
    ASSERT_EQ(engine->frameProcThunk.size(), 76u);
    EXPECT_EQ(engine->frameProcThunk.code()[75], 0x00);
    EXPECT_EQ(engine->frameProcThunk.code()[74], 0x10);
    EXPECT_EQ(embeddedAddress(engine->frameProcThunk, 4), engineAddress);
    // The method address follows B8 (mov eax), 6 bytes before the epilogue.
    EXPECT_EQ(engine->frameProcThunk.code()[48], 0xB8);
    EXPECT_EQ(embeddedAddress(engine->frameProcThunk, 49),
              static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(&SkinEngine::frameWindowProc)));

    ASSERT_EQ(engine->buttonThunk.size(), 76u);
    EXPECT_EQ(engine->buttonThunk.code()[74], 0x08);
    EXPECT_EQ(engine->buttonThunkEntry, reinterpret_cast<std::uintptr_t>(engine->buttonThunk.code()));

    EXPECT_EQ(engine->borderWidth, 0);
    EXPECT_EQ(engine->hotCaptionButton, 0);
    EXPECT_EQ(skinSettings.backgroundColour, GetSysColor(COLOR_BTNFACE));
    EXPECT_TRUE(skinSettings.windowRecords.empty());
    EXPECT_TRUE(skinSettings.memoryDCs.empty());
}

TEST_F(EngineLifecycle, InitStartsGdiplusLoadsTheNamedIconAndResetsDefaults) {
    createSkinEngine();
    skinSettings.firstSizePending = false;
    skinSettings.controlSkinsEnabled = false;
    skinSettings.controlOpacity = 7;
    skinSettings.accentColour = 1;
    skinSettings.trackbarFrame = 0;

    initSkinGlobals();

    EXPECT_NE(skinSettings.gdiplusToken, 0u);
    // No icon 129 exists, so the named icon is the one loaded.
    EXPECT_NE(skinSettings.appIcon, nullptr);
    EXPECT_TRUE(skinSettings.firstSizePending);
    EXPECT_TRUE(skinSettings.controlSkinsEnabled);
    EXPECT_EQ(skinSettings.controlOpacity, 160);
    EXPECT_FALSE(skinSettings.controlOpacitySet);
    EXPECT_EQ(skinSettings.accentColour, 0xDDCA22u);
    EXPECT_EQ(skinSettings.trackbarFrame, 1);
    EXPECT_EQ(skinSettings.backgroundPlacement, 0);
}

// The window procedure's WM_QUIT handling and the engine's destruction both
// shut GDI+ down with gdiplusToken; only the first of them may reach GDI+.
TEST_F(EngineLifecycle, ShutdownUsesUpTheEngineTokenSoGdiplusStopsOnce) {
    createSkinEngine();
    initSkinGlobals();
    ASSERT_NE(skinSettings.gdiplusToken, 0u);

    shutdownGdiplus(skinSettings.gdiplusToken);
    EXPECT_EQ(skinSettings.gdiplusToken, 0u);

    destroySkinEngine();  // finds no token left to shut down
    EXPECT_EQ(skinSettings.gdiplusToken, 0u);
}

LRESULT CALLBACK countingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_APP + 3) return static_cast<LRESULT>(wParam + 1);
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

TEST_F(EngineLifecycle, FrameThunkPassesMessagesToThePreviousProcedure) {
    SkinEngine* engine = createSkinEngine();
    skintest::TestWindow window = skintest::topLevelWindow();
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&countingProc));
    setPropHandle(window, kPropOldProc, &countingProc);
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(engine->frameProcThunk.code()));

    EXPECT_EQ(SendMessageA(window, WM_APP + 3, 41, 0), 42);
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&countingProc));
}

TEST_F(EngineLifecycle, DestroyReleasesEverythingOnceAndCanRunAgain) {
    SkinEngine* engine = createSkinEngine();
    initSkinGlobals();
    const void* frameCode = engine->frameProcThunk.code();
    const void* buttonCode = engine->buttonThunk.code();
    skinSettings.windowRecords.push_back(std::make_unique<WindowRecord>());
    skinSettings.memoryDCs.push_back(MemoryDCEntry{reinterpret_cast<HDC>(0x1234), nullptr, nullptr});
    skinSettings.backgroundPicture = {1, 2, 3};

    destroySkinEngine();

    EXPECT_EQ(theSkinEngine(), nullptr);
    EXPECT_EQ(skinSettings.gdiplusToken, 0u);
    EXPECT_EQ(skinSettings.appIcon, nullptr);
    EXPECT_TRUE(skinSettings.windowRecords.empty());
    EXPECT_TRUE(skinSettings.memoryDCs.empty());
    EXPECT_TRUE(skinSettings.backgroundPicture.empty());
    for (const void* code : {frameCode, buttonCode}) {
        MEMORY_BASIC_INFORMATION info{};
        ASSERT_NE(VirtualQuery(code, &info, sizeof info), 0u);
        EXPECT_EQ(info.State, static_cast<DWORD>(MEM_FREE));
    }
    destroySkinEngine();  // nothing left to release
    EXPECT_EQ(theSkinEngine(), nullptr);
}

// A skinned window that outlives the engine gets its own procedure back
// instead of a window procedure in freed memory.
TEST_F(EngineLifecycle, DestroyUnhooksWindowsThatStillExist) {
    SkinEngine* engine = createSkinEngine();
    skintest::TestWindow window = skintest::topLevelWindow();
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&countingProc));
    auto previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(engine->frameProcThunk.code())));
    setPropHandle(window, kPropOldProc, previous);
    skinSettings.windowRecords.push_back(std::make_unique<WindowRecord>());
    skinSettings.windowRecords.back()->hwnd = window;
    skinSettings.windowRecords.back()->oldWindowProc = previous;

    destroySkinEngine();

    EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&countingProc));
    EXPECT_EQ(SendMessageA(window, WM_APP + 3, 1, 0), 2);
}

} // namespace
