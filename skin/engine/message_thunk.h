// Run-time machine code that lets Windows call an engine method as a plain
// __stdcall function: the thunk pushes the engine pointer, copies the
// caller's arguments, calls the method with the address of the engine slot
// as its first argument and hands the method's result back unchanged.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace skin {

struct SkinEngine;

// The largest argument block a thunk copies, in bytes (256 arguments).
constexpr int kMaxThunkArgBytes = 1024;

// The thunk's bytes for the given object and method addresses; empty when
// argCount is negative or its block is larger than kMaxThunkArgBytes.
std::vector<std::uint8_t> assembleMessageThunk(const void* object, const void* method, int argCount,
                                               bool passEcx = false, bool callerPops = false);

// Owns one assembled thunk in its own block of executable memory. The block
// is written while it is read/write only, then switched to execute/read, so
// the code is never writable while it can run. Move-only; the destructor
// releases the block.
class MessageThunk {
public:
    MessageThunk() = default;
    // Copies the bytes into fresh executable memory; empty on failure.
    explicit MessageThunk(const std::vector<std::uint8_t>& code);
    ~MessageThunk();
    MessageThunk(MessageThunk&& other) noexcept;
    MessageThunk& operator=(MessageThunk&& other) noexcept;
    MessageThunk(const MessageThunk&) = delete;
    MessageThunk& operator=(const MessageThunk&) = delete;

    bool empty() const { return size_ == 0; }
    std::size_t size() const { return size_; }
    // Address of the first code byte, nullptr when empty.
    const std::uint8_t* code() const { return code_; }
    std::vector<std::uint8_t> bytes() const { return {code_, code_ + size_}; }
    // The entry point as a function pointer of the caller's choice.
    template <class Fn> Fn entry() const { return reinterpret_cast<Fn>(const_cast<std::uint8_t*>(code_)); }
    void reset();

private:
    std::uint8_t* code_ = nullptr;
    std::size_t size_ = 0;
};

// A thunk for the method at 1-based position methodPosition of the engine's
// method table. Empty when that entry is null or the argument count is out
// of range (see assembleMessageThunk).
MessageThunk buildMessageThunk(SkinEngine* engine, int methodPosition, int argCount,
                               bool passEcx = false, bool callerPops = false);

} // namespace skin
