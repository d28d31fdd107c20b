#include "engine/message_thunk.h"

#include "engine/skin_engine.h"

#include <windows.h>

#include <cstring>
#include <initializer_list>
#include <utility>

namespace skin {
namespace {

class CodeWriter {
public:
    void bytes(std::initializer_list<std::uint8_t> list) { code_.insert(code_.end(), list); }
    void dword(std::uint32_t v) {
        for (int i = 0; i < 4; ++i) code_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    void word(std::uint16_t v) {
        code_.push_back(static_cast<std::uint8_t>(v));
        code_.push_back(static_cast<std::uint8_t>(v >> 8));
    }
    std::vector<std::uint8_t> take() { return std::move(code_); }

private:
    std::vector<std::uint8_t> code_;
};

std::uint32_t address(const void* p) { return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(p)); }

} // namespace

std::vector<std::uint8_t> assembleMessageThunk(const void* object, const void* method, int argCount,
                                               bool passEcx, bool callerPops) {
    // The count is checked before it is scaled, so no count can wrap round
    // into an accepted block size.
    if (argCount < 0 || argCount > kMaxThunkArgBytes / 4) return {};
    const std::uint32_t argBytes = static_cast<std::uint32_t>(argCount) * 4;

    CodeWriter w;
    w.bytes({0x55});             // push ebp
    w.bytes({0x8B, 0xEC});       // mov ebp, esp
    w.bytes({0x68});             // push object        -> [ebp-4]
    w.dword(address(object));
    w.bytes({0x53});             // push ebx           -> [ebp-8]
    w.bytes({0x51});             // push ecx           -> [ebp-12]
    w.bytes({0x56});             // push esi           -> [ebp-16]
    w.bytes({0x57});             // push edi           -> [ebp-20]
    w.bytes({0x6A, 0x00});       // push 0             -> [ebp-24] FPU control word
    w.bytes({0xD9, 0x3C, 0x24}); // fnstcw [esp]
    w.bytes({0xDB, 0xE3});       // fninit
    if (argCount > 0) {
        w.bytes({0xB9});             // mov ecx, argBytes
        w.dword(argBytes);
        w.bytes({0x2B, 0xE1});       // sub esp, ecx
        w.bytes({0x8D, 0x75, 0x08}); // lea esi, [ebp+8]
        w.bytes({0x8D, 0x3C, 0x24}); // lea edi, [esp]
        w.bytes({0xFC});             // cld
        w.bytes({0xF3, 0xA4});       // rep movsb
        w.bytes({0x8B, 0x4D, 0xF4}); // mov ecx, [ebp-12]
        w.bytes({0x8B, 0x75, 0xF0}); // mov esi, [ebp-16]
        w.bytes({0x8B, 0x7D, 0xEC}); // mov edi, [ebp-20]
    }
    if (passEcx) w.bytes({0x51}); // push ecx
    w.bytes({0x8D, 0x45, 0xFC});  // lea eax, [ebp-4]
    w.bytes({0x50});              // push eax (this = address of the object slot)
    w.bytes({0xB8});              // mov eax, method
    w.dword(address(method));
    w.bytes({0xFF, 0xD0});        // call eax
    w.bytes({0x8B, 0x5D, 0xF8});  // mov ebx, [ebp-8]
    w.bytes({0x8B, 0x4D, 0xF4});  // mov ecx, [ebp-12]
    w.bytes({0x8B, 0x75, 0xF0});  // mov esi, [ebp-16]
    w.bytes({0x8B, 0x7D, 0xEC});  // mov edi, [ebp-20]
    w.bytes({0xD9, 0x6D, 0xE8});  // fldcw [ebp-24]
    w.bytes({0x8B, 0xE5});        // mov esp, ebp
    w.bytes({0x5D});              // pop ebp
    w.bytes({0xC2});              // ret r
    w.word(static_cast<std::uint16_t>(callerPops ? 0 : argBytes));
    return w.take();
}

MessageThunk::MessageThunk(const std::vector<std::uint8_t>& code) {
    if (code.empty()) return;
    void* block = VirtualAlloc(nullptr, code.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!block) return;
    std::memcpy(block, code.data(), code.size());
    DWORD previous = 0;
    if (!VirtualProtect(block, code.size(), PAGE_EXECUTE_READ, &previous)) {
        VirtualFree(block, 0, MEM_RELEASE);
        return;
    }
    FlushInstructionCache(GetCurrentProcess(), block, code.size());
    code_ = static_cast<std::uint8_t*>(block);
    size_ = code.size();
}

MessageThunk::~MessageThunk() { reset(); }

MessageThunk::MessageThunk(MessageThunk&& other) noexcept
    : code_(std::exchange(other.code_, nullptr)), size_(std::exchange(other.size_, 0)) {}

MessageThunk& MessageThunk::operator=(MessageThunk&& other) noexcept {
    if (this != &other) {
        reset();
        code_ = std::exchange(other.code_, nullptr);
        size_ = std::exchange(other.size_, 0);
    }
    return *this;
}

void MessageThunk::reset() {
    if (code_) VirtualFree(code_, 0, MEM_RELEASE);
    code_ = nullptr;
    size_ = 0;
}

MessageThunk buildMessageThunk(SkinEngine* engine, int methodPosition, int argCount, bool passEcx,
                               bool callerPops) {
    if (!engine || !engine->methods) return {};
    const void* method = methodEntry(*engine->methods, methodPosition);
    if (!method) return {};
    return MessageThunk(assembleMessageThunk(engine, method, argCount, passEcx, callerPops));
}

} // namespace skin
