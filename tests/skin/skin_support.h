// Shared ground of the skin tests: the engine is created once per test
// program with the complete method table, GDI+ runs throughout, and small
// pictures are made on the spot.
#pragma once

#include "engine/control_entries.h"
#include "engine/skin_engine.h"
#include "engine/window_registry.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace skintest {

// The engine made by the test environment.
skin::SkinEngine& engine();
// What the thunks pass as `this`.
skin::EngineThis engineThis();

// A rectangle of a picture and the ARGB colour it is filled with.
struct Fill {
    int x, y, w, h;
    std::uint32_t argb;
};

// A w x h picture, transparent except for the fills (in order), encoded in
// the given format (braces text of an image format GUID).
skin::Bytes makePicture(int w, int h, const std::vector<Fill>& fills, const char* format);

// ARGB of one pixel of an encoded picture, 0 when it cannot be decoded.
std::uint32_t picturePixel(const skin::Bytes& picture, int x, int y);
SIZE pictureSize(const skin::Bytes& picture);

// Appends a record for the window to the registry and sets its "Hw_lbID";
// returns its index.
int addRecord(HWND hwnd);

// Resizes a window so that its client area is w x h.
void setClientSize(HWND hwnd, int w, int h);

// Colours whose channels differ by at most `tolerance`.
bool closeTo(COLORREF a, COLORREF b, int tolerance = 12);
// A pixel of a window as it is on the screen.
COLORREF screenPixel(HWND hwnd, int x, int y);

// A 320 x 240 host window, not yet skinned, over an engine background of
// plain green with control veils on at opacity 50, and a "SimSun" 12 font
// for its children. skinAndShow() takes it over, shows it without
// activation and renders its cache.
class VeiledHostWindow : public testing::Test {
public:
    static constexpr COLORREF kBackground = RGB(0, 0xFF, 0);

protected:

    void SetUp() override;
    void TearDown() override;

    HWND child(const char* className, DWORD style, int x, int y, int w, int h, const char* text = "",
               HWND parent = nullptr);
    void skinAndShow();
    skin::WindowRecord& record() { return *skin::windowRecordAt(index); }

    HWND window = nullptr;
    int index = 0;
    HFONT font = nullptr;
};

} // namespace skintest
