// Component skins on real windows inside a skinned window with a plain green
// background: containers that render the background under themselves with
// their fill, outline or group-box frame and title; colour-keyed components
// that show the background where they paint the key colour; the colour
// messages of the controls inside them.
#include "controls/component_skins.h"
#include "engine/drawing_primitives.h"
#include "engine/gdi_handles.h"
#include "engine/skin_settings.h"
#include "engine/window_properties.h"
#include "engine/window_registry.h"
#include "gdi_watermark.h"
#include "skin_support.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>

using namespace skin;
using skintest::engine;
using skintest::closeTo;
using skintest::engineThis;
using skintest::screenPixel;

namespace {

constexpr COLORREF kGreen = skintest::VeiledHostWindow::kBackground;
constexpr COLORREF kBlue = RGB(0, 0, 0xFF);
constexpr COLORREF kRed = RGB(0xFF, 0, 0);
constexpr LRESULT kPreviousBrush = 0x5A5A;
constexpr char kLabelClass[] = "SkinComponentTestLabel";

// A label as the host draws one: its background in the button-face colour,
// a black block for its text; the colour messages of its children are
// answered with a marker.
LRESULT CALLBACK labelProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT r{};
        GetClientRect(hwnd, &r);
        FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
        RECT text{r.right / 2 - 5, r.bottom / 2 - 5, r.right / 2 + 5, r.bottom / 2 + 5};
        FillRect(dc, &text, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
        return kPreviousBrush;
    default:
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

bool registerLabelClass() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = labelProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kLabelClass;
    return RegisterClassA(&wc) != 0;
}

// The veiled host window, skinned and shown.
class Components : public skintest::VeiledHostWindow {
protected:
    void SetUp() override {
        static const bool registered = registerLabelClass();
        ASSERT_TRUE(registered);
        VeiledHostWindow::SetUp();
        if (HasFatalFailure()) return;
        skinAndShow();
    }

