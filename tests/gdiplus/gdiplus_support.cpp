#include "gdiplus_support.h"

#include <cstdio>
#include <cstdlib>

namespace gdiptest {

namespace {

class GdiplusEnvironment : public testing::Environment {
public:
    void SetUp() override {
        Gdiplus::GdiplusStartupInput input;
        ASSERT_EQ(Gdiplus::Ok, Gdiplus::GdiplusStartup(&token_, &input, nullptr));
    }
    void TearDown() override { Gdiplus::GdiplusShutdown(token_); }

private:
    ULONG_PTR token_ = 0;
};

[[maybe_unused]] testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new GdiplusEnvironment);

}  // namespace

Channels channels(gdip::ARGB colour) {
    return {static_cast<int>(colour >> 24), static_cast<int>((colour >> 16) & 0xFF),
            static_cast<int>((colour >> 8) & 0xFF), static_cast<int>(colour & 0xFF)};
}

std::string hex(gdip::ARGB colour) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(colour));
    return text;
}

testing::AssertionResult pixelNear(gdip::ARGB actual, gdip::ARGB expected, int tolerance) {
    const Channels a = channels(actual);
    const Channels e = channels(expected);
    if (std::abs(a.a - e.a) <= tolerance && std::abs(a.r - e.r) <= tolerance &&
        std::abs(a.g - e.g) <= tolerance && std::abs(a.b - e.b) <= tolerance) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure()
           << hex(actual) << " is not within " << tolerance << " of " << hex(expected);
}

Canvas::Canvas(int width, int height) {
    EXPECT_TRUE(bitmap.create(width, height));
    EXPECT_TRUE(graphics.createFromImage(bitmap));
}

}  // namespace gdiptest
