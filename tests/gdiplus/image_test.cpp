// Pictures: loading JPEG and PNG bytes and files, the stream kept with the
// image, saving back to bytes, GDI bitmaps and icons, the byte-buffer stream.
#include "codepage.h"
#include "gdiplus_support.h"
#include "picture_fixtures.h"

#include <psapi.h>

#include <cstdio>
#include <cstring>

using namespace gdip;
using gdiptest::pixelNear;

namespace {

const ARGB kPngPixels[3][4] = {
    {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF},
    {0xFF000000, 0xFF0A141E, 0xFFC86432, 0xFF5A5A5A},
    {0xFFFFFF00, 0xFF00FFFF, 0xFFFF00FF, 0x80285078},
};

void expectPngPixels(const Bitmap& bitmap) {
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 4; ++x) {
            EXPECT_TRUE(pixelNear(bitmap.getPixel(x, y), kPngPixels[y][x], 1))
                << "pixel " << x << "," << y;
        }
    }
}

Bytes pngBytes() { return Bytes(kPngPicture, kPngPicture + sizeof kPngPicture); }

// Private (committed, unshared) bytes of the process. Wine reports them as
// PagefileUsage only, which on Windows equals PrivateUsage.
SIZE_T privateBytes() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                         sizeof counters);
    return counters.PrivateUsage > counters.PagefileUsage ? counters.PrivateUsage
                                                          : counters.PagefileUsage;
}

}  // namespace

TEST(GdipPicture, PngBytesGiveTheirSizeAndPixels) {
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.createFromBytes(pngBytes()));
    EXPECT_EQ(4u, bitmap.getWidth());
    EXPECT_EQ(3u, bitmap.getHeight());
    expectPngPixels(bitmap);
}

TEST(GdipPicture, JpegBytesGiveTheirSizeAndPixels) {
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.createFromBytes(kJpegPicture, sizeof kJpegPicture));
    EXPECT_EQ(16u, bitmap.getWidth());
    EXPECT_EQ(16u, bitmap.getHeight());
    // Lossy: interior pixels of each half are close to the colour encoded.
    for (int y : {3, 12}) {
        EXPECT_TRUE(pixelNear(bitmap.getPixel(3, y), 0xFFC81E1E, 12));
        EXPECT_TRUE(pixelNear(bitmap.getPixel(12, y), 0xFF1E3CC8, 12));
    }
}

TEST(GdipPicture, ImageLoadedFromBytesKeepsItsStreamUntilDisposed) {
    Image image;
    ASSERT_TRUE(image.loadFromBytes(kJpegPicture, sizeof kJpegPicture));
    IStream* stream = image.stream().stream();
    ASSERT_NE(nullptr, stream);
    EXPECT_EQ(sizeof kJpegPicture, image.stream().size());

    stream->AddRef();
    EXPECT_TRUE(image.disposeImage());
    EXPECT_EQ(nullptr, image.stream().stream());
    EXPECT_EQ(nullptr, image.stream().global());
    // Neither GDI+ nor the wrapper holds the stream any more.
    EXPECT_EQ(0u, stream->Release());
}

TEST(GdipPicture, LoadDeleteSoakDoesNotGrowPrivateMemory) {
    // Each cycle copies the JPEG into a stream and decodes it, as an Image
    // or as a Bitmap, deleted explicitly or left to the destructor.
    auto cycle = [](int i) {
        const bool explicitDelete = (i / 2) % 2 == 0;
        if (i % 2 == 0) {
            Image image;
            ASSERT_TRUE(image.loadFromBytes(kJpegPicture, sizeof kJpegPicture));
            if (explicitDelete) {
                EXPECT_TRUE(image.disposeImage());
            }
        } else {
            Bitmap bitmap;
            ASSERT_TRUE(bitmap.createFromBytes(kJpegPicture, sizeof kJpegPicture));
            if (explicitDelete) {
                EXPECT_TRUE(bitmap.disposeImage());
            }
        }
    };
    for (int i = 0; i < 200; ++i) cycle(i);  // let the heaps settle
    const SIZE_T before = privateBytes();
    ASSERT_GT(before, 0u);
    for (int i = 0; i < 10000; ++i) {
        cycle(i);
        if (HasFatalFailure()) return;
    }
    const SIZE_T after = privateBytes();
    const long long growth = static_cast<long long>(after) - static_cast<long long>(before);
    std::printf("private memory: %lu KB before, %lu KB after 10000 cycles\n",
                static_cast<unsigned long>(before / 1024),
                static_cast<unsigned long>(after / 1024));
    EXPECT_LT(growth, 1024 * 1024);
}

