// Taking over a window in one call, on real windows: the record, its caption
// buttons and their tooltips, the bottom bar, the window's own picture and
// the frame thunk in front of the window's previous procedure.
#include "codepage.h"
#include "controls/caption_glyphs.h"
#include "engine/skin_settings.h"
#include "engine/window_properties.h"
#include "engine/window_registry.h"
#include "gdiplus/gdip.h"
#include "skin_support.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <string>
#include <vector>

using namespace skin;
using skintest::engine;
using skintest::engineThis;

namespace {

constexpr char kClassName[] = "SkinWindowTestWindow";
constexpr UINT kProbeMessage = WM_APP + 7;
constexpr LRESULT kProbeAnswer = 0x1234;

LRESULT CALLBACK previousProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == kProbeMessage) return kProbeAnswer;
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

// The arguments of skinWindow; a null pointer is an argument not given.
struct SkinArgs {
    const int* captionHeight = nullptr;
    const int* helpButton = nullptr;
    const int* menuButton = nullptr;
    const int* bottomBarHeight = nullptr;
    const std::vector<BottomBarItem>* bottomBarItems = nullptr;
    const Bytes* ownPicture = nullptr;
    const int* ownPlacement = nullptr;
};

// A 300 x 200 top-level window of a class whose procedure answers a probe
// message, created with the given style; the registry is empty around each
// test.
class SkinWindow : public testing::Test {
protected:
    void SetUp() override {
        skinSettings.windowRecords.clear();
        static const bool registered = [] {
            WNDCLASSA wc{};
            wc.lpfnWndProc = previousProc;
            wc.hInstance = GetModuleHandleA(nullptr);
            wc.lpszClassName = kClassName;
            return RegisterClassA(&wc) != 0;
        }();
        ASSERT_TRUE(registered);
    }
    void TearDown() override {
        if (window && IsWindow(window)) DestroyWindow(window);
        skinSettings.windowRecords.clear();
    }

    HWND create(DWORD style = WS_POPUP) {
        window = CreateWindowExA(0, kClassName, "", style, 40, 40, 300, 200, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
        return window;
    }
    void skin(const SkinArgs& a = {}) {
        engine().methods->skinWindow(engineThis(), window, a.captionHeight, nullptr, nullptr, a.helpButton,
                                     a.menuButton, nullptr, nullptr, a.bottomBarHeight, a.bottomBarItems,
                                     a.ownPicture, a.ownPlacement);
    }
    WindowRecord& record() { return *skinSettings.windowRecords.at(0); }

    HWND window = nullptr;
};

TEST_F(SkinWindow, TakesOverTheWindowBehindTheFrameThunk) {
    ASSERT_TRUE(create(WS_POPUP));
    skin();

    ASSERT_EQ(skinSettings.windowRecords.size(), 1u);
    const WindowRecord& r = record();
    EXPECT_EQ(r.hwnd, window);
    EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(engine().frameProcThunk.code()));
    // The previous procedure is not the class's own: the caption tooltip
    // subclassed the window first.
    ASSERT_NE(r.oldWindowProc, nullptr);
    EXPECT_EQ(propValue(window, kPropOldProc), reinterpret_cast<LONG_PTR>(r.oldWindowProc));
    EXPECT_EQ(propValue(window, kPropListIndex), 1);
    EXPECT_EQ(engine().borderWidth, 3);
    EXPECT_EQ(r.cacheDirty, 1);
    // Messages the skin does not handle still reach the window's own procedure.
    EXPECT_EQ(SendMessageA(window, kProbeMessage, 0, 0), kProbeAnswer);

    // The style gains the system menu even though it had none.
    EXPECT_NE(GetWindowLongA(window, GWL_STYLE) & WS_SYSMENU, 0);

