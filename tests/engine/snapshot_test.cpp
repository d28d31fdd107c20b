// Rounded paths and the copies of the skinned background under a window,
// probed pixel by pixel.
#include "engine/drawing_primitives.h"
#include "engine/skin_engine.h"
#include "engine/window_properties.h"
#include "gdiplus/gdip.h"
#include "gdi_watermark.h"
#include "test_windows.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <vector>

using namespace skin;
using skintest::bitmapPixel;
using skintest::bitmapSize;
using skintest::childWindow;
using skintest::TestWindow;
using skintest::topLevelWindow;

namespace {

// GDI+ runs for the whole test program, started the engine's way.
class EngineEnvironment : public testing::Environment {
public:
    void SetUp() override {
        createSkinEngine();
        initSkinGlobals();
    }
    void TearDown() override { destroySkinEngine(); }
};
testing::Environment* const engineEnvironment = testing::AddGlobalTestEnvironment(new EngineEnvironment);

// ---- paths -----------------------------------------------------------------------

struct Probe {
    float x, y;
    bool inside;
};

void expectProbes(const gdip::GraphicsPath& path, const std::vector<Probe>& probes) {
    for (const Probe& p : probes)
        EXPECT_EQ(path.isVisiblePoint(p.x, p.y), p.inside) << "at " << p.x << ", " << p.y;
}

TEST(RoundedRectPath, CornerIsClampedToOneThroughHundred) {
    struct Case {
        int corner;
        std::vector<Probe> probes;
    } cases[] = {
        // A 1-unit corner leaves the rectangle's corners nearly square.
        {1, {{0.8f, 0.8f, true}, {150, 150, true}}},
        {0, {{0.8f, 0.8f, true}, {150, 150, true}}},
        {-5, {{0.8f, 0.8f, true}, {150, 150, true}}},
        // A 100-unit corner box (radius 50) covers (20, 20); a 250-unit one would not.
        {100, {{20, 20, true}, {8, 8, false}}},
        {250, {{20, 20, true}, {8, 8, false}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.corner);
        gdip::GraphicsPath path;
        ASSERT_TRUE(path.createPath());
        addRoundedRectPath(path, 0, 0, 300, 300, c.corner);
        EXPECT_GT(path.getPointCount(), 0);
        expectProbes(path, c.probes);
    }
}

TEST(TopRoundedPaths, RoundOnlyTheirTopCorners) {
    // Filled, the open figures close along the bottom.
    gdip::GraphicsPath both, right;
    ASSERT_TRUE(both.createPath());
    ASSERT_TRUE(right.createPath());
    addTopRoundedPath(both, 0, 0, 100, 40, 20);
    addTopRightRoundedPath(right, 0, 0, 100, 40, 20);
    expectProbes(both, {{1, 1, false}, {99, 1, false}, {1, 39, true}, {99, 39, true}, {50, 1, true}});
    expectProbes(right, {{1, 1, true}, {99, 1, false}, {1, 39, true}, {99, 39, true}});
}

// ---- background snapshots ----------------------------------------------------------

// A 32-bit memory DC whose pixel (x, y) has red x, green y and the given blue.
struct PatternDC {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;

    PatternDC(int w, int h, BYTE blue) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = w;
        info.bmiHeader.biHeight = -h;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        auto* pixels = static_cast<DWORD*>(bits);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) pixels[y * w + x] = 0xFF000000u | (DWORD(x & 0xFF) << 16) | (DWORD(y & 0xFF) << 8) | blue;
        dc = CreateCompatibleDC(nullptr);
        previous = SelectObject(dc, bitmap);
    }
    ~PatternDC() {
        SelectObject(dc, previous);
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
    PatternDC(const PatternDC&) = delete;
    PatternDC& operator=(const PatternDC&) = delete;
};

constexpr BYTE kCacheBlue = 0x40;
constexpr BYTE kBackdropBlue = 0xC0;
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);

