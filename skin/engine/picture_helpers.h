// Preparing a picture handed to the skin engine: its average colour from
// random samples, its edges faded into a colour, and GDI+ pixel values in
// Windows colour order.
#pragma once

#include "engine/control_entries.h"

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

namespace skin {

// The pixel's red, green and blue as a COLORREF (top byte 0); its alpha goes
// to alphaOut.
COLORREF argbToColorref(std::uint32_t argb, std::uint8_t& alphaOut);

// Whole days from 30 December 1899 to the given date (the day count of
// OLE automation dates, 1 January 1900 being day 2).
int daysSinceDayZero(const SYSTEMTIME& date);

// Average colour of the picture (red in bits 0-7, green 8-15, blue 16-23,
// 255 in bits 24-31) from sampleCount pixels drawn at random. With a margin
// of at least 1 only the last marginX columns (marginY rows) are sampled.
// The positions depend only on the local date, so calls on the same day
// sample the same pixels. The picture comes from fileName when that is not
// empty, else from the bytes. A picture that cannot be decoded averages to
// opaque black (0xFF000000).
std::uint32_t pictureAverageColour(const Bytes& picture, int sampleCount, int marginX = 0, int marginY = 0,
                                   const std::string& fileName = {});

// The picture with its bottom edge and one side edge faded into `colour`
// over a band of fadeSize pixels (default 30% of the width): the right edge
// when direction is non-zero, the left edge when it is 0. The result is
// always a PNG file of the picture's pixel size; empty when the picture
// cannot be decoded.
Bytes fadePictureEdges(const Bytes& picture, std::optional<int> fadeSize = std::nullopt, COLORREF colour = 0,
                       int direction = 1, const std::string& fileName = {});

} // namespace skin
