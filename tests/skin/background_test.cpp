// The background picture and colours, and the rendering of a skinned
// window's cache: placements, border, caption strip and bottom-bar copies,
// repainting of the window and its controls.
#include "engine/background_rendering.h"
#include "engine/skin_settings.h"
#include "engine/window_properties.h"
#include "gdi_watermark.h"
#include "gdiplus/gdip.h"
#include "skin_support.h"
#include "test_windows.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <optional>
#include <string>

using namespace skin;
using skintest::closeTo;
using skintest::engine;
using skintest::engineThis;

namespace {

constexpr std::uint32_t kRed = 0xFFFF0000u, kBlue = 0xFF0000FFu, kWhiteArgb = 0xFFFFFFFFu;
constexpr COLORREF kGreen = RGB(0, 0xFF, 0);
constexpr COLORREF kMagenta = RGB(0xFF, 0, 0xFF);

// An optional argument as the engine takes it: null when not given.
template <class T> const T* given(const std::optional<T>& value) { return value ? &*value : nullptr; }

int brightness(COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); }

// A 40 x 20 picture: red on its left half, blue on its right half.
Bytes halvesPicture() { return skintest::makePicture(40, 20, {{0, 0, 20, 20, kRed}, {20, 0, 20, 20, kBlue}}, gdip::kPngFormat); }

// A registered, unframed 100 x 60 window with a green background and the
// two-colour picture; tests change what they need.
class Render : public testing::Test {
protected:
    void SetUp() override {
        skinSettings.windowRecords.clear();
        skinSettings.firstSizePending = false;
        engine().borderWidth = 3;
        skintest::setClientSize(window, 100, 60);
        index = skintest::addRecord(window);
        record().framed = 0;
        record().showCaptionText = 0;
        skinSettings.backgroundColour = kGreen;
        skinSettings.backgroundPicture = halvesPicture();
        skinSettings.backgroundPlacement = PlaceLeftFaded;
    }
    void TearDown() override {
        // Frees the record's cache surfaces as the window's end would.
        unregisterWindow(window);
        skinSettings.windowRecords.clear();
        skinSettings.backgroundPicture.clear();
        skinSettings.firstSizePending = true;
    }

    WindowRecord& record() { return *windowRecordAt(index); }
    void render(int paint = 0) { engine().methods->renderWindow(engineThis(), index, nullptr, paint); }
    COLORREF cachePixel(int x, int y) { return GetPixel(record().cacheDC, x, y) & 0xFFFFFF; }

    skintest::TestWindow window = skintest::topLevelWindow(40, 40, 100, 60, WS_POPUP);
    int index = 0;
};

// ---- settings --------------------------------------------------------------------------------

