#include "gdiplus/memory_stream.h"

#include <algorithm>
#include <cstring>

namespace gdip {

MemoryStream::MemoryStream(MemoryStream&& other) noexcept
    : global_(other.global_), stream_(other.stream_) {
    other.global_ = nullptr;
    other.stream_ = nullptr;
}

MemoryStream& MemoryStream::operator=(MemoryStream&& other) noexcept {
    if (this != &other) {
        release();
        global_ = other.global_;
        stream_ = other.stream_;
        other.global_ = nullptr;
        other.stream_ = nullptr;
    }
    return *this;
}

IStream* MemoryStream::create(const void* bytes, std::size_t byteCount, std::size_t length) {
    release();
    HGLOBAL global = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, length);
    if (!global) return nullptr;
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(global, FALSE, &stream)) || !stream) {
        GlobalFree(global);
        return nullptr;
    }
    const std::size_t copied = std::min(byteCount, length);
    if (copied > 0 && bytes) {
        void* block = GlobalLock(global);
        if (block) {
            std::memcpy(block, bytes, copied);
            GlobalUnlock(global);
        }
    }
    global_ = global;
    stream_ = stream;
    return stream_;
}

void MemoryStream::release() {
    if (!stream_ && !global_) return;
    if (stream_) stream_->Release();
    if (global_) GlobalFree(global_);
    stream_ = nullptr;
    global_ = nullptr;
}

std::size_t MemoryStream::size() const {
    if (!global_) return 0;
    std::size_t blockSize = GlobalSize(global_);
    // The block may be larger than what was written into the stream.
    STATSTG stat{};
    if (stream_ && SUCCEEDED(stream_->Stat(&stat, STATFLAG_NONAME)) &&
        stat.cbSize.QuadPart < blockSize) {
        blockSize = static_cast<std::size_t>(stat.cbSize.QuadPart);
    }
    return blockSize;
}

bool MemoryStream::attach(IStream* stream) {
    release();
    stream_ = stream;
    if (!stream) return false;
    HGLOBAL global = nullptr;
    if (FAILED(GetHGlobalFromStream(stream, &global))) global = nullptr;
    global_ = global;
    return global_ != nullptr;
}

Bytes MemoryStream::toBytes() const {
    const std::size_t count = size();
    if (count == 0) return {};
    const void* block = GlobalLock(global_);
    if (!block) return {};
    const BYTE* first = static_cast<const BYTE*>(block);
    Bytes bytes(first, first + count);
    GlobalUnlock(global_);
    return bytes;
}

}  // namespace gdip
