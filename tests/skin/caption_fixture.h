// A skinned-looking window for the caption tests: a record with minimise,
// maximise and close buttons laid out on a 400 x 300 client area, a cache
// and a clean caption-strip copy in plain colours, and a window procedure
// that hands the caption mouse messages to the engine's handlers and keeps
// the system commands it receives instead of carrying them out.
#pragma once

#include "engine/skin_engine.h"
#include "engine/window_registry.h"
#include "skin_support.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <vector>

namespace skintest {

// A 32-bit top-down DIB section selected into a memory DC, filled with one
// colour; its pixels are read straight from memory.
class DibDC {
public:
    DibDC(int w, int h, COLORREF fill);
    ~DibDC();
    DibDC(const DibDC&) = delete;
    DibDC& operator=(const DibDC&) = delete;

    HDC dc() const { return dc_; }
    COLORREF pixel(int x, int y) const;  // RGB of the pixel; 0 outside

private:
    int w_, h_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    const std::uint32_t* bits_ = nullptr;
};

struct SeenMessage {
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};

constexpr COLORREF kCacheGrey = RGB(0x40, 0x40, 0x40);
constexpr COLORREF kStripBlue = RGB(0, 0, 0xC0);

class CaptionWindow : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    skin::WindowRecord& record() { return *skin::windowRecordAt(index); }
    // Sends a mouse message at (x, y) to the window.
    LRESULT mouse(UINT msg, int x, int y);
    // Runs the window's messages until done() or the time is up.
    template <class Done> bool pumpUntil(Done done, DWORD timeoutMs = 2000) {
        const DWORD start = GetTickCount();
        while (!done()) {
            if (GetTickCount() - start > timeoutMs) return false;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        }
        return true;
    }
    // System commands and caption presses the window received, in order.
    std::vector<SeenMessage> seen() const { return seen_; }
    std::vector<WPARAM> sysCommands() const;

    static std::vector<SeenMessage> seen_;

    DibDC cache{400, 300, kCacheGrey};
    DibDC captionCache{400, 300, kStripBlue};
    HWND window = nullptr;
    int index = 0;

    // Glyphs: a 6 x 6 square at (10, 6) (close: (16, 6)) on a clear field;
    // white on every glyph, green on the restore glyph.
    skin::Bytes glyph, restoreGlyph, closeGlyph;

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
};

inline std::uint32_t redOf(COLORREF c) { return GetRValue(c); }
inline std::uint32_t greenOf(COLORREF c) { return GetGValue(c); }
inline std::uint32_t blueOf(COLORREF c) { return GetBValue(c); }

} // namespace skintest
