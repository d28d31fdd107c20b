#include "icon_files.h"

#include <vector>

namespace host {
namespace {

// The header and first directory entry of an .ico / .cur file.
struct IconFileImage {
    bool isCursor = false;
    int width = 0, height = 0;
    int hotspotX = 0, hotspotY = 0;
    const unsigned char* bits = nullptr;  // the image: BITMAPINFOHEADER and bitmaps, or PNG
    size_t size = 0;
};

unsigned readWord(const unsigned char* p) { return p[0] | (p[1] << 8); }
unsigned readDword(const unsigned char* p) { return readWord(p) | (readWord(p + 2) << 16); }

bool parseIconFile(ByteSpan file, IconFileImage& image) {
    constexpr size_t headerSize = 6, entrySize = 16;
    if (file.size < headerSize + entrySize) return false;
    const unsigned type = readWord(file.data + 2);
    if (readWord(file.data) != 0 || (type != 1 && type != 2) || readWord(file.data + 4) == 0) return false;
    const unsigned char* entry = file.data + headerSize;
    const size_t size = readDword(entry + 8);
    const size_t offset = readDword(entry + 12);
    if (size == 0 || offset > file.size || size > file.size - offset) return false;
    image.isCursor = type == 2;
    image.width = entry[0] ? entry[0] : 256;
    image.height = entry[1] ? entry[1] : 256;
    image.hotspotX = image.isCursor ? static_cast<int>(readWord(entry + 4)) : image.width / 2;
    image.hotspotY = image.isCursor ? static_cast<int>(readWord(entry + 6)) : image.height / 2;
    image.bits = file.data + offset;
    image.size = size;
    return true;
}

}  // namespace

IconHandle iconFromFile(ByteSpan file) {
    IconFileImage image;
    if (!parseIconFile(file, image)) return IconHandle();
    return IconHandle(CreateIconFromResourceEx(const_cast<PBYTE>(image.bits), static_cast<DWORD>(image.size),
                                               TRUE, 0x00030000, image.width, image.height, LR_DEFAULTCOLOR));
}

CursorHandle cursorFromFile(ByteSpan file) {
    IconFileImage image;
    if (!parseIconFile(file, image)) return CursorHandle();
    // A cursor resource is the hotspot (two words) followed by the image.
    std::vector<unsigned char> resource(4 + image.size);
    resource[0] = static_cast<unsigned char>(image.hotspotX);
    resource[1] = static_cast<unsigned char>(image.hotspotX >> 8);
    resource[2] = static_cast<unsigned char>(image.hotspotY);
    resource[3] = static_cast<unsigned char>(image.hotspotY >> 8);
    std::copy(image.bits, image.bits + image.size, resource.begin() + 4);
    return CursorHandle(CreateIconFromResourceEx(resource.data(), static_cast<DWORD>(resource.size()), FALSE,
                                                 0x00030000, image.width, image.height, LR_DEFAULTCOLOR));
}

}  // namespace host
