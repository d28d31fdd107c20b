// Icons and cursors from the bytes of .cur files, including damaged ones.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "host/icon_files.h"

namespace {

std::vector<unsigned char> readFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

host::ByteSpan span(const std::vector<unsigned char>& bytes) { return {bytes.data(), bytes.size()}; }

class FinderCursorFile : public ::testing::Test {
protected:
    std::vector<unsigned char> file = readFile(BOSSKEY_FINDER_CURSOR_FILE);
};

TEST_F(FinderCursorFile, HasTheStatedFormat) {
    ASSERT_EQ(file.size(), 3262u);
    EXPECT_EQ(file[2], 2);                // a cursor file
    EXPECT_EQ(file[4], 1);                // one image
    EXPECT_EQ(file[6], 32);               // 32 x 32
    EXPECT_EQ(file[7], 32);
    EXPECT_EQ(file[10] | file[11] << 8, 0);  // hotspot (0, 0)
    EXPECT_EQ(file[12] | file[13] << 8, 0);
    EXPECT_EQ(file[22 + 14], 24);         // 24 bits per pixel
}

TEST_F(FinderCursorFile, GivesIconAndCursorWithItsHotspot) {
    host::IconHandle icon = host::iconFromFile(span(file));
    ASSERT_TRUE(icon);
    host::CursorHandle cursor = host::cursorFromFile(span(file));
    ASSERT_TRUE(cursor);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(cursor.get(), &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 0u);
    EXPECT_EQ(info.yHotspot, 0u);
    BITMAP bitmap{};
    GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, 32);
    if (info.hbmColor) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
}

TEST_F(FinderCursorFile, DamagedOrForeignBytesGiveNothing) {
    ASSERT_EQ(file.size(), 3262u);
    EXPECT_FALSE(host::iconFromFile(host::ByteSpan()));
    EXPECT_FALSE(host::cursorFromFile(host::ByteSpan()));
    std::vector<unsigned char> truncated(file.begin(), file.begin() + 1000);
    EXPECT_FALSE(host::iconFromFile(span(truncated)));  // the image runs past the end
    EXPECT_FALSE(host::cursorFromFile(span(truncated)));
    std::vector<unsigned char> badOffset = file;
    badOffset[18] = 0xFF;  // image offset far beyond the file
    badOffset[19] = 0xFF;
    EXPECT_FALSE(host::cursorFromFile(span(badOffset)));
    const std::vector<unsigned char> jpegStart = {0xFF, 0xD8, 0xFF, 0xE0, 0, 0x10, 'J', 'F', 'I', 'F', 0, 1, 1, 0,
                                                  0,    1,    0,    1,    0, 0,    0,   0};
    EXPECT_FALSE(host::iconFromFile(span(jpegStart)));
}

}  // namespace
