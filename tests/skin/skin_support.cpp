#include "skin_support.h"

#include "controls/control_methods.h"
#include "engine/skin_settings.h"
#include "engine/window_properties.h"
#include "gdiplus/gdip.h"

#include <gtest/gtest.h>

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

} // namespace skintest
