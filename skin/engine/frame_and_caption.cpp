#include "engine/frame_and_caption.h"

#include "engine/caption_buttons.h"
#include "engine/drawing_primitives.h"
#include "engine/gdi_handles.h"
#include "engine/skin_settings.h"
#include "engine/window_registry.h"
#include "gdiplus/gdip.h"

#include <array>
#include <string>

namespace skin {
namespace {

// Corners reach this far along each edge.
constexpr int kCornerSize = 10;
// Presses this close to the top of the strip belong to the top edge.
constexpr int kStripPressTop = 3;
constexpr int kIconSize = 17;
constexpr int kCaptionTextHeight = 32;
constexpr int kHaloOpacity = 150;

// Hands a press to the system's move loop, as if it were on a system caption.
void startMove(HWND hwnd) { SendMessageA(hwnd, WM_NCLBUTTONDOWN, HTCAPTION, 0); }

// The caption's title area, in client coordinates.
struct CaptionArea {
    int x0, y0, width;
};

CaptionArea captionArea(const WindowRecord& record, int border) {
    const RECT client = clientRectOf(record.hwnd);
    return CaptionArea{border + 6, border + 5, client.right - record.buttonStripWidth - 10 - 2 * border};
}

// Either a DC to release (got here) or the caller's (left alone).
class ClippedDC {
public:
    ClippedDC(HWND hwnd, HDC given) : hwnd_(hwnd), owned_(given == nullptr), dc_(getClippedDC(hwnd, given)) {}
    ~ClippedDC() {
        if (owned_ && dc_) ReleaseDC(hwnd_, dc_);
    }
    ClippedDC(const ClippedDC&) = delete;
    ClippedDC& operator=(const ClippedDC&) = delete;
    HDC get() const { return dc_; }

private:
    HWND hwnd_;
    bool owned_;
    HDC dc_;
};

} // namespace

std::optional<SizingZone> sizingZoneAt(int x, int y, int w, int h, int b) {
    const int c = kCornerSize;
    const bool alongSide = c < y && y < h - c, alongTop = c < x && x < w - c;
    if (x <= b && alongSide) return SizingZone{IDC_SIZEWE, SC_SIZE + WMSZ_LEFT};
    if (x >= w - b && alongSide) return SizingZone{IDC_SIZEWE, SC_SIZE + WMSZ_RIGHT};
    if (alongTop && y <= b) return SizingZone{IDC_SIZENS, SC_SIZE + WMSZ_TOP};
    if (alongTop && y >= h - b) return SizingZone{IDC_SIZENS, SC_SIZE + WMSZ_BOTTOM};
    if (x <= c && y <= c) return SizingZone{IDC_SIZENWSE, SC_SIZE + WMSZ_TOPLEFT};
    if (x >= w - c && y <= c) return SizingZone{IDC_SIZENESW, SC_SIZE + WMSZ_TOPRIGHT};
    if (x <= c && y >= h - c) return SizingZone{IDC_SIZENESW, SC_SIZE + WMSZ_BOTTOMLEFT};
    if (x >= w - c && y >= h - c) return SizingZone{IDC_SIZENWSE, SC_SIZE + WMSZ_BOTTOMRIGHT};
    return std::nullopt;
}

void drawGlowText(gdip::Graphics& graphics, std::string_view text, const gdip::RectF& rect, COLORREF textColour,
                  COLORREF haloColour, float haloOffset, std::string_view fontName, int fontStyle, float fontSize,
                  Gdiplus::StringAlignment horizontal, Gdiplus::StringAlignment vertical) {
    if (text.empty()) return;
    gdip::Font font;
    if (!font.createFromName(fontName, fontSize, fontStyle)) return;
    gdip::StringFormat format;
    if (!format.create()) return;
    format.setAlign(horizontal);
    format.setLineAlign(vertical);

    gdip::SolidBrush halo;
    if (halo.create(toArgb(haloColour, kHaloOpacity))) {
        const std::array<gdip::PointF, 4> shifts = {
            {{haloOffset, 0}, {-haloOffset, 0}, {0, haloOffset}, {0, -haloOffset}}};
        for (const gdip::PointF& shift : shifts) {
            const gdip::RectF moved(rect.X + shift.X, rect.Y + shift.Y, rect.Width, rect.Height);
            graphics.drawString(text, font, moved, halo, &format);
        }
    }
    gdip::SolidBrush ink;
    if (ink.create(toArgb(textColour))) graphics.drawString(text, font, rect, ink, &format);
}

bool isTransparentWindow(HWND hwnd) { return (GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0; }

RECT childRectInParent(HWND hwnd) {
    if (findWindowRecord(hwnd) != 0) return RECT{0, 0, 0, 0};
    RECT r{};
    GetWindowRect(hwnd, &r);
    POINT origin{0, 0};
    ClientToScreen(GetParent(hwnd), &origin);
    return RECT{r.left - origin.x, r.top - origin.y, r.right - origin.x, r.bottom - origin.y};
}

HDC getClippedDC(HWND hwnd, HDC hdc) {
    HDC dc = hdc ? hdc : GetDC(hwnd);
    if (!dc) return nullptr;
    for (HWND child = FindWindowExA(hwnd, nullptr, nullptr, nullptr); child;
         child = FindWindowExA(hwnd, child, nullptr, nullptr)) {
        if (!IsWindowVisible(child) || isTransparentWindow(child)) continue;
        const RECT r = childRectInParent(child);
        ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
    return dc;
}

// ---- methods -----------------------------------------------------------------------

void __stdcall SkinEngine::beginFrameDrag(EngineThis self, int windowIndex, LPARAM lParam, const RECT* client) {
    WindowRecord* record = windowRecordAt(windowIndex);
    if (!record || !client) return;
    const int x = mouseX(lParam), y = mouseY(lParam);
    const bool onButtonStrip = x >= record->buttonStripX && x <= record->buttonStripX + record->buttonStripWidth &&
                               y <= record->buttonStripHeight && y >= kStripPressTop;
    if (onButtonStrip || !record->framed) return;
    const HWND hwnd = record->hwnd;
    if (!record->resizable && y <= record->captionHeight) {
        startMove(hwnd);
        return;
    }
    // Only a resizable window is sized by its edges; a fixed-size window's
    // edges below the caption are plain client area.
    if (!record->resizable) return;
    if (const auto zone = sizingZoneAt(x, y, client->right, client->bottom, (*self)->borderWidth)) {
        record->cacheDirty = 1;
        SetCursor(LoadCursorA(nullptr, zone->cursor));
        SendMessageA(hwnd, WM_SYSCOMMAND, zone->command, 0);
        return;
    }
    if (y <= record->captionHeight) startMove(hwnd);
}

void __stdcall SkinEngine::updateSizingCursor(EngineThis self, int windowIndex, LPARAM lParam, const RECT* client) {
    const WindowRecord* record = windowRecordAt(windowIndex);
    if (!record || !client || !record->resizable) return;
    if (const auto zone =
            sizingZoneAt(mouseX(lParam), mouseY(lParam), client->right, client->bottom, (*self)->borderWidth))
        SetCursor(LoadCursorA(nullptr, zone->cursor));
}

void __stdcall SkinEngine::drawCaption(EngineThis self, int windowIndex, gdip::Graphics* graphics, int graphicsReady,
                                       const char* title) {
    WindowRecord* record = windowRecordAt(windowIndex);
    if (!record) return;
    const int border = (*self)->borderWidth;
    const CaptionArea area = captionArea(*record, border);
    const std::string text = title ? std::string(title) : windowText(record->hwnd);
    {
        gdip::Graphics own;
        if (!graphicsReady) {
            own.createFromHDC(record->cacheDC);
            const RECT under{area.x0, area.y0, area.x0 + area.width, area.y0 + kCaptionTextHeight};
            restoreCaptionBackground(self, windowIndex, &under);
            graphics = &own;
        }
        if (skinSettings.appIcon)
            DrawIconEx(record->cacheDC, area.x0, area.y0 - 3, skinSettings.appIcon, kIconSize, kIconSize, 0, nullptr,
                       DI_NORMAL);
        // The title starts right of the icon and ends where the restored
        // area ends, so a long title never leaves pieces of itself behind.
        const gdip::RectF box(float(area.x0 + 20), float(area.y0), float(area.width - 20), float(kCaptionTextHeight));
        if (graphics)
            drawGlowText(*graphics, text, box, record->captionTextColour, record->captionGlowColour, 1,
                         record->captionFontName, record->captionFontStyle != 0 ? 1 : 0,
                         float(record->captionFontSize));
    }
    if (graphicsReady) return;
    ClippedDC screen(record->hwnd, nullptr);
    BitBlt(screen.get(), border + 6, border + 3, area.width, kCaptionTextHeight, record->cacheDC, border + 6,
           border + 3, SRCCOPY);
}

void __stdcall SkinEngine::presentWindow(EngineThis, int windowIndex, HDC dc) {
    const WindowRecord* record = windowRecordAt(windowIndex);
    if (!record) return;
    RECT window{};
    GetWindowRect(record->hwnd, &window);
    ClippedDC target(record->hwnd, dc);
    BitBlt(target.get(), 0, 0, window.right - window.left, window.bottom - window.top, record->cacheDC, 0, 0, SRCCOPY);
}

} // namespace skin