TEST(LoadBackground, ChoosesPictureColoursAndPlacement) {
    const Bytes red = skintest::makePicture(20, 10, {{0, 0, 20, 10, kRed}}, gdip::kPngFormat);
    const Bytes white = skintest::makePicture(20, 10, {{0, 0, 20, 10, kWhiteArgb}}, gdip::kPngFormat);
    const Bytes previous{1, 2, 3};
    enum Stored { Unchanged, Cleared, SameBytes };
    struct Case {
        const char* name;
        Bytes picture;
        std::optional<COLORREF> back, accent;
        std::optional<int> placement;
        Stored stored;
        COLORREF colour, accentAfter;
        int placementAfter;
    } cases[] = {
        {"nothing given resets the accent only", {}, {}, {}, {}, Unchanged, 0x123456, kDefaultAccentColour, 2},
        {"an accent alone is taken", {}, {}, 0x00FF00, {}, Unchanged, 0x123456, 0x00FF00, 2},
        {"a following accent alone leaves everything", {}, {}, kFollowBackground, {}, Unchanged, 0x123456, 0x111111, 2},
        {"a colour alone drops the picture", {}, 0x0000FF, kFollowBackground, {}, Cleared, 0x0000FF, 0x0000FF, 2},
        {"picture without colour: its average", red, {}, {}, 3, SameBytes, 0x0000FF, kDefaultAccentColour, 3},
        {"picture with colour, default placement", red, 0x00FF00, kFollowBackground, {}, SameBytes, 0x00FF00, 0x00FF00, 4},
        {"white average is a colour, not the following mark", white, {}, kFollowBackground, 2, SameBytes, 0xFFFFFF,
         0xFFFFFF, 2},
        {"placement outside 0..4 is kept", red, 0x010203, {}, 9, SameBytes, 0x010203, kDefaultAccentColour, 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        skinSettings.backgroundPicture = previous;
        skinSettings.backgroundColour = 0x123456;
        skinSettings.backgroundPlacement = 2;
        skinSettings.accentColour = 0x111111;
        engine().methods->loadBackground(engineThis(), "", c.picture, given(c.back), given(c.accent),
                                         given(c.placement));
        EXPECT_EQ(skinSettings.backgroundColour, c.colour);
        EXPECT_EQ(skinSettings.accentColour, c.accentAfter);
        EXPECT_EQ(skinSettings.backgroundPlacement, c.placementAfter);
        const Bytes expected = c.stored == Unchanged ? previous : c.stored == Cleared ? Bytes{} : c.picture;
        EXPECT_EQ(skinSettings.backgroundPicture, expected);
    }
    skinSettings.backgroundPicture.clear();
}

TEST(LoadBackground, FadedPlacementsStoreAPngFadedIntoTheBackgroundColour) {
    const Bytes jpeg = skintest::makePicture(100, 50, {{0, 0, 100, 50, kRed}}, gdip::kJpegFormat);
    struct Case {
        int placement;
        int fadedX, keptX;
    } cases[] = {{PlaceLeftFaded, 99, 1}, {PlaceRightFaded, 0, 98}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.placement);
        const COLORREF green = 0x00FF00;
        engine().methods->loadBackground(engineThis(), "", jpeg, &green, nullptr, &c.placement);
        const Bytes& stored = skinSettings.backgroundPicture;
        ASSERT_GT(stored.size(), 8u);
        EXPECT_EQ(stored[1], 'P');  // PNG signature
        const SIZE size = skintest::pictureSize(stored);
        EXPECT_EQ(size.cx, 100);
        EXPECT_EQ(size.cy, 50);
        EXPECT_TRUE(closeTo(skintest::picturePixel(stored, c.fadedX, 10) & 0xFFFFFF, 0x00FF00, 40));
        EXPECT_TRUE(closeTo(skintest::picturePixel(stored, c.keptX, 10) & 0xFFFFFF, 0xFF0000, 40));
        EXPECT_TRUE(closeTo(skintest::picturePixel(stored, 50, 49) & 0xFFFFFF, 0x00FF00, 40));
    }
    skinSettings.backgroundPicture.clear();
}

TEST(LoadBackground, ReadsANamedFileAndKeepsItAsPng) {
    char directory[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, directory);
    const std::string path = std::string(directory) + "skin_background_test.jpg";
    const Bytes jpeg = skintest::makePicture(30, 20, {{0, 0, 30, 20, kBlue}}, gdip::kJpegFormat);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, jpeg.data(), DWORD(jpeg.size()), &written, nullptr);
    CloseHandle(file);

    const int centred = PlaceCentred;
    engine().methods->loadBackground(engineThis(), path, Bytes{}, nullptr, nullptr, &centred);
    DeleteFileA(path.c_str());
    ASSERT_GT(skinSettings.backgroundPicture.size(), 8u);
    EXPECT_EQ(skinSettings.backgroundPicture[1], 'P');
    EXPECT_EQ(skintest::pictureSize(skinSettings.backgroundPicture).cx, 30);
    EXPECT_TRUE(closeTo(skinSettings.backgroundColour, 0xFF0000, 20));  // blue as a COLORREF
    skinSettings.backgroundPicture.clear();
}

TEST(SetBackgroundStyle, OmittedArgumentsTakeTheirDefaults) {
    struct Case {
        int enable;
        std::optional<int> opacity, trackbarFrame;
        bool enabled;
        int opacityAfter;
        bool opacitySet;
        int frameAfter;
    } cases[] = {
        {1, 50, {}, true, 50, true, 1},
        {1, {}, {}, true, 160, false, 1},
        {0, 0, 0, false, 0, true, 0},
    };
    for (const Case& c : cases) {
        engine().methods->setBackgroundStyle(engineThis(), c.enable, given(c.opacity), given(c.trackbarFrame));
        EXPECT_EQ(skinSettings.controlSkinsEnabled, c.enabled);
        EXPECT_EQ(skinSettings.controlOpacity, c.opacityAfter);
        EXPECT_EQ(skinSettings.controlOpacitySet, c.opacitySet);
        EXPECT_EQ(skinSettings.trackbarFrame, c.frameAfter);
    }
    engine().methods->setBackgroundStyle(engineThis(), 1, nullptr, nullptr);
}

