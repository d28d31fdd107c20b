#include "engine/picture_helpers.h"

#include "engine/drawing_primitives.h"
#include "gdiplus/gdip.h"

#include <algorithm>

namespace skin {
namespace {

// Days from 1 March of year 0 (proleptic Gregorian) to the given date.
int civilDayNumber(int year, int month, int day) {
    if (month <= 2) --year;
    const int era = (year >= 0 ? year : year - 399) / 400;
    const int yearOfEra = year - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra;
}

int todaysDayNumber() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return daysSinceDayZero(now);
}

// The sampler's pseudo-random generator (splitmix64). Its output mixes every
// bit of the seed, so the nearby seeds of consecutive samples still land
// anywhere in the picture; a plain linear-congruential generator would put
// the first draws after seeds T + i on a narrow band.
class SampleGenerator {
public:
    void seed(std::uint64_t value) { state_ = value; }
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

private:
    std::uint64_t state_ = 0;
};

// One uniform draw from [low, high] after reseeding the generator.
int drawAfterReseed(SampleGenerator& generator, std::uint64_t seed, int low, int high) {
    generator.seed(seed);
    const std::uint64_t span = static_cast<std::uint64_t>(high - low) + 1;
    return low + static_cast<int>(generator.next() % span);
}

bool loadBitmap(gdip::Bitmap& bitmap, const Bytes& picture, const std::string& fileName) {
    return fileName.empty() ? bitmap.createFromBytes(picture) : bitmap.createFromFile(fileName);
}

bool loadImage(gdip::Image& image, const Bytes& picture, const std::string& fileName) {
    return fileName.empty() ? image.loadFromBytes(picture) : image.loadFromFile(fileName);
}

// The last `margin` of `extent` positions when margin >= 1, else all of them.
// A margin wider than the picture covers the whole picture.
std::pair<int, int> sampleRange(int extent, int margin) {
    const int first = margin >= 1 ? std::max(0, extent - margin) : 0;
    return {first, extent - 1};
}

void fillGradient(gdip::Graphics& graphics, gdip::PointF from, gdip::PointF to, std::uint32_t fromColour,
                  std::uint32_t toColour, const gdip::RectF& area) {
    gdip::LinearGradientBrush brush;
    if (!brush.create(from, to, fromColour, toColour)) return;
    graphics.fillRectangle(brush, area);
}

} // namespace

COLORREF argbToColorref(std::uint32_t argb, std::uint8_t& alphaOut) {
    alphaOut = static_cast<std::uint8_t>(argb >> 24);
    const std::uint32_t red = (argb >> 16) & 0xFF, green = (argb >> 8) & 0xFF, blue = argb & 0xFF;
    return red | (green << 8) | (blue << 16);
}

int daysSinceDayZero(const SYSTEMTIME& date) {
    return civilDayNumber(date.wYear, date.wMonth, date.wDay) - civilDayNumber(1899, 12, 30);
}

std::uint32_t pictureAverageColour(const Bytes& picture, int sampleCount, int marginX, int marginY,
                                   const std::string& fileName) {
    constexpr std::uint32_t kOpaque = 0xFF000000u;
    gdip::Bitmap bitmap;
    if (!loadBitmap(bitmap, picture, fileName)) return kOpaque;
    const int width = static_cast<int>(bitmap.getWidth()), height = static_cast<int>(bitmap.getHeight());
    if (width < 1 || height < 1) return kOpaque;
    // No sample at all would divide by zero; the least is one.
    const int samples = std::max(sampleCount, 1);
    const auto [firstColumn, lastColumn] = sampleRange(width, marginX);
    const auto [firstRow, lastRow] = sampleRange(height, marginY);

    const std::uint64_t day = static_cast<std::uint64_t>(todaysDayNumber());
    SampleGenerator generator;
    long long red = 0, green = 0, blue = 0;
    for (int i = 1; i <= samples; ++i) {
        const int x = drawAfterReseed(generator, day + 3u * unsigned(i), firstColumn, lastColumn);
        const int y = drawAfterReseed(generator, day + unsigned(i), firstRow, lastRow);
        std::uint8_t alpha = 0;
        const COLORREF pixel = argbToColorref(bitmap.getPixel(x, y), alpha);
        red += GetRValue(pixel);
        green += GetGValue(pixel);
        blue += GetBValue(pixel);
    }
    const auto average = [samples](long long sum) { return static_cast<std::uint32_t>(sum / samples); };
    return average(red) | (average(green) << 8) | (average(blue) << 16) | kOpaque;
}

Bytes fadePictureEdges(const Bytes& picture, std::optional<int> fadeSize, COLORREF colour, int direction,
                       const std::string& fileName) {
    gdip::Image image;
    if (!loadImage(image, picture, fileName)) return {};
    const int width = static_cast<int>(image.getWidth()), height = static_cast<int>(image.getHeight());
    gdip::Bitmap faded;
    if (!faded.create(width, height, PixelFormat32bppARGB)) return {};
    {
        gdip::Graphics graphics;
        if (!graphics.createFromImage(faded)) return {};
        graphics.setCompositingQuality(Gdiplus::CompositingQualityGammaCorrected);
        graphics.drawImageRect(image, 0, 0, float(width), float(height));

        const float w = float(width), h = float(height);
        const float f = float(fadeSize ? *fadeSize : static_cast<int>(0.3 * width));
        const std::uint32_t clearWhite = toArgb(0xFFFFFF, 0);
        const std::uint32_t solid = toArgb(colour, 255), clear = toArgb(colour, 0);
        if (direction != 0)
            fillGradient(graphics, {w - f, 0}, {w, 0}, clearWhite, solid, {w - f + 1, 0, f, h});
        else
            fillGradient(graphics, {0, 0}, {f, 0}, solid, clearWhite, {0, 0, f, h});
        fillGradient(graphics, {0, h - f}, {0, h}, clear, solid, {0, h - f + 1, w, f});
    }
    return faded.saveToBytes(gdip::kPngFormat);
}

} // namespace skin
