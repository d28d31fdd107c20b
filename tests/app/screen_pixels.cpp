#include "screen_pixels.h"

#include "host/handles.h"

namespace testscreen {

std::vector<DWORD> readScreen(const RECT& area) {
    const int w = area.right - area.left, h = area.bottom - area.top;
    if (w <= 0 || h <= 0) return {};
    host::WindowDC screen(nullptr);
    host::OwnedDC memory(CreateCompatibleDC(screen));
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    host::GdiObject<HBITMAP> bitmap(CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap) return {};
    {
        host::SelectedObject selected(memory.get(), bitmap.get());
        BitBlt(memory.get(), 0, 0, w, h, screen, area.left, area.top, SRCCOPY);
    }
    GdiFlush();
    const auto* p = static_cast<const DWORD*>(bits);
    std::vector<DWORD> pixels(p, p + static_cast<size_t>(w) * static_cast<size_t>(h));
    for (DWORD& pixel : pixels) pixel &= 0xFFFFFF;
    return pixels;
}

}  // namespace testscreen
