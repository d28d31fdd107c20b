#include "caption_fixture.h"

#include "engine/caption_buttons.h"
#include "engine/skin_settings.h"
#include "engine/window_properties.h"
#include "gdiplus/gdip.h"

namespace skintest {

DibDC::DibDC(int w, int h, COLORREF fill) : w_(w), h_(h) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    auto* pixels = static_cast<std::uint32_t*>(bits);
    const std::uint32_t value = 0xFF000000u | (GetRValue(fill) << 16) | (GetGValue(fill) << 8) | GetBValue(fill);
    for (int i = 0; i < w * h; ++i) pixels[i] = value;
    bits_ = pixels;
    dc_ = CreateCompatibleDC(nullptr);
    previous_ = SelectObject(dc_, bitmap_);
}

DibDC::~DibDC() {
    SelectObject(dc_, previous_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
}

COLORREF DibDC::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= w_ || y >= h_) return 0;
    GdiFlush();
    const std::uint32_t v = bits_[y * w_ + x];
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

std::vector<SeenMessage> CaptionWindow::seen_;

LRESULT CALLBACK CaptionWindow::windowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const int index = static_cast<int>(skin::propValue(hwnd, skin::kPropListIndex));
    const skin::EngineThis self = engineThis();
    switch (msg) {
    case WM_SYSCOMMAND:
    case WM_NCLBUTTONDOWN:
        seen_.push_back({msg, wParam, lParam});
        return 0;
    case WM_MOUSEMOVE:
        skin::onCaptionMouseMove(self, index, hwnd, lParam);
        return 0;
    case WM_MOUSEHOVER:
        skin::onCaptionMouseHover(index);
        return 0;
    case WM_MOUSELEAVE:
        skin::onCaptionMouseLeave(self, index);
        return 0;
    case WM_TIMER:
        skin::onHoverTimer(self, index, hwnd, wParam);
        return 0;
    case WM_LBUTTONDOWN:
        skin::onCaptionButtonDown(self, index, hwnd, lParam);
        return 0;
    case WM_LBUTTONUP:
        skin::onCaptionButtonUp(self, index);
        return 0;
    case WM_LBUTTONDBLCLK:
        skin::onCaptionDoubleClick(self, index, lParam);
        return 0;
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

namespace {

constexpr char kClassName[] = "SkinCaptionTestWindow";

void registerClassOnce(WNDPROC proc) {
    static bool registered = false;
    if (registered) return;
    WNDCLASSA wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;
    registered = RegisterClassA(&wc) != 0;
}

skin::CaptionButton button(int kind, const skin::Bytes& image) {
    skin::CaptionButton b;
    b.kind = kind;
    b.width = kind == skin::CloseButton ? 38 : 26;
    b.height = 18;
    b.image = image;
    return b;
}

} // namespace

void CaptionWindow::SetUp() {
    seen_.clear();
    skin::skinSettings.windowRecords.clear();
    skin::skinSettings.accentColour = skin::kDefaultAccentColour;
    engine().borderWidth = 3;
    engine().hotCaptionButton = 0;
    registerClassOnce(&windowProc);
    window = CreateWindowExA(0, kClassName, "Caption", WS_POPUP, 100, 100, 400, 300, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    index = addRecord(window);

    glyph = makePicture(26, 18, {{10, 6, 6, 6, 0xFFFFFFFFu}}, gdip::kPngFormat);
    restoreGlyph = makePicture(26, 18, {{10, 6, 6, 6, 0xFF00FF00u}}, gdip::kPngFormat);
    closeGlyph = makePicture(38, 18, {{16, 6, 6, 6, 0xFFFFFFFFu}}, gdip::kPngFormat);
    skin::WindowRecord& r = record();
    r.captionButtons = {button(skin::MinimizeButton, glyph), button(skin::MaximizeButton, glyph),
                        button(skin::CloseButton, closeGlyph)};
    r.captionButtons[1].altImage = restoreGlyph;
    r.buttonStripWidth = 95;
    r.captionHeight = 25;
    r.cacheDC = cache.dc();
    r.captionCacheDC = captionCache.dc();
    // The hover notice has come; no mouse tracking is asked for.
    r.mouseInside = 1;
    engine().methods->layoutCaptionButtons(engineThis(), index);
}

void CaptionWindow::TearDown() {
    if (window) {
        KillTimer(window, reinterpret_cast<UINT_PTR>(window));
        DestroyWindow(window);
    }
    skin::skinSettings.windowRecords.clear();
}

LRESULT CaptionWindow::mouse(UINT msg, int x, int y) {
    return SendMessageA(window, msg, msg == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(x, y));
}

std::vector<WPARAM> CaptionWindow::sysCommands() const {
    std::vector<WPARAM> commands;
    for (const SeenMessage& m : seen_)
        if (m.msg == WM_SYSCOMMAND) commands.push_back(m.wParam);
    return commands;
}

} // namespace skintest