TEST(GdipPicture, PngSaveAndReloadKeepsSizeAndPixels) {
    Bitmap original;
    ASSERT_TRUE(original.createFromBytes(pngBytes()));
    const Bytes saved = original.saveToBytes(kPngFormat);
    ASSERT_GT(saved.size(), 8u);
    EXPECT_EQ(0, std::memcmp(saved.data(), "\x89PNG", 4));

    Bitmap reloaded;
    ASSERT_TRUE(reloaded.createFromBytes(saved));
    EXPECT_EQ(4u, reloaded.getWidth());
    EXPECT_EQ(3u, reloaded.getHeight());
    expectPngPixels(reloaded);
}

TEST(GdipPicture, SaveWithoutFormatUsesThePicturesOwnFormat) {
    struct Case {
        const unsigned char* bytes;
        std::size_t size;
        const char* format;
        const char* magic;
    };
    const Case cases[] = {
        {kPngPicture, sizeof kPngPicture, kPngFormat, "\x89PNG"},
        {kJpegPicture, sizeof kJpegPicture, kJpegFormat, "\xFF\xD8\xFF"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        Image image;
        ASSERT_TRUE(image.loadFromBytes(c.bytes, c.size));
        std::string used;
        const Bytes saved = image.saveToBytes({}, {}, &used);
        EXPECT_EQ(c.format, used);
        ASSERT_GT(saved.size(), 4u);
        EXPECT_EQ(0, std::memcmp(saved.data(), c.magic, std::strlen(c.magic)));
    }
}

TEST(GdipPicture, SaveFindsTheEncoderByFormatTextOrGivesEmptyBytes) {
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.create(5, 5));

    // No encoder for this format: nothing is written, and the status says so.
    EXPECT_TRUE(bitmap.saveToBytes("{00000000-0000-0000-0000-000000000001}").empty());
    EXPECT_NE(Gdiplus::Ok, lastStatus);
    EXPECT_TRUE(bitmap.saveToBytes("not a format").empty());

    // The GUID text matches whatever the case of its letters.
    EXPECT_FALSE(bitmap.saveToBytes("{b96b3caf-0728-11d3-9d7b-0000f81ef32e}").empty());

    // A parameter list with one empty entry (as the background loader passes)
    // still gives a PNG.
    const Bytes withEmptyParam = bitmap.saveToBytes(kPngFormat, {EncoderParam{}});
    ASSERT_GT(withEmptyParam.size(), 4u);
    EXPECT_EQ(0, std::memcmp(withEmptyParam.data(), "\x89PNG", 4));
}

TEST(GdipBitmap, BlankBitmapIs32BitArgbAndStartsTransparent) {
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.create(7, 3));
    EXPECT_EQ(0x26200Au, bitmap.getPixelFormat());
    EXPECT_EQ(0u, bitmap.getPixel(6, 2));
}

TEST(GdipBitmap, GdiBitmapRoundTrip) {
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.create(4, 4));
    ASSERT_TRUE(bitmap.setPixel(1, 2, 0xFF102030));

    HBITMAP gdiBitmap = bitmap.getHBITMAP(0);
    ASSERT_NE(nullptr, gdiBitmap);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 4;
    info.bmiHeader.biHeight = -4;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    DWORD bits[16] = {};
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(4, GetDIBits(screen, gdiBitmap, 0, 4, bits, &info, DIB_RGB_COLORS));
    ReleaseDC(nullptr, screen);
    // Over a background of 0 the untouched pixels stay all zero bytes.
    EXPECT_EQ(0u, bits[0]);
    EXPECT_EQ(0xFF102030u, bits[2 * 4 + 1]);

    Bitmap fromGdi;
    ASSERT_TRUE(fromGdi.createFromHBITMAP(gdiBitmap));
    EXPECT_EQ(0x102030u, fromGdi.getPixel(1, 2) & 0xFFFFFFu);
    DeleteObject(gdiBitmap);
}