// One skinned window (record 1) with a rendered cache:
//   root 300 x 200
//   ├─ direct            (30, 40)
//   ├─ group             (100, 50)  group-box component filled red
//   │   └─ inGroup       (10, 20)
//   ├─ panel             (20, 120)  component without a fill
//   │   └─ inPanel       (5, 5)
//   └─ backdrop          (200, 110) backdrop window with its own rendering
//       ├─ onBackdrop    (30, 5)
//       ├─ innerBackdrop (10, 10)   backdrop window whose source is backdrop
//       └─ backdropPanel (40, 40)   component filled green, under backdrop
//           └─ inBackdropPanel (2, 3)
class Snapshots : public testing::Test {
protected:
    void SetUp() override {
        skinSettings.windowRecords.clear();
        skinSettings.memoryDCs.clear();
        skinSettings.windowRecords.push_back(std::make_unique<WindowRecord>());
        WindowRecord& record = *skinSettings.windowRecords.back();
        record.hwnd = root;
        record.cacheDC = cache.dc;
        addComponent(record, group, kRed, true);
        addComponent(record, panel, 0, false);
        addComponent(record, backdropPanel, kGreen, false);

        setPropValue(backdrop, kPropIsBackdrop, 1);
        setPropHandle(backdrop, kPropBackdropDC, backdropRendering.dc);
        setPropValue(innerBackdrop, kPropIsBackdrop, 1);
        setPropHandle(innerBackdrop, kPropComponentBackdrop, backdrop.get());
        setPropHandle(backdropPanel, kPropComponentBackdrop, backdrop.get());
    }
    void TearDown() override {
        skinSettings.windowRecords.clear();
        skinSettings.memoryDCs.clear();
    }

    static void addComponent(WindowRecord& record, HWND hwnd, COLORREF fill, bool isGroupBox) {
        ComponentSkin entry;
        entry.hwnd = hwnd;
        entry.fillColour = fill;
        entry.fillAlpha = 255;
        entry.isGroupBox = isGroupBox;
        entry.enabled = 1;
        addControlEntry(record.componentSkins, entry);
    }

    // The colours of the snapshot at the given points; the snapshot is released.
    std::vector<COLORREF> snapshotPixels(HWND hwnd, const RECT& rect, const std::vector<POINT>& points) {
        HDC dc = backgroundSnapshot(hwnd, rect);
        std::vector<COLORREF> colours;
        if (!dc) return colours;
        for (const POINT& p : points) colours.push_back(GetPixel(dc, p.x, p.y) & 0xFFFFFF);
        EXPECT_TRUE(releaseMemoryDC(dc));
        return colours;
    }

    PatternDC cache{300, 200, kCacheBlue};
    PatternDC backdropRendering{90, 80, kBackdropBlue};
    TestWindow root = topLevelWindow(100, 100, 300, 200);
    TestWindow direct = childWindow(root, 30, 40, 50, 20);
    TestWindow group = childWindow(root, 100, 50, 120, 80);
    TestWindow inGroup = childWindow(group, 10, 20, 40, 20);
    TestWindow panel = childWindow(root, 20, 120, 60, 40);
    TestWindow inPanel = childWindow(panel, 5, 5, 30, 20);
    TestWindow backdrop = childWindow(root, 200, 110, 90, 80);
    TestWindow onBackdrop = childWindow(backdrop, 30, 5, 20, 20);
    TestWindow innerBackdrop = childWindow(backdrop, 10, 10, 20, 20);
    TestWindow backdropPanel = childWindow(backdrop, 40, 40, 40, 30);
    TestWindow inBackdropPanel = childWindow(backdropPanel, 2, 3, 20, 10);
    TestWindow stranger = topLevelWindow(0, 0, 50, 50);
};

COLORREF cachePixel(int x, int y) { return RGB(x, y, kCacheBlue); }
COLORREF backdropPixel(int x, int y) { return RGB(x, y, kBackdropBlue); }