TEST(PlacePicture, PutsTheNaturalSizeOrStretches) {
    struct Case {
        int placement;
        PlacedPicture expected;
    } cases[] = {
        {0, {0, 0, 40, 20}},      {1, {60, 0, 40, 20}}, {2, {30, 20.5f, 40, 20}},
        {3, {0, 0, 100, 61}},     {4, {0, 0, 40, 20}},  {5, {0, 0, 0, 0}},
        {-1, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.placement);
        const PlacedPicture at = placePicture(c.placement, 100, 61, 40, 20);
        EXPECT_EQ(at.x, c.expected.x);
        EXPECT_EQ(at.y, c.expected.y);
        EXPECT_EQ(at.width, c.expected.width);
        EXPECT_EQ(at.height, c.expected.height);
    }
}

// ---- rendering ---------------------------------------------------------------------------------

TEST_F(Render, PlacementsPutThePictureOverTheBackgroundColour) {
    struct Probe {
        int x, y;
        COLORREF colour;
    };
    struct Case {
        int placement;
        std::vector<Probe> probes;
    } cases[] = {
        {PlaceLeftFaded, {{5, 5, 0x0000FF}, {35, 5, 0xFF0000}, {50, 5, kGreen}, {5, 30, kGreen}}},
        {PlaceRightFaded, {{65, 5, 0x0000FF}, {95, 5, 0xFF0000}, {30, 5, kGreen}}},
        {PlaceCentred, {{35, 25, 0x0000FF}, {65, 35, 0xFF0000}, {10, 10, kGreen}, {50, 50, kGreen}}},
        {PlaceStretched, {{10, 50, 0x0000FF}, {90, 10, 0xFF0000}}},
        // Copies at 0, 40 (mirrored) and 80, each 20 high.
        {PlaceMirrorTiled,
         {{5, 5, 0x0000FF}, {35, 5, 0xFF0000}, {45, 5, 0xFF0000}, {75, 5, 0x0000FF}, {85, 5, 0x0000FF}, {50, 30, kGreen}}},
        {7, {{5, 5, kGreen}, {95, 5, kGreen}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.placement);
        skinSettings.backgroundPlacement = c.placement;
        render();
        for (const Probe& p : c.probes) {
            SCOPED_TRACE(testing::Message() << p.x << ", " << p.y);
            EXPECT_TRUE(closeTo(cachePixel(p.x, p.y), p.colour)) << std::hex << cachePixel(p.x, p.y);
        }
        // Outside the rounded corners the cache stays magenta.
        EXPECT_EQ(cachePixel(0, 0), kMagenta);
        EXPECT_EQ(cachePixel(99, 59), kMagenta);
    }
}

TEST_F(Render, WindowsOwnPictureReplacesTheEnginesPictureColourAndPlacement) {
    record().ownPicture = skintest::makePicture(10, 10, {{0, 0, 10, 10, kWhiteArgb}}, gdip::kPngFormat);
    record().ownPlacement = PlaceCentred;
    record().ownColour = 0x800000;  // dark blue
    render();
    EXPECT_TRUE(closeTo(cachePixel(50, 30), 0xFFFFFF));
    EXPECT_TRUE(closeTo(cachePixel(5, 5), 0x800000));
}

TEST_F(Render, UndecodablePictureLeavesTheBackgroundColour) {
    skinSettings.backgroundPicture = Bytes{1, 2, 3, 4};
    render();
    EXPECT_TRUE(closeTo(cachePixel(5, 5), kGreen));
}

TEST_F(Render, FramedWindowGetsADarkOuterAndALightInnerBorderAndCaptionGloss) {
    skinSettings.backgroundPicture.clear();
    skinSettings.backgroundColour = RGB(0x80, 0x80, 0x80);
    record().framed = 1;
    record().captionGloss = 1;
    record().captionHeight = 20;
    render();
    EXPECT_LT(brightness(cachePixel(0, 40)), brightness(RGB(0x80, 0x80, 0x80)) - 60);
    EXPECT_GT(brightness(cachePixel(1, 40)), brightness(RGB(0x80, 0x80, 0x80)) + 60);
    EXPECT_GT(brightness(cachePixel(50, 2)), brightness(cachePixel(50, 30)) + 60);
    EXPECT_TRUE(closeTo(cachePixel(50, 30), RGB(0x80, 0x80, 0x80)));
}

TEST_F(Render, CacheBitmapIsReplacedAndTheDcsFirstBitmapKept) {
    render();
    const HANDLE first = GetPropA(window, kPropCacheFirstBitmap);
    const HANDLE cache = GetPropA(window, kPropCacheBitmap);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(GetCurrentObject(record().cacheDC, OBJ_BITMAP), cache);
    EXPECT_EQ(skintest::bitmapSize(static_cast<HBITMAP>(cache)).cx, 100);

    skintest::setClientSize(window, 120, 70);
    record().cacheDirty = 1;
    render();
    EXPECT_EQ(GetPropA(window, kPropCacheFirstBitmap), first);
    const auto current = static_cast<HBITMAP>(GetPropA(window, kPropCacheBitmap));
    EXPECT_EQ(GetCurrentObject(record().cacheDC, OBJ_BITMAP), current);
    EXPECT_EQ(skintest::bitmapSize(current).cx, 120);
    EXPECT_EQ(skintest::bitmapSize(current).cy, 70);
    EXPECT_EQ(record().cacheDirty, 0);
}

TEST_F(Render, SnapshotsCoverTheCaptionStripAndTheBottomBar) {
    record().framed = 1;
    record().captionHeight = 22;
    struct Case {
        IntRect bar;
        SIZE snapshot;  // 0 x 0: none
    } cases[] = {{{10, 40, 80, 20}, {80, 20}}, {{0, 0, 0, 0}, {0, 0}}};
    for (const Case& c : cases) {
        record().bottomBarRect = c.bar;
        render();
        EXPECT_EQ(skintest::bitmapSize(record().captionCacheBitmap).cx, 100);
        EXPECT_EQ(skintest::bitmapSize(record().captionCacheBitmap).cy, 22);
        EXPECT_EQ(skintest::bitmapSize(record().bottomBarCacheBitmap).cx, c.snapshot.cx);
        EXPECT_EQ(skintest::bitmapSize(record().bottomBarCacheBitmap).cy, c.snapshot.cy);
        EXPECT_EQ(record().bottomBarCacheDC != nullptr, c.snapshot.cx != 0);
    }
}

TEST_F(Render, BottomBarItemsAreGlossedAndRestoredFromTheSnapshot) {
    skinSettings.backgroundPicture.clear();
    skinSettings.backgroundColour = RGB(0x40, 0x40, 0x40);
    record().bottomBarHeight = 20;
    record().bottomBarRect = {10, 40, 80, 20};
    BottomBarItem item;
    item.text = "";
    item.picture = skintest::makePicture(6, 6, {{0, 0, 6, 6, kRed}}, gdip::kPngFormat);
    record().bottomBarItems = {item};
    record().bottomBarItemRects = {{12, 40, 40, 20}};
    record().bottomBarFontName = "宋体";
    record().bottomBarFontSize = 12;
    render();
    // The gloss lightens the item, not the rest of the bar; the picture sits
    // 2 pixels in, centred vertically.
    EXPECT_GT(brightness(cachePixel(40, 42)), brightness(RGB(0x40, 0x40, 0x40)) + 40);
    EXPECT_TRUE(closeTo(cachePixel(70, 42), RGB(0x40, 0x40, 0x40)));
    EXPECT_TRUE(closeTo(cachePixel(16, 49), 0x0000FF));

    const RECT itemRect{12, 40, 52, 60};
    engine().methods->restoreBottomBarBackground(engineThis(), index, &itemRect);
    EXPECT_TRUE(closeTo(cachePixel(40, 42), RGB(0x40, 0x40, 0x40)));
    EXPECT_TRUE(closeTo(cachePixel(16, 49), RGB(0x40, 0x40, 0x40)));
}

TEST_F(Render, RefreshReachesOnlyControlsPlacedOnTheWindowItself) {
    skintest::TestWindow direct = skintest::childWindow(window, 5, 30, 20, 10, "BUTTON", WS_VISIBLE);
    skintest::TestWindow box = skintest::childWindow(window, 50, 30, 40, 25, "BUTTON", WS_VISIBLE | BS_GROUPBOX);
    skintest::TestWindow nested = skintest::childWindow(box, 5, 10, 20, 10, "BUTTON", WS_VISIBLE);
    skintest::TestWindow list = skintest::childWindow(window, 5, 45, 30, 12, "STATIC", WS_VISIBLE);
    skintest::TestWindow inList = skintest::childWindow(list, 0, 0, 10, 10, "STATIC", WS_VISIBLE);
    ButtonEntry onWindow, onBox;
    onWindow.hwnd = direct;
    onBox.hwnd = nested;
    record().buttons = {onWindow, onBox};
    ListTypeSkin scrolled;
    scrolled.hwnd = list;
    record().scrolledControls = {scrolled};
    ShowWindow(window, SW_SHOWNA);
    for (HWND w : {direct.get(), nested.get(), list.get(), inList.get()}) ValidateRect(w, nullptr);
    refreshChildControls(index);
    EXPECT_TRUE(GetUpdateRect(direct, nullptr, FALSE));
    EXPECT_FALSE(GetUpdateRect(nested, nullptr, FALSE));
    // A list-type control is refreshed with its own children.
    EXPECT_TRUE(GetUpdateRect(list, nullptr, FALSE));
    EXPECT_TRUE(GetUpdateRect(inList, nullptr, FALSE));
    ShowWindow(window, SW_HIDE);
}

TEST_F(Render, PaintingCopiesTheCacheToTheWindowInsideARoundedRegion) {
    ShowWindow(window, SW_SHOWNA);
    skinSettings.backgroundPicture.clear();
    render(1);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(window, region), ERROR);
    RECT regionBox{};
    GetRgnBox(region, &regionBox);
    EXPECT_EQ(regionBox.right, 100);
    EXPECT_EQ(regionBox.bottom, 60);
    EXPECT_FALSE(PtInRegion(region, 0, 0));
    EXPECT_TRUE(PtInRegion(region, 50, 0));
    DeleteObject(region);
    gdi::WindowDC screen(window);
    EXPECT_TRUE(closeTo(GetPixel(screen, 50, 30) & 0xFFFFFF, kGreen));
    ShowWindow(window, SW_HIDE);
}