TEST(GdipMemoryStream, HoldsCopiesAndHandsOverBytes) {
    const BYTE bytes[] = {1, 2, 3, 4, 5};
    MemoryStream stream;

    // A longer length is zero-filled past the bytes; a shorter one cuts them.
    ASSERT_NE(nullptr, stream.create(bytes, sizeof bytes, 8));
    EXPECT_EQ((Bytes{1, 2, 3, 4, 5, 0, 0, 0}), stream.toBytes());
    ASSERT_NE(nullptr, stream.create(bytes, sizeof bytes, 2));
    EXPECT_EQ((Bytes{1, 2}), stream.toBytes());
    EXPECT_EQ(2u, stream.size());

    // Written through the stream: the bytes are what was written, even when
    // the block behind it is larger.
    ASSERT_NE(nullptr, stream.create(nullptr, 0));
    ULONG written = 0;
    ASSERT_EQ(S_OK, stream.stream()->Write(bytes, sizeof bytes, &written));
    EXPECT_EQ((Bytes(bytes, bytes + 5)), stream.toBytes());

    // Attached: a stream made elsewhere, with its block.
    IStream* foreign = nullptr;
    ASSERT_EQ(S_OK, CreateStreamOnHGlobal(nullptr, FALSE, &foreign));
    ASSERT_EQ(S_OK, foreign->Write(bytes, 3, &written));
    EXPECT_TRUE(stream.attach(foreign));
    EXPECT_EQ((Bytes{1, 2, 3}), stream.toBytes());

    stream.release();
    EXPECT_EQ(nullptr, stream.stream());
    EXPECT_EQ(0u, stream.size());
    EXPECT_TRUE(stream.toBytes().empty());
}

TEST(GdipPicture, FilesWithChineseNamesLoadAsImageAndAsBitmap) {
    ASSERT_CODE_PAGE_936();
    char directory[MAX_PATH] = {};
    ASSERT_NE(0u, GetTempPathA(MAX_PATH, directory));
    const std::string fileName = std::string(directory) + "背景图片.png";
    HANDLE file = CreateFileA(fileName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    DWORD written = 0;
    WriteFile(file, kPngPicture, sizeof kPngPicture, &written, nullptr);
    CloseHandle(file);

    {
        Image image;
        ASSERT_TRUE(image.loadFromFile(fileName));
        EXPECT_EQ(4u, image.getWidth());
        Bitmap bitmap;
        ASSERT_TRUE(bitmap.createFromFile(fileName));
        expectPngPixels(bitmap);
        Bitmap missing;
        EXPECT_FALSE(missing.createFromFile(std::string(directory) + "没有这个文件.png"));
        EXPECT_TRUE(missing.isEmpty());
    }  // GDI+ keeps the file open until the pictures are gone
    EXPECT_TRUE(DeleteFileA(fileName.c_str()));
}

TEST(GdipPicture, RotateFlipMirrorsInPlace) {
    Bitmap bitmap;
    ASSERT_TRUE(bitmap.createFromBytes(pngBytes()));
    ASSERT_TRUE(bitmap.rotateFlip(Gdiplus::RotateNoneFlipX));
    EXPECT_EQ(4u, bitmap.getWidth());
    EXPECT_TRUE(pixelNear(bitmap.getPixel(3, 0), kPngPixels[0][0], 1));
    EXPECT_TRUE(pixelNear(bitmap.getPixel(0, 2), kPngPixels[2][3], 1));
}

TEST(GdipBitmap, FromIconKeepsItsColours) {
    // A 16 x 16 icon, opaque orange: a 32-bit colour bitmap and a clear mask.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 16;
    info.bmiHeader.biHeight = -16;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP colour = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(nullptr, colour);
    for (int i = 0; i < 256; ++i) static_cast<DWORD*>(bits)[i] = 0xFFFF8000;
    HBITMAP mask = CreateBitmap(16, 16, 1, 1, nullptr);
    ICONINFO iconInfo{TRUE, 0, 0, mask, colour};
    HICON icon = CreateIconIndirect(&iconInfo);
    ASSERT_NE(nullptr, icon);

    Bitmap bitmap;
    ASSERT_TRUE(bitmap.createFromHICON(icon));
    EXPECT_EQ(16u, bitmap.getWidth());
    EXPECT_EQ(16u, bitmap.getHeight());
    EXPECT_TRUE(pixelNear(bitmap.getPixel(8, 8), 0xFFFF8000, 1));

    DestroyIcon(icon);
    DeleteObject(mask);
    DeleteObject(colour);
}