    // skinComponent with the application's arguments unless others are given.
    void skinAsContainer(HWND hwnd, COLORREF fill = 0, int alpha = 50, int outlined = 0) {
        engine().methods->skinComponent(engineThis(), hwnd, nullptr, fill, &alpha, outlined ? &outlined : nullptr);
    }
    void registerTransparent(HWND hwnd) { engine().methods->registerComponent(engineThis(), hwnd, nullptr, 0, 50); }
    void repaintAll() {
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
};

// A memory DC over a w x h bitmap that a component renders into.
class Canvas {
public:
    Canvas(int w, int h)
        : dc_(CreateCompatibleDC(nullptr)), bitmap_(CreateBitmap(w, h, 1, 32, nullptr)), selected_(dc_.get(), bitmap_.get()) {}
    HDC get() const { return dc_.get(); }
    COLORREF pixel(int x, int y) const { return GetPixel(dc_.get(), x, y) & 0xFFFFFF; }

private:
    OwnedDC dc_;
    GdiObject<HBITMAP> bitmap_;
    SelectedObject selected_;
};

bool isTitleRed(COLORREF c) { return GetRValue(c) > 150 && GetGValue(c) < 120 && GetBValue(c) < 120; }

TEST_F(Components, GroupBoxShowsTheBackgroundItsOutlineAndItsTitlePlacedByAlignment) {
    struct Case {
        const char* name;
        DWORD alignment;
        int expectedX(int w, int tw) const {
            if (alignment == BS_CENTER) return (w - tw) / 2;
            if (alignment == BS_LEFT) return 10;
            return w - tw - 10;
        }
    };
    const Case cases[] = {{"left", BS_LEFT}, {"centre", BS_CENTER}, {"right", BS_RIGHT}, {"none", 0}};
    const int w = 200, h = 100;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HWND box = child("Button", BS_GROUPBOX | c.alignment, 20, 60, w, h, "Abc");
        setPropValue(box, kPropTextColour, kRed);
        skinAsContainer(box);
        const int position = componentSkinIndex(index, box);
        ASSERT_GE(position, 1);
        const ComponentSkin entry = record().componentSkins[position - 1];
        EXPECT_EQ(entry.isGroupBox, 1);
        EXPECT_EQ(entry.enabled, 1);
        EXPECT_EQ(entry.fillAlpha, 50);
        ASSERT_FALSE(entry.fontFamily.empty()) << "the group box's font is read";
        ASSERT_GT(entry.fontSize, 0);

        Canvas canvas(w, h);
        renderComponent(index, position, canvas.get());
        // No fill: the window's background shows inside; the outline darkens
        // the left edge 5 pixels below the top.
        EXPECT_TRUE(closeTo(canvas.pixel(w / 2, h / 2), kGreen, 2));
        EXPECT_FALSE(closeTo(canvas.pixel(0, h / 2), kGreen, 10));
        EXPECT_TRUE(closeTo(canvas.pixel(w / 2, 2), kGreen, 2) || isTitleRed(canvas.pixel(w / 2, 2)) ||
                    c.alignment == BS_CENTER);

        const int tw = measureTextWidth("Abc", entry.fontFamily, entry.fontSize, entry.fontStyle);
        const int x = c.expectedX(w, tw);
        int minX = w, maxX = -1;
        for (int y = 0; y <= entry.fontSize + 4; ++y)
            for (int px = 0; px < w; ++px)
                if (isTitleRed(canvas.pixel(px, y))) {
                    minX = std::min(minX, px);
                    maxX = std::max(maxX, px);
                }
        ASSERT_GE(maxX, 0) << "the title is drawn in the colour of Kj_Ztys";
        EXPECT_GE(minX, x);
        EXPECT_LE(minX, x + 6);
        EXPECT_LE(maxX, x + tw);
        DestroyWindow(box);
    }
}

TEST_F(Components, ContainerFillAndOutline) {
    struct Case {
        const char* name;
        COLORREF fill;
        int alpha;
        int outlined;
        COLORREF inside;
        bool edgeDiffers;
    };
    const Case cases[] = {{"no fill", 0, 50, 0, kGreen, false},
                          {"opaque blue fill", kBlue, 255, 0, kBlue, false},
                          {"outlined", 0, 50, 1, kGreen, true}};
    const int w = 120, h = 80;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HWND box = child(kLabelClass, 0, 30, 60, w, h);
        skinAsContainer(box, c.fill, c.alpha, c.outlined);
        const int position = componentSkinIndex(index, box);
        ASSERT_GE(position, 1);
        Canvas canvas(w, h);
        renderComponent(index, position, canvas.get());
        EXPECT_TRUE(closeTo(canvas.pixel(w / 2, h / 2), c.inside, 2));
        EXPECT_EQ(!closeTo(canvas.pixel(0, h / 2), c.inside, 10), c.edgeDiffers);
        EXPECT_EQ(record().componentSkins[position - 1].dirty, 0);
        DestroyWindow(box);
    }
}

TEST_F(Components, PaintedOnScreenOverTheSkinnedBackground) {
    HWND box = child("Button", BS_GROUPBOX | BS_LEFT, 20, 60, 200, 100, "Abc");
    HWND label = child(kLabelClass, 0, 240, 60, 60, 30);
    skinAsContainer(box);
    registerTransparent(label);
    repaintAll();

    EXPECT_TRUE(closeTo(screenPixel(box, 100, 50), kGreen, 2));
    EXPECT_EQ(record().componentSkins[0].dirty, 0);
    // The label's button-face background gives way to the skinned one; its
    // text stays.
    EXPECT_TRUE(closeTo(screenPixel(label, 2, 2), kGreen, 2));
    EXPECT_TRUE(closeTo(screenPixel(label, 30, 15), 0, 2));
}

