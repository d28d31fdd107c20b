// Button skin on real buttons of a skinned window with a plain green
// background: which buttons the installers take and how, the owner-drawn
// push button's looks (normal, hovered, disabled) reached through the
// window's WM_DRAWITEM, check boxes and radio buttons painted in their check
// state, the hover bookkeeping, the check-box pictures, and a GDI soak.
#include "controls/button_skin.h"
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
#include <vector>

using namespace skin;
using skintest::engine;
using skintest::closeTo;
using skintest::engineThis;
using skintest::screenPixel;

namespace {

constexpr COLORREF kRed = RGB(0xFF, 0, 0);

bool isGreenish(COLORREF c) { return GetGValue(c) > GetRValue(c) + 40 && GetGValue(c) > GetBValue(c) + 40; }

// The veiled host window; buttons are made before skinning.
class ButtonSkin : public skintest::VeiledHostWindow {
protected:
    HWND button(DWORD style, int x, int y, int w, int h, const char* text = "Ok") {
        return child("Button", style, x, y, w, h, text);
    }
    void skinAndShow() {
        VeiledHostWindow::skinAndShow();
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    static void paintMarker(HWND hwnd) {
        gdi::WindowDC dc(hwnd);
        RECT r{0, 0, 200, 200};
        gdi::GdiObject<HBRUSH> red(CreateSolidBrush(kRed));
        FillRect(dc, &r, red.get());
    }
    static void redraw(HWND hwnd) { RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }
};

TEST_F(ButtonSkin, InstallersTakePushButtonsFirstThenCheckBoxesAndAutoRadioButtonsInChildOrder) {
    struct Case {
        const char* name;
        DWORD style;
        int kind;  // -1: left alone
    };
    const Case cases[] = {
        {"auto radio", BS_AUTORADIOBUTTON, RadioButton},
        {"push", BS_PUSHBUTTON, PushButton},
        {"check", BS_CHECKBOX, CheckBox},
        {"owner-drawn", BS_OWNERDRAW, -1},
        {"default push", BS_DEFPUSHBUTTON, PushButton},
        {"auto check", BS_AUTOCHECKBOX, CheckBox},
        {"group box", BS_GROUPBOX, -1},
        {"three-state", BS_3STATE, -1},
        {"auto three-state", BS_AUTO3STATE, -1},
        {"plain radio", BS_RADIOBUTTON, -1},
        {"user button", BS_USERBUTTON, PushButton},
    };
    std::vector<HWND> made, pushes, checks;
    int y = 0;
    for (const Case& c : cases) {
        made.push_back(button(c.style, 5, y += 18, 80, 16, c.name));
        if (c.kind == PushButton) pushes.push_back(made.back());
        if (c.kind == RadioButton || c.kind == CheckBox) checks.push_back(made.back());
    }
    skinAndShow();

    std::vector<HWND> expectedOrder = pushes;
    expectedOrder.insert(expectedOrder.end(), checks.begin(), checks.end());
    std::vector<HWND> entries;
    for (const ButtonEntry& e : record().buttons) entries.push_back(e.hwnd);
    EXPECT_EQ(entries, expectedOrder);

    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.name);
        const HWND hwnd = made[i];
        const int position = findButtonEntry(index, hwnd);
        const auto type = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)) & BS_TYPEMASK;
        if (c.kind < 0) {
            EXPECT_EQ(position, 0);
            EXPECT_EQ(GetPropA(hwnd, kPropOldProc), nullptr);
            EXPECT_EQ(type, c.style);
            continue;
        }
        ASSERT_GE(position, 1);
        const ButtonEntry& e = record().buttons[position - 1];
        EXPECT_EQ(e.kind, c.kind);
        EXPECT_EQ(e.text, c.name);
        EXPECT_EQ(propValue(hwnd, kPropListIndex), position);
        EXPECT_EQ(propValue(hwnd, kPropOwnerIndex), index);
        EXPECT_EQ(GetWindowLongA(hwnd, GWL_WNDPROC), reinterpret_cast<LONG>(&buttonWindowProc));
        EXPECT_EQ(propHandle<WNDPROC>(hwnd, kPropOldProc), e.oldWindowProc);
        EXPECT_NE(e.oldWindowProc, nullptr);
        // Push buttons (the default one included) become owner-drawn; the others keep their type.
        EXPECT_EQ(type, c.kind == PushButton ? DWORD(BS_OWNERDRAW) : c.style);
        // The font asked for 12-pixel characters: that is its em size.
        EXPECT_FALSE(e.fontName.empty());
        EXPECT_EQ(e.fontSize, 12);
    }

    // The text follows WM_SETTEXT.
    SetWindowTextA(made[1], "Renamed");
    EXPECT_EQ(record().buttons[findButtonEntry(index, made[1]) - 1].text, "Renamed");
}

