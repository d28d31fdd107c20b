// Byte layout and run-time behaviour of the message thunks.
#include "engine/message_thunk.h"
#include "engine/skin_engine.h"
#include "test_windows.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <vector>

using skin::assembleMessageThunk;
using skin::buildMessageThunk;
using skin::EngineThis;
using skin::MessageThunk;
using skin::SkinEngine;
using Bytes = std::vector<std::uint8_t>;

namespace {

// ---------------------------------------------------------------------------
// Byte layout

const void* const kObject = reinterpret_cast<const void*>(0x11223344);
const void* const kMethod = reinterpret_cast<const void*>(0xA1B2C3D4);

Bytes operator+(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Bytes prologue() {
    return {0x55, 0x8B, 0xEC, 0x68, 0x44, 0x33, 0x22, 0x11, 0x53, 0x51, 0x56, 0x57,
            0x6A, 0x00, 0xD9, 0x3C, 0x24, 0xDB, 0xE3};
}
Bytes copyGroup(std::uint32_t n) {
    return {0xB9, std::uint8_t(n), std::uint8_t(n >> 8), 0x00, 0x00, 0x2B, 0xE1, 0x8D, 0x75, 0x08, 0x8D, 0x3C,
            0x24, 0xFC, 0xF3, 0xA4, 0x8B, 0x4D, 0xF4, 0x8B, 0x75, 0xF0, 0x8B, 0x7D, 0xEC};
}
Bytes callGroup() { return {0x8D, 0x45, 0xFC, 0x50, 0xB8, 0xD4, 0xC3, 0xB2, 0xA1, 0xFF, 0xD0}; }
Bytes epilogue(std::uint16_t r) {
    return {0x8B, 0x5D, 0xF8, 0x8B, 0x4D, 0xF4, 0x8B, 0x75, 0xF0, 0x8B, 0x7D, 0xEC,
            0xD9, 0x6D, 0xE8, 0x8B, 0xE5, 0x5D, 0xC2, std::uint8_t(r), std::uint8_t(r >> 8)};
}

struct LayoutCase {
    int argCount;
    bool passEcx;
    bool callerPops;
    std::size_t size;
    Bytes tail;  // the ret instruction
};

TEST(MessageThunkBytes, FollowTheLayoutForEveryVariant) {
    const LayoutCase cases[] = {
        {4, false, false, 76, {0xC2, 0x10, 0x00}},
        {2, false, false, 76, {0xC2, 0x08, 0x00}},
        {0, false, false, 51, {0xC2, 0x00, 0x00}},
        {4, true, false, 77, {0xC2, 0x10, 0x00}},
        {4, false, true, 76, {0xC2, 0x00, 0x00}},
        {2, true, true, 77, {0xC2, 0x00, 0x00}},
        {0, true, false, 52, {0xC2, 0x00, 0x00}},
        {256, false, false, 76, {0xC2, 0x00, 0x04}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "args " << c.argCount << " ecx " << c.passEcx << " callerPops "
                                        << c.callerPops);
        const std::uint32_t n = std::uint32_t(c.argCount) * 4;
        Bytes expected = prologue();
        if (c.argCount > 0) expected = expected + copyGroup(n);
        if (c.passEcx) expected.push_back(0x51);
        expected = expected + callGroup() + epilogue(c.callerPops ? 0 : std::uint16_t(n));

        const Bytes code = assembleMessageThunk(kObject, kMethod, c.argCount, c.passEcx, c.callerPops);
        EXPECT_EQ(code, expected);
        EXPECT_EQ(code.size(), c.size);
        ASSERT_GE(code.size(), 3u);
        EXPECT_EQ(Bytes(code.end() - 3, code.end()), c.tail);
    }
}

TEST(MessageThunkBytes, ArgumentCountOutsideTheBlockLimitGivesNothing) {
    EXPECT_FALSE(assembleMessageThunk(kObject, kMethod, 256).empty());
    EXPECT_TRUE(assembleMessageThunk(kObject, kMethod, 257).empty());
    EXPECT_TRUE(assembleMessageThunk(kObject, kMethod, -1).empty());
    // A count whose byte size would wrap round to a small number.
    EXPECT_TRUE(assembleMessageThunk(kObject, kMethod, 0x40000001).empty());
}

// ---------------------------------------------------------------------------
// Running thunks

struct Seen {
    SkinEngine* engine = nullptr;
    HWND hwnd = nullptr;
    UINT msg = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    std::uint16_t controlWordOnEntry = 0;
    int ecx = 0, a = 0, b = 0;
} seen;

std::uint16_t fpuControlWord() {
    std::uint16_t cw;
    asm volatile("fnstcw %0" : "=m"(cw));
    return cw;
}
void setFpuControlWord(std::uint16_t cw) { asm volatile("fldcw %0" : : "m"(cw)); }

constexpr std::uint16_t kMethodControlWord = 0x0C7F;  // round toward zero, 64-bit
constexpr std::uint16_t kCallerControlWord = 0x027F;  // 53-bit precision

LRESULT __stdcall recordingWindowProc(EngineThis self, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    seen.engine = *self;
    seen.hwnd = hwnd;
    seen.msg = msg;
    seen.wParam = wParam;
    seen.lParam = lParam;
    seen.controlWordOnEntry = fpuControlWord();
    setFpuControlWord(kMethodControlWord);
    return static_cast<LRESULT>(0x80000001u);
}

int __stdcall recordingTwoArgs(EngineThis self, int ecx, int a, int b) {
    seen.engine = *self;
    seen.ecx = ecx;
    seen.a = a;
    seen.b = b;
    return a * 100 + b;
}

class RunningThunk : public testing::Test {
protected:
    void SetUp() override {
        seen = Seen{};
        table.frameWindowProc = &recordingWindowProc;
        // The two-argument method with the caller's ECX sits in the button slot.
        table.captionButtonClicked = reinterpret_cast<skin::CaptionButtonClickedMethod>(
            reinterpret_cast<void (*)()>(&recordingTwoArgs));
        engine.methods = &table;
    }
    skin::SkinEngineMethods table{};
    SkinEngine engine;
};

TEST_F(RunningThunk, AsWindowProcedureDeliversArgumentsAndResult) {
    MessageThunk thunk = buildMessageThunk(&engine, skin::kFrameWindowProc, 4);
    ASSERT_FALSE(thunk.empty());
    skintest::TestWindow window = skintest::topLevelWindow();
    ASSERT_TRUE(window.get());
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(thunk.code()));

    const std::uint16_t original = fpuControlWord();
    setFpuControlWord(kCallerControlWord);
    const LRESULT result = SendMessageA(window, WM_APP + 7, 0xCAFEBABE, 0x12345678);
    const std::uint16_t after = fpuControlWord();
    setFpuControlWord(original);

    EXPECT_EQ(static_cast<std::uint32_t>(result), 0x80000001u);
    EXPECT_EQ(seen.engine, &engine);
    EXPECT_EQ(seen.hwnd, window.get());
    EXPECT_EQ(seen.msg, WM_APP + 7u);
    EXPECT_EQ(seen.wParam, 0xCAFEBABEu);
    EXPECT_EQ(seen.lParam, 0x12345678);
    // The method starts with a freshly initialised FPU, and whatever it
    // leaves behind does not reach the caller.
    EXPECT_EQ(seen.controlWordOnEntry, 0x037F);
    EXPECT_EQ(after, kCallerControlWord);
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DefWindowProcA));
}