TEST_F(Components, SkinnedOnceAndFoundThroughItsProperties) {
    HWND box = child("Button", BS_GROUPBOX, 20, 60, 200, 100);
    skinAsContainer(box);
    const LONG_PTR procedure = GetWindowLongPtrA(box, GWLP_WNDPROC);
    skinAsContainer(box, kBlue, 255);
    EXPECT_EQ(record().componentSkins.size(), 1u);
    EXPECT_EQ(record().componentSkins[0].fillColour, 0u);
    EXPECT_EQ(GetWindowLongPtrA(box, GWLP_WNDPROC), procedure);
    EXPECT_EQ(propValue(box, kPropListIndex), 1);
    EXPECT_EQ(propValue(box, kPropOwnerIndex), index);
    EXPECT_EQ(propValue(box, kPropOldProc), reinterpret_cast<LONG_PTR>(record().componentSkins[0].oldWndProc));
    EXPECT_EQ(propValue(box, kPropComponentBackdrop), 0);

    // The defaults of skinComponent itself: enabled, opaque, not outlined.
    HWND other = child(kLabelClass, 0, 240, 60, 60, 30);
    engine().methods->skinComponent(engineThis(), other, nullptr, 0, nullptr, nullptr);
    const ComponentSkin& entry = record().componentSkins.at(1);
    EXPECT_EQ(entry.enabled, 1);
    EXPECT_EQ(entry.fillAlpha, 255);
    EXPECT_EQ(entry.outlined, 0);
    EXPECT_EQ(entry.isGroupBox, 0);

    // A window outside every skinned window is left alone.
    HWND stray = CreateWindowExA(0, kLabelClass, "", WS_POPUP, 0, 0, 40, 40, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    const LONG_PTR strayProc = GetWindowLongPtrA(stray, GWLP_WNDPROC);
    skinAsContainer(stray);
    registerTransparent(stray);
    EXPECT_EQ(GetWindowLongPtrA(stray, GWLP_WNDPROC), strayProc);
    DestroyWindow(stray);
}

TEST_F(Components, MovingRepaintsOnlyATranslucentContainer) {
    struct Case {
        int alpha;
        bool repaints;
    };
    for (const Case& c : {Case{255, false}, Case{50, true}}) {
        SCOPED_TRACE(c.alpha);
        HWND box = child(kLabelClass, 0, 30, 60, 100, 60);
        skinAsContainer(box, 0, c.alpha);
        UpdateWindow(box);
        ValidateRect(box, nullptr);
        SendMessageA(box, WM_MOVE, 0, MAKELPARAM(30, 60));
        EXPECT_EQ(GetUpdateRect(box, nullptr, FALSE) != FALSE, c.repaints);
        DestroyWindow(box);
    }
}

TEST_F(Components, TransparentComponentWithChildrenIsAlsoAContainer) {
    HWND label = child(kLabelClass, 0, 20, 60, 60, 30);
    registerTransparent(label);
    ASSERT_EQ(record().components.size(), 1u);
    EXPECT_EQ(record().components[0].hwnd, label);
    EXPECT_EQ(record().components[0].keyColour, GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(propValue(label, kPropComponentIndex), 1);
    EXPECT_EQ(propValue(label, kPropComponentOwner), index);
    EXPECT_EQ(componentSkinIndex(index, label), 0) << "a component without children is no container";

    HWND pictureBox = child(kLabelClass, 0, 100, 60, 120, 80);
    HWND inner = child("Static", 0, 5, 5, 50, 20, "x", pictureBox);
    const COLORREF key = RGB(1, 2, 3);
    engine().methods->registerComponent(engineThis(), pictureBox, &key, 0, 50);
    EXPECT_EQ(record().components.size(), 2u);
    EXPECT_EQ(record().components[1].keyColour, key);
    const int position = componentSkinIndex(index, pictureBox);
    ASSERT_GE(position, 1);
    EXPECT_EQ(record().componentSkins[position - 1].enabled, 0);
    EXPECT_EQ(record().componentSkins[position - 1].fillAlpha, 50);

    // Its child gets a veiled brush from the container in front.
    gdi::WindowDC dc(inner);
    const LRESULT brush = SendMessageA(pictureBox, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.get()),
                                       reinterpret_cast<LPARAM>(inner));
    EXPECT_NE(brush, kPreviousBrush);
    EXPECT_EQ(brush, propValue(inner, kPropBackBrush));
    EXPECT_EQ(GetObjectType(reinterpret_cast<HGDIOBJ>(brush)), DWORD(OBJ_BRUSH));
}

TEST_F(Components, ColourMessagesOfTheControlsInside) {
    HWND box = child(kLabelClass, 0, 20, 60, 250, 150);
    HWND label = child("Static", 0, 5, 5, 50, 20, "x", box);
    HWND list = child("ListBox", 0, 60, 5, 50, 40, "", box);
    HWND ownerDrawn = child("ListBox", LBS_OWNERDRAWFIXED, 120, 5, 50, 40, "", box);
    HWND combo = child("ComboBox", CBS_DROPDOWN, 5, 60, 80, 100, "", box);
    HWND comboEdit = FindWindowExA(combo, nullptr, "Edit", nullptr);
    HWND edit = child("Edit", 0, 100, 60, 60, 20, "", box);
    HWND button = child("Button", BS_CHECKBOX, 170, 60, 60, 20, "", box);
    ASSERT_NE(comboEdit, nullptr);
    skinAsContainer(box);

    enum Answer { Veiled, Hollow, Previous };
    struct Case {
        const char* name;
        UINT msg;
        HWND control;
        Answer answer;
    };
    const Case cases[] = {
        {"static", WM_CTLCOLORSTATIC, label, Veiled},       {"edit", WM_CTLCOLOREDIT, edit, Veiled},
        {"combo's edit", WM_CTLCOLOREDIT, comboEdit, Previous}, {"list box", WM_CTLCOLORLISTBOX, list, Hollow},
        {"owner-drawn list", WM_CTLCOLORLISTBOX, ownerDrawn, Previous}, {"button", WM_CTLCOLORBTN, button, Hollow},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        setPropValue(c.control, kPropTextColour, kRed);
        gdi::WindowDC dc(c.control);
        const LRESULT brush = SendMessageA(box, c.msg, reinterpret_cast<WPARAM>(dc.get()),
                                           reinterpret_cast<LPARAM>(c.control));
        switch (c.answer) {
        case Veiled:
            EXPECT_EQ(brush, propValue(c.control, kPropBackBrush));
            EXPECT_EQ(GetObjectType(reinterpret_cast<HGDIOBJ>(brush)), DWORD(OBJ_BRUSH));
            EXPECT_NE(propValue(c.control, kPropBackBitmap), 0);
            EXPECT_EQ(GetTextColor(dc), kRed);
            break;
        case Hollow:
            EXPECT_EQ(brush, reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH)));
            EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
            break;
        case Previous:
            EXPECT_EQ(brush, kPreviousBrush);
            break;
        }
    }

    // With the control skins off the previous procedure answers everything.
    skinSettings.controlSkinsEnabled = false;
    gdi::WindowDC dc(label);
    EXPECT_EQ(SendMessageA(box, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.get()), reinterpret_cast<LPARAM>(label)),
              kPreviousBrush);
    skinSettings.controlSkinsEnabled = true;
}

TEST_F(Components, PaintersHoldNoGdiObjects) {
    HWND box = child("Button", BS_GROUPBOX | BS_CENTER, 20, 60, 200, 100, "Abc");
    HWND inner = child("Static", 0, 10, 20, 60, 20, "x", box);
    HWND label = child(kLabelClass, 0, 240, 60, 60, 30);
    skinAsContainer(box);
    registerTransparent(label);
    repaintAll();
    const int position = componentSkinIndex(index, box);

    GdiWatermark watermark;
    for (int i = 0; i < kGdiSoakCycles; ++i) {
        renderComponent(index, position, nullptr);
        paintComponent(index, position, box);
        gdi::WindowDC dc(inner);
        SendMessageA(box, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.get()), reinterpret_cast<LPARAM>(inner));
        RedrawWindow(label, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
    EXPECT_LT(watermark.growth(), kGdiLeakTolerance);
    EXPECT_TRUE(skinSettings.memoryDCs.empty());
}

} // namespace
