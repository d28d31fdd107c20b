#include "skin_support.h"

#include "controls/control_methods.h"
#include "engine/drawing_primitives.h"
#include "engine/gdi_handles.h"
#include "engine/skin_settings.h"
#include "engine/window_properties.h"
#include "gdiplus/gdip.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace skintest {
namespace {

class SkinEnvironment : public testing::Environment {
public:
    void SetUp() override {
        skin::createSkinEngineWithControls();
        skin::initSkinGlobals();
    }
    void TearDown() override { skin::destroySkinEngine(); }
};
testing::Environment* const skinEnvironment = testing::AddGlobalTestEnvironment(new SkinEnvironment);

skin::SkinEngine* engineSlot = nullptr;

} // namespace

skin::SkinEngine& engine() { return *skin::theSkinEngine(); }

skin::EngineThis engineThis() {
    engineSlot = skin::theSkinEngine();
    return &engineSlot;
}

skin::Bytes makePicture(int w, int h, const std::vector<Fill>& fills, const char* format) {
    gdip::Bitmap bitmap;
    if (!bitmap.create(w, h)) return {};
    {
        gdip::Graphics graphics;
        graphics.createFromImage(bitmap);
        graphics.setCompositingMode(Gdiplus::CompositingModeSourceCopy);
        for (const Fill& f : fills) {
            gdip::SolidBrush brush;
            brush.create(f.argb);
            graphics.fillRectangle(brush, float(f.x), float(f.y), float(f.w), float(f.h));
        }
    }
    return bitmap.saveToBytes(format);
}

std::uint32_t picturePixel(const skin::Bytes& picture, int x, int y) {
    gdip::Bitmap bitmap;
    if (!bitmap.createFromBytes(picture)) return 0;
    return bitmap.getPixel(x, y);
}

SIZE pictureSize(const skin::Bytes& picture) {
    gdip::Bitmap bitmap;
    if (!bitmap.createFromBytes(picture)) return SIZE{0, 0};
    return SIZE{LONG(bitmap.getWidth()), LONG(bitmap.getHeight())};
}

int addRecord(HWND hwnd) {
    auto& records = skin::skinSettings.windowRecords;
    records.push_back(std::make_unique<skin::WindowRecord>());
    records.back()->hwnd = hwnd;
    const int index = static_cast<int>(records.size());
    skin::setPropValue(hwnd, skin::kPropListIndex, index);
    return index;
}

void setClientSize(HWND hwnd, int w, int h) {
    RECT window{}, client{};
    GetWindowRect(hwnd, &window);
    GetClientRect(hwnd, &client);
    const int extraW = (window.right - window.left) - client.right;
    const int extraH = (window.bottom - window.top) - client.bottom;
    SetWindowPos(hwnd, nullptr, 0, 0, w + extraW, h + extraH, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool closeTo(COLORREF a, COLORREF b, int tolerance) {
    return std::abs(int(GetRValue(a)) - int(GetRValue(b))) <= tolerance &&
           std::abs(int(GetGValue(a)) - int(GetGValue(b))) <= tolerance &&
           std::abs(int(GetBValue(a)) - int(GetBValue(b))) <= tolerance;
}

COLORREF screenPixel(HWND hwnd, int x, int y) {
    gdi::WindowDC dc(hwnd);
    return GetPixel(dc, x, y) & 0xFFFFFF;
}

namespace {
constexpr char kVeiledHostClass[] = "SkinTestVeiledHost";
}

void VeiledHostWindow::SetUp() {
    static const bool registered = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kVeiledHostClass;
        return RegisterClassA(&wc) != 0;
    }();
    ASSERT_TRUE(registered);
    skin::skinSettings.windowRecords.clear();
    skin::skinSettings.firstSizePending = false;
    skin::skinSettings.backgroundColour = kBackground;
    skin::skinSettings.backgroundPicture.clear();
    const int opacity = 50;
    engine().methods->setBackgroundStyle(engineThis(), 1, &opacity, nullptr);
    window = CreateWindowExA(0, kVeiledHostClass, "", WS_POPUP | WS_CLIPCHILDREN, 80, 80, 320, 240, nullptr,
                             nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    font = CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "SimSun");
}

void VeiledHostWindow::TearDown() {
    if (window && IsWindow(window)) DestroyWindow(window);
    skin::skinSettings.windowRecords.clear();
    engine().methods->setBackgroundStyle(engineThis(), 1, nullptr, nullptr);
    skin::skinSettings.firstSizePending = true;
    DeleteObject(font);
}

HWND VeiledHostWindow::child(const char* className, DWORD style, int x, int y, int w, int h, const char* text,
                             HWND parent) {
    HWND hwnd = CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h,
                                parent ? parent : window, nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return hwnd;
}

void VeiledHostWindow::skinAndShow() {
    engine().methods->skinWindow(engineThis(), window, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                 nullptr, nullptr, nullptr, nullptr);
    index = skin::findWindowRecord(window);
    ASSERT_EQ(index, 1);
    ShowWindow(window, SW_SHOWNA);
    engine().methods->renderWindow(engineThis(), index, nullptr, 0);
}

} // namespace skintest