TEST_F(Render, LoadBackgroundRendersVisibleWindowsOnly) {
    skintest::TestWindow hidden = skintest::topLevelWindow(40, 40, 100, 60, WS_POPUP);
    const int hiddenIndex = skintest::addRecord(hidden);
    ShowWindow(window, SW_SHOWNA);
    const COLORREF red = 0x0000FF;
    engine().methods->loadBackground(engineThis(), "", Bytes{}, &red, nullptr, nullptr);
    ASSERT_NE(record().cacheDC, nullptr);
    EXPECT_TRUE(closeTo(cachePixel(50, 30), 0x0000FF));
    EXPECT_EQ(windowRecordAt(hiddenIndex)->cacheDC, nullptr);
    unregisterWindow(hidden);
}

TEST_F(Render, MinimisedWindowKeepsItsCache) {
    render();
    const HANDLE cache = GetPropA(window, kPropCacheBitmap);
    ShowWindow(window, SW_SHOWMINNOACTIVE);
    record().cacheDirty = 1;
    render(1);
    EXPECT_EQ(GetPropA(window, kPropCacheBitmap), cache);
    EXPECT_EQ(record().cacheDirty, 1);
    ShowWindow(window, SW_HIDE);
}

TEST_F(Render, RenderingHoldsNoGdiObjects) {
    record().framed = 1;
    record().captionGloss = 1;
    record().bottomBarHeight = 20;
    record().bottomBarRect = {0, 40, 100, 20};
    BottomBarItem item;
    item.text = "ok";
    item.picture = skintest::makePicture(6, 6, {{0, 0, 6, 6, kRed}}, gdip::kPngFormat);
    record().bottomBarItems = {item};
    record().bottomBarItemRects = {{0, 40, 50, 20}};
    record().bottomBarFontName = "宋体";
    record().bottomBarFontSize = 12;
    skinSettings.backgroundPlacement = PlaceMirrorTiled;
    render();
    GdiWatermark watermark;
    for (int i = 0; i < 500; ++i) render(i % 2);
    EXPECT_LT(watermark.growth(), kGdiLeakTolerance);
}

TEST(RenderLifetime, UnregisteringFreesEveryCacheSurface) {
    skinSettings.windowRecords.clear();
    skintest::TestWindow window = skintest::topLevelWindow(40, 40, 100, 60, WS_POPUP);
    skintest::setClientSize(window, 100, 60);
    skinSettings.backgroundPicture.clear();
    GdiWatermark watermark;
    for (int i = 0; i < 500; ++i) {
        const int index = skintest::addRecord(window);
        windowRecordAt(index)->bottomBarRect = {0, 40, 100, 20};
        engine().methods->renderWindow(engineThis(), index, nullptr, 0);
        engine().methods->renderWindow(engineThis(), index, nullptr, 0);
        unregisterWindow(window);
        RemovePropA(window, kPropCacheFirstBitmap);
        RemovePropA(window, kPropCacheBitmap);
    }
    EXPECT_LT(watermark.growth(), kGdiLeakTolerance);
    skinSettings.windowRecords.clear();
}

} // namespace