TEST_F(Snapshots, EachSourceCaseCopiesFromTheRightPlaceWithTheRightFill) {
    struct Case {
        const char* name;
        HWND hwnd;
        RECT rect;
        std::vector<POINT> points;
        std::vector<COLORREF> expected;
    } cases[] = {
        {"skinned window: its own cache at rect's corner", root, {10, 20, 60, 70},
         {{0, 0}, {5, 7}}, {cachePixel(10, 20), cachePixel(15, 27)}},
        {"control on the window: cache under it", direct, {0, 0, 50, 20},
         {{0, 0}, {49, 19}}, {cachePixel(30, 40), cachePixel(79, 59)}},
        {"group box: cache above its title line, rounded fill from 5 down", group, {0, 0, 120, 80},
         {{60, 2}, {0, 5}, {60, 40}, {3, 78}}, {cachePixel(160, 52), cachePixel(100, 55), kRed, kRed}},
        {"control in the filled group box: fill over the whole copy", inGroup, {0, 0, 40, 20},
         {{0, 0}, {39, 19}}, {kRed, kRed}},
        {"control in a component without fill: cache under it", inPanel, {0, 0, 30, 20},
         {{0, 0}, {2, 1}}, {cachePixel(25, 125), cachePixel(27, 126)}},
        {"backdrop window itself: owner's cache", backdrop, {0, 0, 90, 80},
         {{0, 0}}, {cachePixel(200, 110)}},
        {"backdrop window with a source: that source's rendering", innerBackdrop, {0, 0, 20, 20},
         {{0, 0}}, {backdropPixel(10, 10)}},
        {"control on a backdrop: the backdrop's rendering", onBackdrop, {0, 0, 20, 20},
         {{0, 0}, {4, 6}}, {backdropPixel(30, 5), backdropPixel(34, 11)}},
        {"control in a component under a backdrop: the component's fill", inBackdropPanel, {0, 0, 20, 10},
         {{0, 0}, {19, 9}}, {kGreen, kGreen}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(snapshotPixels(c.hwnd, c.rect, c.points), c.expected);
        EXPECT_TRUE(skinSettings.memoryDCs.empty());
    }
}

TEST_F(Snapshots, WindowWithoutAnySourceGetsNoDCAndLeavesNoneRegistered) {
    TestWindow child = childWindow(stranger);
    EXPECT_EQ(backgroundSnapshot(child, RECT{0, 0, 10, 10}), nullptr);
    EXPECT_EQ(backgroundSnapshot(stranger, RECT{0, 0, 10, 10}), nullptr);
    EXPECT_TRUE(skinSettings.memoryDCs.empty());
}

TEST_F(Snapshots, EmptyRectangleStillGivesARegisteredDC) {
    HDC dc = backgroundSnapshot(direct, RECT{0, 0, 0, 0});
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(skinSettings.memoryDCs.size(), 1u);
    EXPECT_TRUE(releaseMemoryDC(dc));
    EXPECT_TRUE(skinSettings.memoryDCs.empty());
}

TEST_F(Snapshots, VeiledBackgroundCoversTheClientAreaWithTheVeil) {
    struct Case {
        int opacity;
        COLORREF expected;
    } cases[] = {{0, cachePixel(30, 40)}, {255, RGB(255, 255, 255)}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.opacity);
        skinSettings.controlOpacity = c.opacity;
        const GdiObject<HBITMAP> bitmap(makeVeiledBackground(direct));
        ASSERT_NE(bitmap.get(), nullptr);
        EXPECT_TRUE(skinSettings.memoryDCs.empty());
        const SIZE size = bitmapSize(bitmap.get());
        EXPECT_EQ(size.cx, 50);
        EXPECT_EQ(size.cy, 20);
        EXPECT_EQ(bitmapPixel(bitmap.get(), 0, 0), c.expected);
    }
    skinSettings.controlOpacity = kDefaultControlOpacity;
    EXPECT_EQ(makeVeiledBackground(stranger), nullptr);
}

} // namespace

// Every painter takes a snapshot and a veiled background per paint: a handle
// lost on either path would exhaust the process's GDI objects.
TEST_F(Snapshots, RepeatedSnapshotsAndVeiledBackgroundsHoldNoGdiObjects) {
    const GdiWatermark watermark;
    for (int i = 0; i < kGdiSoakCycles; ++i) {
        HDC dc = backgroundSnapshot(inGroup, RECT{0, 0, 40, 20});
        ASSERT_NE(dc, nullptr);
        ASSERT_TRUE(releaseMemoryDC(dc));
        dc = backgroundSnapshot(group, RECT{0, 0, 120, 80});
        ASSERT_NE(dc, nullptr);
        ASSERT_TRUE(releaseMemoryDC(dc));
        const GdiObject<HBITMAP> veiled(makeVeiledBackground(direct));
        ASSERT_NE(veiled.get(), nullptr);
    }
    EXPECT_LT(watermark.growth(), kGdiLeakTolerance);
    EXPECT_TRUE(skinSettings.memoryDCs.empty());
}
