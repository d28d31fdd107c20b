// Average colour, edge fading and colour-order conversion of pictures.
#include "engine/picture_helpers.h"
#include "gdiplus/gdip.h"
#include "skin_support.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>

using namespace skin;
using skintest::Fill;
using skintest::makePicture;
using skintest::picturePixel;

namespace {

constexpr std::uint32_t kOpaqueBlack = 0xFF000000u;

TEST(ArgbToColorref, SwapsRedAndBlueAndHandsOutTheAlpha) {
    struct Case {
        std::uint32_t argb;
        COLORREF colour;
        std::uint8_t alpha;
    } cases[] = {
        {0x80123456u, 0x563412u, 0x80},
        {0xFFFF0000u, 0x0000FFu, 0xFF},
        {0x00FFFFFFu, 0xFFFFFFu, 0x00},
        {0xFF000000u, 0x000000u, 0xFF},
    };
    for (const auto& c : cases) {
        std::uint8_t alpha = 0x5A;
        EXPECT_EQ(argbToColorref(c.argb, alpha), c.colour) << std::hex << c.argb;
        EXPECT_EQ(alpha, c.alpha) << std::hex << c.argb;
    }
}

TEST(DaysSinceDayZero, CountsLikeAutomationDates) {
    struct Case {
        WORD year, month, day;
        int days;
    } cases[] = {
        {1899, 12, 30, 0}, {1899, 12, 31, 1}, {1900, 1, 1, 2},       {1900, 3, 1, 61},
        {2000, 1, 1, 36526}, {2000, 3, 1, 36586}, {2026, 12, 11, 46367},
    };
    for (const auto& c : cases) {
        SYSTEMTIME date{};
        date.wYear = c.year;
        date.wMonth = c.month;
        date.wDay = c.day;
        EXPECT_EQ(daysSinceDayZero(date), c.days) << c.year << "-" << c.month << "-" << c.day;
    }
}

TEST(PictureAverageColour, SingleColourPictureGivesItsColourWhateverTheMargins) {
    // ARGB 0xFF336699: red 0x33, green 0x66, blue 0x99.
    const Bytes picture = makePicture(60, 40, {{0, 0, 60, 40, 0xFF336699u}}, gdip::kPngFormat);
    const std::uint32_t expected = 0x33u | (0x66u << 8) | (0x99u << 16) | kOpaqueBlack;
    const struct {
        int marginX, marginY;
    } margins[] = {{0, 0}, {10, 0}, {0, 5}, {1, 1}, {500, 500}, {-3, -3}};
    for (const auto& m : margins)
        EXPECT_EQ(pictureAverageColour(picture, 2000, m.marginX, m.marginY), expected)
            << m.marginX << ", " << m.marginY;
}

TEST(PictureAverageColour, MarginsSampleOnlyTheLastColumnsOrRows) {
    // Red everywhere except the last 10 columns (blue) and the last 6 rows (green).
    const Bytes picture = makePicture(100, 50,
                                      {{0, 0, 100, 50, 0xFFFF0000u},
                                       {90, 0, 10, 44, 0xFF0000FFu},
                                       {0, 44, 100, 6, 0xFF00FF00u}},
                                      gdip::kPngFormat);
    // The last 6 rows are all green; the last 10 columns are blue above the
    // green rows and never red.
    EXPECT_EQ(pictureAverageColour(picture, 500, 0, 6), 0x00FF00u | kOpaqueBlack);
    const std::uint32_t lastColumns = pictureAverageColour(picture, 2000, 10, 0);
    EXPECT_EQ(lastColumns & 0xFF, 0u) << "no red outside the last 10 columns";
    EXPECT_GT((lastColumns >> 16) & 0xFF, 150u) << "mostly blue";
}

TEST(PictureAverageColour, HalfBlackHalfWhiteAveragesNearGreyAndRepeatsWithinTheDay) {
    const Bytes picture = makePicture(200, 100, {{0, 0, 100, 100, 0xFF000000u}, {100, 0, 100, 100, 0xFFFFFFFFu}},
                                      gdip::kJpegFormat);
    const std::uint32_t first = pictureAverageColour(picture, 2000);
    EXPECT_EQ(pictureAverageColour(picture, 2000), first);
    const int red = first & 0xFF, green = (first >> 8) & 0xFF, blue = (first >> 16) & 0xFF;
    EXPECT_NEAR(red, 128, 25);
    EXPECT_NEAR(green, 128, 25);
    EXPECT_NEAR(blue, 128, 25);
    EXPECT_EQ(first >> 24, 0xFFu);
}

TEST(PictureAverageColour, FileNameTakesPrecedenceOverTheBytes) {
    char directory[MAX_PATH] = {}, path[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, directory);
    GetTempFileNameA(directory, "avg", 0, path);
    const Bytes onDisk = makePicture(16, 16, {{0, 0, 16, 16, 0xFF00FF00u}}, gdip::kPngFormat);
    FILE* file = std::fopen(path, "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(onDisk.data(), 1, onDisk.size(), file);
    std::fclose(file);

    const Bytes inMemory = makePicture(16, 16, {{0, 0, 16, 16, 0xFFFF0000u}}, gdip::kPngFormat);
    EXPECT_EQ(pictureAverageColour(inMemory, 100, 0, 0, path), 0x00FF00u | kOpaqueBlack);
    DeleteFileA(path);
}

TEST(PictureAverageColour, UndecodablePictureAndZeroSamplesDoNotFail) {
    EXPECT_EQ(pictureAverageColour(Bytes{1, 2, 3, 4}, 2000), kOpaqueBlack);
    EXPECT_EQ(pictureAverageColour(Bytes{}, 2000), kOpaqueBlack);
    const Bytes picture = makePicture(8, 8, {{0, 0, 8, 8, 0xFF102030u}}, gdip::kPngFormat);
    EXPECT_EQ(pictureAverageColour(picture, 0), 0x302010u | kOpaqueBlack);
}

// ---- edge fading ----------------------------------------------------------------

constexpr std::uint32_t kBlue = 0xFF0000FFu;
constexpr COLORREF kRedColorref = 0x0000FF;

bool isPng(const Bytes& bytes) {
    static const std::uint8_t signature[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    return bytes.size() > sizeof signature && std::equal(std::begin(signature), std::end(signature), bytes.begin());
}

std::uint32_t redOf(std::uint32_t argb) { return (argb >> 16) & 0xFF; }
std::uint32_t blueOf(std::uint32_t argb) { return argb & 0xFF; }

struct Sample {
    int x, y;
    bool faded;  // close to the fade colour; otherwise the picture unchanged
};

void expectSamples(const Bytes& result, const std::vector<Sample>& samples) {
    for (const Sample& s : samples) {
        const std::uint32_t pixel = picturePixel(result, s.x, s.y);
        if (s.faded) {
            EXPECT_GT(redOf(pixel), 200u) << "at " << s.x << ", " << s.y;
            EXPECT_LT(blueOf(pixel), 60u) << "at " << s.x << ", " << s.y;
        } else {
            EXPECT_EQ(pixel, kBlue) << "at " << s.x << ", " << s.y;
        }
    }
}

TEST(FadePictureEdges, FadesTheChosenSideAndTheBottomIntoTheColour) {
    const Bytes picture = makePicture(200, 100, {{0, 0, 200, 100, kBlue}}, gdip::kPngFormat);
    struct Case {
        const char* name;
        std::optional<int> fadeSize;
        int direction;
        std::vector<Sample> samples;
    } cases[] = {
        // Default band: 30% of 200 = 60 pixels on the side and at the bottom.
        {"right, default band", std::nullopt, 1,
         {{199, 10, true}, {199, 40, true}, {139, 10, false}, {0, 10, false}, {100, 99, true}, {100, 39, false}}},
        {"left, default band", std::nullopt, 0,
         {{0, 10, true}, {199, 10, false}, {61, 10, false}, {100, 99, true}, {100, 39, false}}},
        {"any non-zero direction is right", std::nullopt, 7, {{199, 10, true}, {0, 10, false}}},
        {"band of 20", 20, 1, {{199, 10, true}, {179, 10, false}, {100, 99, true}, {100, 79, false}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Bytes result = fadePictureEdges(picture, c.fadeSize, kRedColorref, c.direction);
        ASSERT_TRUE(isPng(result));
        expectSamples(result, c.samples);
    }
}

TEST(FadePictureEdges, AlwaysGivesPngOfThePictureSize) {
    const Bytes jpeg = makePicture(120, 70, {{0, 0, 120, 70, 0xFF808080u}}, gdip::kJpegFormat);
    const Bytes result = fadePictureEdges(jpeg);
    ASSERT_TRUE(isPng(result));
    const SIZE size = skintest::pictureSize(result);
    EXPECT_EQ(size.cx, 120);
    EXPECT_EQ(size.cy, 70);
}

TEST(FadePictureEdges, UndecodablePictureGivesNoBytes) {
    EXPECT_TRUE(fadePictureEdges(Bytes{1, 2, 3}).empty());
    EXPECT_TRUE(fadePictureEdges(Bytes{}).empty());
}

} // namespace