TEST_F(ButtonSkin, InstallersDoNothingWhileControlSkinsAreOff) {
    HWND push = button(BS_PUSHBUTTON, 10, 10, 80, 24);
    HWND check = button(BS_AUTOCHECKBOX, 10, 40, 80, 20);
    skinSettings.controlSkinsEnabled = false;
    skinAndShow();
    skinSettings.controlSkinsEnabled = true;
    EXPECT_EQ(findButtonEntry(index, push), 0);
    EXPECT_EQ(record().buttons.size(), 1u);
    EXPECT_EQ(record().buttons[0].hwnd, nullptr);
    EXPECT_EQ(GetPropA(check, kPropOldProc), nullptr);
}

// Push-button looks, read from the screen after the window's WM_DRAWITEM
// reached the painter.
TEST_F(ButtonSkin, PushButtonIsPaintedByTheSkinInItsNormalHoveredAndDisabledLooks) {
    const int w = 90, h = 30;
    HWND push = button(BS_PUSHBUTTON, 20, 20, w, h, "");
    skinAndShow();
    redraw(push);
    // Normal: the veiled green shows through the face, a dark outline.
    const COLORREF face = screenPixel(push, w / 2, h - 6);
    EXPECT_TRUE(isGreenish(face)) << std::hex << face;
    EXPECT_NE(face, GetSysColor(COLOR_BTNFACE));
    const COLORREF edge = screenPixel(push, 0, h / 2);
    EXPECT_LT(GetGValue(edge), GetGValue(face));

    // Hovered: the outline in the accent colour.
    repaintButton(push, 0, true);
    EXPECT_TRUE(closeTo(screenPixel(push, 0, h / 2), skinSettings.accentColour, 16)) << std::hex
                                                                                     << screenPixel(push, 0, h / 2);

    // Disabled: the light grey face, no green left.
    EnableWindow(push, FALSE);
    redraw(push);
    EXPECT_TRUE(closeTo(screenPixel(push, w / 2, h - 6), 0xC0C0C0, 24)) << std::hex << screenPixel(push, w / 2, h - 6);
}

TEST_F(ButtonSkin, LabelIsDrawnInTheTextColourOfTheButton) {
    struct Case {
        const char* name;
        DWORD style;
    };
    const Case cases[] = {{"push", BS_PUSHBUTTON}, {"check", BS_AUTOCHECKBOX}, {"radio", BS_AUTORADIOBUTTON}};
    std::vector<HWND> made;
    for (int i = 0; i < 3; ++i) made.push_back(button(cases[i].style, 20, 20 + 40 * i, 120, 30, "WWWW"));
    skinAndShow();
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(cases[i].name);
        setPropValue(made[i], kPropTextColour, kRed);
        redraw(made[i]);
        int red = 0;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 120; ++x) {
                const COLORREF c = screenPixel(made[i], x, y);
                if (GetRValue(c) > 150 && GetGValue(c) < 120) ++red;
            }
        EXPECT_GT(red, 10);
    }
}