    // Defaults of the arguments left out, and the fixed caption settings.
    EXPECT_EQ(r.framed, 1);
    EXPECT_EQ(r.resizable, 1);
    EXPECT_EQ(r.showCaptionText, 1);
    EXPECT_EQ(r.captionGloss, 0);
    EXPECT_EQ(r.ownPlacement, skinSettings.backgroundPlacement);
    EXPECT_TRUE(r.ownPicture.empty());
    EXPECT_EQ(r.minTrackWidth, 200);
    EXPECT_EQ(r.minTrackHeight, 150);
    EXPECT_EQ(r.maxTrackWidth, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(r.maxTrackHeight, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(r.captionTextColour, 0xFFFFFFu);
    EXPECT_EQ(r.captionGlowColour, 0x808080u);
    EXPECT_EQ(r.captionFontSize, 12);
    EXPECT_EQ(r.captionFontStyle, 1);
}

TEST_F(SkinWindow, ArgumentsGivenReachTheRecord) {
    ASSERT_TRUE(create());
    const int framed = 0, resizable = 0, showText = 0, gloss = 1;
    engine().methods->skinWindow(engineThis(), window, nullptr, &framed, &resizable, nullptr, nullptr, &showText,
                                 &gloss, nullptr, nullptr, nullptr, nullptr);
    const WindowRecord& r = record();
    EXPECT_EQ(r.framed, 0);
    EXPECT_EQ(r.resizable, 0);
    EXPECT_EQ(r.showCaptionText, 0);
    EXPECT_EQ(r.captionGloss, 1);
}

TEST_F(SkinWindow, ASecondCallChangesNothing) {
    ASSERT_TRUE(create());
    skin();
    const LONG_PTR procedure = GetWindowLongPtrA(window, GWLP_WNDPROC);
    const HWND tooltip = record().toolTip.window();
    const int height = 40;
    SkinArgs again;
    again.captionHeight = &height;
    skin(again);
    EXPECT_EQ(skinSettings.windowRecords.size(), 1u);
    EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), procedure);
    EXPECT_EQ(record().toolTip.window(), tooltip);
    EXPECT_EQ(record().captionHeight, 25);
}

TEST_F(SkinWindow, CaptionIsAtLeast25High) {
    struct Case {
        const char* name;
        bool given;
        int height;
        int expected;
    };
    const Case cases[] = {{"omitted", false, 0, 25}, {"zero", true, 0, 25}, {"24", true, 24, 25},
                          {"30", true, 30, 30}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(create());
        SkinArgs args;
        if (c.given) args.captionHeight = &c.height;
        skin(args);
        EXPECT_EQ(record().captionHeight, c.expected);
        DestroyWindow(window);
        EXPECT_TRUE(skinSettings.windowRecords.empty()) << "the record goes with its window";
    }
}

TEST_F(SkinWindow, CaptionButtonsFollowStyleAndFlags) {
    ASSERT_CODE_PAGE_936();
    struct Case {
        const char* name;
        DWORD style;
        int help, menu;
        std::vector<int> kinds;
        int stripWidth;
    };
    const Case cases[] = {
        {"close only", WS_POPUP, 0, 0, {CloseButton}, 38 + 0 + 3},
        {"minimise box", WS_POPUP | WS_MINIMIZEBOX, 0, 0, {MinimizeButton, CloseButton}, 26 + 38 + 1 + 3},
        {"all five", WS_POPUP | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 1, 1,
         {HelpButton, MenuButton, MinimizeButton, MaximizeButton, CloseButton}, 4 * 26 + 38 + 4 + 3},
    };
    const std::map<int, std::string> tips = {{HelpButton, "帮助"}, {MenuButton, "主菜单"}, {MinimizeButton, "最小化"},
                                             {MaximizeButton, "最大化"}, {CloseButton, "关闭"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(create(c.style));
        SkinArgs args;
        args.helpButton = &c.help;
        args.menuButton = &c.menu;
        skin(args);
        const WindowRecord& r = record();
        std::vector<int> kinds;
        for (const CaptionButton& b : r.captionButtons) {
            kinds.push_back(b.kind);
            EXPECT_EQ(b.tooltip, tips.at(b.kind));
            EXPECT_EQ(b.height, 18);
            EXPECT_EQ(b.width, b.kind == CloseButton ? 38 : 26);
            const SIZE glyph = skintest::pictureSize(b.image);
            EXPECT_EQ(glyph.cx, b.width);
            EXPECT_EQ(glyph.cy, 18);
            EXPECT_EQ(b.altImage.empty(), b.kind != MaximizeButton);
        }
        EXPECT_EQ(kinds, c.kinds);
        EXPECT_EQ(r.buttonStripWidth, c.stripWidth);
        EXPECT_EQ(r.buttonStripHeight, 22);
        EXPECT_EQ(r.minimizeButton, (c.style & WS_MINIMIZEBOX) ? 1 : 0);
        EXPECT_EQ(r.maximizeButton, (c.style & WS_MAXIMIZEBOX) ? 1 : 0);
        // One tooltip tool per button, already moved onto its button.
        ASSERT_NE(r.toolTip.window(), nullptr);
        EXPECT_EQ(SendMessageA(r.toolTip.window(), TTM_GETTOOLCOUNT, 0, 0), LRESULT(c.kinds.size()));
        EXPECT_GT(r.captionButtons.back().rect.x, 0.0f);
        DestroyWindow(window);
    }
}

TEST_F(SkinWindow, BottomBarOnlyFromHeightOne) {
    struct Case {
        const char* name;
        const int* height;
        bool barMade;
    };
    const int zero = 0, negative = -5, twenty = 20;
    const Case cases[] = {{"omitted", nullptr, false}, {"zero", &zero, false}, {"negative", &negative, false},
                          {"twenty", &twenty, true}};
    std::vector<BottomBarItem> items(1);
    items[0].width = -1;
    items[0].text = "ready";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(create());
        SkinArgs args;
        args.bottomBarHeight = c.height;
        args.bottomBarItems = &items;
        skin(args);
        const WindowRecord& r = record();
        if (c.barMade) {
            EXPECT_EQ(r.bottomBarHeight, 20);
            EXPECT_EQ(r.bottomBarFontName, "宋体");
            EXPECT_EQ(r.bottomBarFontSize, 12);
            EXPECT_EQ(r.bottomBarTextColour, 0xFFFFFFu);
            EXPECT_EQ(r.bottomBarItems.front().text, "ready");
        } else {
            EXPECT_EQ(r.bottomBarHeight, 0);
            EXPECT_TRUE(r.bottomBarFontName.empty());
            EXPECT_EQ(r.bottomBarFontSize, 0);
        }
        DestroyWindow(window);
    }
}