struct TwoArgCall {
    const void* entry;
    int ecx, a, b;
    int callerPop;
    int espDelta = -1;
    int esiAfter = 0;
    int result = 0;
};

// Calls a two-argument thunk with a chosen ECX and ESI, pops the arguments
// itself when asked to, and reports how far ESP moved over the whole call.
// EBX (the block pointer) and EDI (the saved ESP) must survive the thunk.
void callTwoArgThunk(TwoArgCall& call) {
    asm volatile(
        "movl %%esp, %%edi\n\t"
        "pushl 12(%%ebx)\n\t"
        "pushl 8(%%ebx)\n\t"
        "movl 4(%%ebx), %%ecx\n\t"
        "movl $0x5A5A5A5A, %%esi\n\t"
        "call *0(%%ebx)\n\t"
        "addl 16(%%ebx), %%esp\n\t"
        "movl %%esp, %%ecx\n\t"
        "subl %%edi, %%ecx\n\t"
        "movl %%ecx, 20(%%ebx)\n\t"
        "movl %%esi, 24(%%ebx)\n\t"
        "movl %%eax, 28(%%ebx)\n\t"
        :
        : "b"(&call)
        : "eax", "ecx", "edx", "esi", "edi", "memory", "cc");
}

TEST_F(RunningThunk, PassesEcxAndLeavesTheStackBalancedInBothConventions) {
    for (bool callerPops : {false, true}) {
        SCOPED_TRACE(callerPops ? "caller pops" : "callee pops");
        seen = Seen{};
        MessageThunk thunk = buildMessageThunk(&engine, skin::kCaptionButtonClicked, 2, true, callerPops);
        ASSERT_FALSE(thunk.empty());
        TwoArgCall call{thunk.code(), 0x5EC, 7, 9, callerPops ? 8 : 0};
        callTwoArgThunk(call);
        EXPECT_EQ(seen.engine, &engine);
        EXPECT_EQ(seen.ecx, 0x5EC);
        EXPECT_EQ(seen.a, 7);
        EXPECT_EQ(seen.b, 9);
        EXPECT_EQ(call.result, 709);
        EXPECT_EQ(call.espDelta, 0);
        EXPECT_EQ(call.esiAfter, 0x5A5A5A5A);
    }
}

TEST_F(RunningThunk, NullMethodOrBadCountGivesAnEmptyThunk) {
    EXPECT_TRUE(buildMessageThunk(&engine, skin::kSkinWindow, 4).empty());  // null entry
    EXPECT_TRUE(buildMessageThunk(&engine, 0, 4).empty());
    EXPECT_TRUE(buildMessageThunk(&engine, skin::kMethodCount + 1, 4).empty());
    EXPECT_TRUE(buildMessageThunk(&engine, skin::kFrameWindowProc, 257).empty());
    EXPECT_TRUE(buildMessageThunk(&engine, skin::kFrameWindowProc, -1).empty());
    EXPECT_EQ(buildMessageThunk(&engine, skin::kFrameWindowProc, 256).size(), 76u);
}

TEST_F(RunningThunk, CodeRunsFromExecuteReadMemoryThatIsReleasedWithTheThunk) {
    MessageThunk thunk = buildMessageThunk(&engine, skin::kFrameWindowProc, 4);
    ASSERT_FALSE(thunk.empty());
    const void* code = thunk.code();
    MEMORY_BASIC_INFORMATION info{};
    ASSERT_NE(VirtualQuery(code, &info, sizeof info), 0u);
    EXPECT_EQ(info.Protect, static_cast<DWORD>(PAGE_EXECUTE_READ));
    EXPECT_EQ(info.State, static_cast<DWORD>(MEM_COMMIT));

    thunk.reset();
    EXPECT_TRUE(thunk.empty());
    ASSERT_NE(VirtualQuery(code, &info, sizeof info), 0u);
    EXPECT_EQ(info.State, static_cast<DWORD>(MEM_FREE));
}

} // namespace