// A label too wide for its button is drawn smaller on one line, inside the
// button, rather than wrapped or cut at the edges; a disabled button's label
// is grey instead of its text colour.
TEST_F(ButtonSkin, LabelFitsOnOneLineAndIsGreyWhenDisabled) {
    struct Case {
        const char* name;
        DWORD style;
        int textLeft;
    };
    const Case cases[] = {{"push", BS_PUSHBUTTON, 0}, {"check", BS_AUTOCHECKBOX, 17}, {"radio", BS_AUTORADIOBUTTON, 18}};
    const int w = 70, h = 40;
    std::vector<HWND> made;
    for (int i = 0; i < 3; ++i) made.push_back(button(cases[i].style, 20, 20 + 50 * i, w, h, "WWWWW"));
    skinAndShow();
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(cases[i].name);
        setPropValue(made[i], kPropTextColour, kRed);
        redraw(made[i]);
        int left = w, right = -1, top = h, bottom = -1;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const COLORREF c = screenPixel(made[i], x, y);
                if (GetRValue(c) > 150 && GetGValue(c) < 120) {
                    left = std::min(left, x), right = std::max(right, x);
                    top = std::min(top, y), bottom = std::max(bottom, y);
                }
            }
        ASSERT_GE(right, 0);
        EXPECT_GT(left, cases[i].textLeft) << "not cut at the left";
        EXPECT_LT(right, w - 1) << "not cut at the right";
        EXPECT_LT(bottom - top, 14) << "one line";

        EnableWindow(made[i], FALSE);
        redraw(made[i]);
        int red = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const COLORREF c = screenPixel(made[i], x, y);
                if (GetRValue(c) > 150 && GetGValue(c) < 120) ++red;
            }
        EXPECT_EQ(red, 0);
    }
}

// A teal pixel inside the check mark or the radio dot.
bool isTeal(COLORREF c) { return GetRValue(c) < 90 && GetGValue(c) > 80 && GetBValue(c) > 80 && GetGValue(c) < 200; }

