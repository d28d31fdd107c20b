// The finder's inverted frame, drawn on the real screen.
#include <gtest/gtest.h>

#include <vector>

#include "bosskey_app.h"
#include "host/handles.h"
#include "screen_pixels.h"

namespace {

using testscreen::readScreen;

// A window painted in stripes, so inversions show everywhere.
class PatternWindow {
public:
    explicit PatternWindow(RECT r) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "InvertFramePattern";
        RegisterClassA(&wc);
        hwnd_ = CreateWindowExA(WS_EX_TOPMOST, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE, r.left, r.top,
                                r.right - r.left, r.bottom - r.top, nullptr, nullptr, wc.hInstance, nullptr);
        UpdateWindow(hwnd_);
        pump();
    }
    ~PatternWindow() { DestroyWindow(hwnd_); }
    static void pump() {
        MSG m;
        for (int i = 0; i < 20; ++i) {
            while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
            Sleep(10);
        }
    }

private:
    static LRESULT CALLBACK proc(HWND h, UINT m, WPARAM w, LPARAM l) {
        if (m != WM_PAINT) return DefWindowProcA(h, m, w, l);
        host::PaintDC dc(h);
        RECT r{};
        GetClientRect(h, &r);
        for (int x = 0; x < r.right; x += 4) {
            RECT stripe{x, 0, x + 4, r.bottom};
            host::GdiObject<HBRUSH> brush(CreateSolidBrush(RGB(x * 3 % 256, 90, 255 - x % 256)));
            FillRect(dc, &stripe, brush.get());
        }
        return 0;
    }
    HWND hwnd_ = nullptr;
};

class InvertFrame : public ::testing::Test {
protected:
    const RECT area{200, 200, 400, 330};  // screen area under test
    PatternWindow pattern{area};
};

TEST_F(InvertFrame, InvertsThreePixelBandsInsideTheRectangleAndTwiceRestores) {
    const std::vector<DWORD> before = readScreen(area);
    const RECT frame{220, 210, 380, 300};  // inside the pattern window
    host::DisplayDC display;
    bosskey::invertFrame(display, frame);
    const std::vector<DWORD> once = readScreen(area);

    const int w = area.right - area.left;
    auto at = [&](const std::vector<DWORD>& pixels, int x, int y) {
        return pixels[static_cast<size_t>((y - area.top) * w + (x - area.left))] & 0xFFFFFF;
    };
    auto inverted = [&](int x, int y) { return at(once, x, y) == (~at(before, x, y) & 0xFFFFFF); };
    auto unchanged = [&](int x, int y) { return at(once, x, y) == at(before, x, y); };

    // The right and bottom bands are drawn with negative extents from
    // `right` and `bottom`. Wine counts the start column (row) in, so they
    // land one pixel further out than the three pixels inside the edge;
    // both ways a band is three pixels wide and covers the two pixels
    // next to the edge.
    int bandPixels = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            const bool top = y >= frame.top && y < frame.top + 3 && x >= frame.left && x < frame.right;
            const bool left = x >= frame.left && x < frame.left + 3 && y >= frame.top + 3 && y < frame.bottom - 3;
            const bool right = x >= frame.right - 3 && x <= frame.right && y >= frame.top + 3 && y < frame.bottom - 3;
            const bool bottom = y >= frame.bottom - 3 && y <= frame.bottom && x >= frame.left && x < frame.right;
            if (top || left) {
                ASSERT_TRUE(inverted(x, y)) << "band pixel " << x << "," << y;
            } else if (right || bottom) {
                ASSERT_TRUE(inverted(x, y) || unchanged(x, y)) << x << "," << y;
                const bool nextToEdge = right ? (x == frame.right - 2 || x == frame.right - 1)
                                              : (y == frame.bottom - 2 || y == frame.bottom - 1);
                if (nextToEdge) {
                    ASSERT_TRUE(inverted(x, y)) << "band pixel " << x << "," << y;
                }
            } else {
                ASSERT_TRUE(unchanged(x, y)) << "pixel outside the bands " << x << "," << y;
            }
            if (inverted(x, y)) ++bandPixels;
        }
    }
    EXPECT_EQ(bandPixels, 2 * 160 * 3 + 2 * (90 - 6) * 3);

    bosskey::invertFrame(display, frame);
    EXPECT_EQ(readScreen(area), before);
}

TEST_F(InvertFrame, EmptyRectangleDrawsNothing) {
    const std::vector<DWORD> before = readScreen(area);
    host::DisplayDC display;
    const RECT empties[] = {{250, 250, 250, 300}, {250, 250, 300, 250}, {300, 300, 250, 250}, {0, 0, 0, 0}};
    for (const RECT& r : empties) bosskey::invertFrame(display, r);
    EXPECT_EQ(readScreen(area), before);
}

}  // namespace
