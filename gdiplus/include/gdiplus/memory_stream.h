// A byte buffer seen as an IStream: a block of movable global memory with a
// stream on it. The stream never frees the block itself; release() does both.
#pragma once

#include "gdiplus/gdip_base.h"

namespace gdip {

class MemoryStream {
public:
    MemoryStream() = default;
    ~MemoryStream() { release(); }
    MemoryStream(const MemoryStream&) = delete;
    MemoryStream& operator=(const MemoryStream&) = delete;
    MemoryStream(MemoryStream&& other) noexcept;
    MemoryStream& operator=(MemoryStream&& other) noexcept;

    // Releases what it holds, then makes a zero-filled block of `length`
    // bytes with a stream on it and copies `bytes` into it (at most `length`
    // of them). Returns the stream, 0 on failure.
    IStream* create(const void* bytes, std::size_t byteCount, std::size_t length);
    IStream* create(const void* bytes, std::size_t byteCount) {
        return create(bytes, byteCount, byteCount);
    }
    IStream* create(const Bytes& bytes) { return create(bytes.data(), bytes.size()); }

    // Releases the stream and frees its block.
    void release();

    // Number of bytes in the stream.
    std::size_t size() const;

    IStream* stream() const { return stream_; }
    HGLOBAL global() const { return global_; }

    // Releases what it holds and takes over `stream` (the caller's reference)
    // with its block. The stream must have been made without delete-on-release.
    // Returns whether a block was obtained.
    bool attach(IStream* stream);

    // A copy of the stream's bytes.
    Bytes toBytes() const;

private:
    HGLOBAL global_ = nullptr;
    IStream* stream_ = nullptr;
};

}  // namespace gdip