TEST_F(ButtonSkin, CheckBoxShowsItsNewStateAtOnceAndSwallowsTheFastSecondClick) {
    const int h = 20;
    HWND check = button(BS_AUTOCHECKBOX, 20, 20, 100, h);
    skinAndShow();
    const int y1 = (h - 13) / 2;
    EXPECT_FALSE(isTeal(screenPixel(check, 5, y1 + 7)));
    EXPECT_TRUE(closeTo(screenPixel(check, 0, y1 + 6), RGB(3, 3, 3), 6)) << "the box's frame";

    SendMessageA(check, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(check, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(SendMessageA(check, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_TRUE(isTeal(screenPixel(check, 5, y1 + 7))) << std::hex << screenPixel(check, 5, y1 + 7);
    EXPECT_TRUE(closeTo(screenPixel(check, 0, y1 + 6), RGB(24, 81, 132), 6));

    // A second click quick enough to be a double click changes nothing.
    SendMessageA(check, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(check, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(SendMessageA(check, BM_GETCHECK, 0, 0), BST_CHECKED);

    // Unchecked from the program: the mark goes.
    SendMessageA(check, BM_SETCHECK, BST_UNCHECKED, 0);
    EXPECT_FALSE(isTeal(screenPixel(check, 5, y1 + 7)));
}

TEST_F(ButtonSkin, RadioButtonShowsItsDotWhenChecked) {
    const int h = 20;
    HWND radio = button(BS_AUTORADIOBUTTON, 20, 20, 100, h);
    skinAndShow();
    const int cy = (h - 12) / 2 + 6;
    const COLORREF before = screenPixel(radio, 8, cy);
    EXPECT_FALSE(isTeal(before)) << std::hex << before;
    SendMessageA(radio, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_TRUE(isTeal(screenPixel(radio, 6, cy))) << std::hex << screenPixel(radio, 6, cy);
    redraw(radio);
    EXPECT_TRUE(isTeal(screenPixel(radio, 6, cy))) << "WM_PAINT draws the same state";
}

TEST_F(ButtonSkin, HoverLookFollowsTheMouseFromButtonToButtonAndIsDrawnOncePerEntry) {
    HWND first = button(BS_PUSHBUTTON, 20, 20, 80, 24);
    HWND second = button(BS_AUTOCHECKBOX, 20, 60, 80, 20);
    skinAndShow();
    const int firstEntry = findButtonEntry(index, first), secondEntry = findButtonEntry(index, second);

    SendMessageA(first, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(record().hotControl, firstEntry);
    EXPECT_EQ(record().controlUnderMouse, firstEntry);
    EXPECT_EQ(record().hotControlKind, 0);

    // Moving within the same button draws nothing.
    paintMarker(first);
    SendMessageA(first, WM_MOUSEMOVE, 0, MAKELPARAM(6, 6));
    EXPECT_EQ(screenPixel(first, 40, 12), kRed);

    // Onto the next button: it is drawn in its hover look.
    paintMarker(second);
    SendMessageA(second, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_NE(screenPixel(second, 40, 10), kRed);
    EXPECT_EQ(record().hotControl, secondEntry);

    // A click clears the hot control so the next move draws the hover again.
    SendMessageA(second, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(record().hotControl, 0);
    SendMessageA(second, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(record().hotControl, secondEntry);

    // Leaving draws the plain look and clears the hot control.
    paintMarker(second);
    SendMessageA(second, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(record().hotControl, 0);
    EXPECT_NE(screenPixel(second, 40, 10), kRed);
}

TEST_F(ButtonSkin, CheckBoxPicturesAre13PixelBoxesWithTheirFramesFacesAndMark) {
    struct Case {
        const char* name;
        Bytes picture;
        COLORREF frame;
        bool mark;
    };
    const Case cases[] = {{"box", checkBoxImage(), RGB(3, 3, 3), false},
                          {"marked", checkMarkImage(), RGB(24, 81, 132), true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_FALSE(c.picture.empty());
        const SIZE size = skintest::pictureSize(c.picture);
        EXPECT_EQ(size.cx, 13);
        EXPECT_EQ(size.cy, 13);
        auto rgb = [&](int x, int y) {
            const std::uint32_t argb = skintest::picturePixel(c.picture, x, y);
            EXPECT_EQ(argb >> 24, 0xFFu) << "opaque at " << x << "," << y;
            return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
        };
        EXPECT_EQ(rgb(0, 0), c.frame);
        EXPECT_EQ(rgb(12, 6), c.frame);
        EXPECT_TRUE(closeTo(rgb(1, 1), RGB(235, 233, 227), 1));
        EXPECT_TRUE(closeTo(rgb(11, 11), RGB(249, 246, 243), 1));
        EXPECT_EQ(rgb(5, 8) == RGB(36, 110, 117), c.mark);
    }
}

TEST_F(ButtonSkin, PaintersHoldNoGdiObjectsAfterManyCycles) {
    HWND push = button(BS_PUSHBUTTON, 20, 20, 80, 24);
    HWND check = button(BS_AUTOCHECKBOX, 20, 60, 80, 20);
    HWND radio = button(BS_AUTORADIOBUTTON, 20, 90, 80, 20);
    skinAndShow();
    const GdiWatermark watermark;
    // One paint per cycle, taking the painters in turn.
    for (int i = 0; i < kGdiSoakCycles; ++i) {
        switch (i % 4) {
        case 0:
            redraw(push);  // WM_PAINT, the window's WM_DRAWITEM, the painter
            break;
        case 1:
            repaintButton(push, kButtonFocused | kButtonPressed, (i & 4) != 0);
            break;
        case 2:
            repaintButton(check, 0, (i & 4) != 0);
            break;
        default:
            SendMessageA(radio, BM_SETCHECK, (i & 4) ? BST_CHECKED : BST_UNCHECKED, 0);
            break;
        }
    }
    EXPECT_LT(watermark.growth(), kGdiLeakTolerance);
    EXPECT_TRUE(skinSettings.memoryDCs.empty()) << "every background snapshot handed back";
}

} // namespace
