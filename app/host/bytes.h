// A view of bytes owned elsewhere (an embedded resource, a buffer).
#pragma once
#include <cstddef>
#include <cstring>

namespace host {

struct ByteSpan {
    const unsigned char* data = nullptr;
    size_t size = 0;

    bool empty() const { return size == 0; }
    bool operator==(const ByteSpan& other) const {
        return size == other.size && (size == 0 || std::memcmp(data, other.data, size) == 0);
    }
    bool operator!=(const ByteSpan& other) const { return !(*this == other); }
};

}  // namespace host
