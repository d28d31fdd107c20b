// Shared helpers of the GDI+ layer tests: GDI+ is started once for the test
// executable (and shut down after the last test), pixels are compared per
// channel with a tolerance.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "gdiplus/gdip.h"

namespace gdiptest {

// The four channels of an ARGB value.
struct Channels {
    int a, r, g, b;
};
Channels channels(gdip::ARGB colour);

// Every channel of `actual` within `tolerance` of `expected`.
testing::AssertionResult pixelNear(gdip::ARGB actual, gdip::ARGB expected, int tolerance);

// A blank 32-bit ARGB bitmap with a Graphics drawing into it.
struct Canvas {
    gdip::Bitmap bitmap;
    gdip::Graphics graphics;
    Canvas(int width, int height);
    gdip::ARGB pixel(int x, int y) const { return bitmap.getPixel(x, y); }
};

std::string hex(gdip::ARGB colour);

}  // namespace gdiptest