TEST_F(SkinWindow, OwnPictureFadedOnlyForTheFadedPlacements) {
    const Bytes picture =
        skintest::makePicture(40, 30, {{0, 0, 40, 30, 0xFF2040C0u}}, gdip::kJpegFormat);
    ASSERT_FALSE(picture.empty());
    for (int placement = 0; placement <= 4; ++placement) {
        SCOPED_TRACE(placement);
        ASSERT_TRUE(create());
        SkinArgs args;
        args.ownPicture = &picture;
        args.ownPlacement = &placement;
        skin(args);
        const WindowRecord& r = record();
        EXPECT_EQ(r.ownPlacement, placement);
        // The average of a one-colour JPEG is that colour, give or take the
        // compression.
        EXPECT_NEAR(int(GetRValue(r.ownColour)), 0x20, 8);
        EXPECT_NEAR(int(GetBValue(r.ownColour)), 0xC0, 8);
        if (placement <= 1) {
            ASSERT_GE(r.ownPicture.size(), 8u);
            EXPECT_EQ(r.ownPicture[1], 'P') << "faded pictures are stored as PNG";
            EXPECT_EQ(skintest::pictureSize(r.ownPicture).cx, 40);
        } else {
            EXPECT_EQ(r.ownPicture, picture);
        }
        DestroyWindow(window);
    }
}

TEST(CaptionGlyphs, EachHasItsSizeAWhiteSymbolAndATransparentField) {
    const CaptionGlyph glyphs[] = {CaptionGlyph::Help,     CaptionGlyph::Menu,    CaptionGlyph::Minimize,
                                   CaptionGlyph::Maximize, CaptionGlyph::Restore, CaptionGlyph::Close};
    for (CaptionGlyph glyph : glyphs) {
        SCOPED_TRACE(static_cast<int>(glyph));
        const Bytes png = captionGlyph(glyph);
        gdip::Bitmap bitmap;
        ASSERT_TRUE(bitmap.createFromBytes(png));
        const SIZE size = captionGlyphSize(glyph);
        ASSERT_EQ(int(bitmap.getWidth()), size.cx);
        ASSERT_EQ(int(bitmap.getHeight()), 18);
        EXPECT_EQ(bitmap.getPixel(0, size.cy - 1) >> 24, 0u) << "corner is transparent";
        int white = 0;
        for (int y = 0; y < size.cy; ++y)
            for (int x = 0; x < size.cx; ++x)
                if (bitmap.getPixel(x, y) == 0xFFFFFFFFu) ++white;
        EXPECT_GE(white, 8);
    }
}

} // namespace
