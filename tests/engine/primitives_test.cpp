// Drawing primitives without pictures: colour conversion, the memory-DC
// list, the veil rectangle, background-source lookups and window tests.
#include "engine/drawing_primitives.h"
#include "engine/skin_settings.h"
#include "engine/window_properties.h"
#include "test_windows.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

using namespace skin;
using skintest::bitmapPixel;
using skintest::bitmapSize;
using skintest::childWindow;
using skintest::gdiObjectAlive;
using skintest::TestWindow;
using skintest::topLevelWindow;

namespace {

TEST(ToArgb, PutsAlphaOnTopAndSwapsRedAndBlue) {
    struct Case {
        COLORREF colour;
        int alpha;  // -1: not given
        std::uint32_t expected;
    } cases[] = {
        {RGB(0x12, 0x34, 0x56), 0x80, 0x80123456u},
        {0x0000FF, -1, 0xFFFF0000u},
        {RGB(0x40, 0x80, 0xFF), -1, 0xFF4080FFu},
        {RGB(0x40, 0x80, 0xFF), 0, 0x004080FFu},
        {0xAB000000u | RGB(1, 2, 3), 7, 0x07010203u},  // the top byte of the COLORREF is ignored
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.colour << " alpha " << c.alpha);
        const std::uint32_t argb = c.alpha < 0 ? toArgb(c.colour) : toArgb(c.colour, std::uint8_t(c.alpha));
        EXPECT_EQ(argb, c.expected);
    }
}

// ---- memory DCs --------------------------------------------------------------

class MemoryDCs : public testing::Test {
protected:
    void SetUp() override { skinSettings.memoryDCs.clear(); }
    void TearDown() override {
        while (!skinSettings.memoryDCs.empty()) releaseMemoryDC(skinSettings.memoryDCs.front().dc);
    }

    // A memory DC with a fresh 4 x 4 bitmap selected, registered.
    HDC makeRegisteredDC(HBITMAP* bitmapOut = nullptr) {
        HDC dc = CreateCompatibleDC(nullptr);
        HBITMAP bitmap = CreateCompatibleBitmap(dc, 4, 4);
        registerMemoryDC(dc, bitmap, SelectObject(dc, bitmap));
        if (bitmapOut) *bitmapOut = bitmap;
        return dc;
    }
};

TEST_F(MemoryDCs, SecondRegistrationOfADCKeepsOneEntryWithTheSecondPair) {
    HDC first = makeRegisteredDC();
    HBITMAP oldBitmap = nullptr;
    HDC dc = makeRegisteredDC(&oldBitmap);
    HDC last = makeRegisteredDC();

    HBITMAP replacement = CreateCompatibleBitmap(dc, 4, 4);
    HGDIOBJ previous = SelectObject(dc, replacement);
    registerMemoryDC(dc, replacement, previous);
    DeleteObject(previous);

    ASSERT_EQ(skinSettings.memoryDCs.size(), 3u);
    EXPECT_EQ(skinSettings.memoryDCs[0].dc, first);
    EXPECT_EQ(skinSettings.memoryDCs[1].dc, dc);
    EXPECT_EQ(skinSettings.memoryDCs[1].bitmap, replacement);
    EXPECT_EQ(skinSettings.memoryDCs[1].oldBitmap, previous);
    EXPECT_EQ(skinSettings.memoryDCs[2].dc, last);
}

TEST_F(MemoryDCs, ReleaseDeletesTheSelectedBitmapAndTheDCOnce) {
    HBITMAP bitmap = nullptr;
    HDC first = makeRegisteredDC();
    HDC dc = makeRegisteredDC(&bitmap);
    HDC last = makeRegisteredDC();

    EXPECT_TRUE(releaseMemoryDC(dc));
    EXPECT_FALSE(gdiObjectAlive(bitmap));
    EXPECT_FALSE(gdiObjectAlive(dc));
    EXPECT_FALSE(releaseMemoryDC(dc));
    EXPECT_FALSE(releaseMemoryDC(nullptr));

    ASSERT_EQ(skinSettings.memoryDCs.size(), 2u);
    EXPECT_EQ(skinSettings.memoryDCs[0].dc, first);
    EXPECT_EQ(skinSettings.memoryDCs[1].dc, last);
}

TEST_F(MemoryDCs, BitmapFromDCCopiesThePixelsAndReleasesTheDC) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP surface = CreateCompatibleBitmap(screen, 6, 5);
    ReleaseDC(nullptr, screen);
    registerMemoryDC(dc, surface, SelectObject(dc, surface));
    SetPixel(dc, 4, 3, RGB(10, 200, 30));

    const GdiObject<HBITMAP> copy(bitmapFromDC(dc, 6, 5));

    EXPECT_TRUE(skinSettings.memoryDCs.empty());
    EXPECT_FALSE(gdiObjectAlive(dc));
    const SIZE size = bitmapSize(copy.get());
    EXPECT_EQ(size.cx, 6);
    EXPECT_EQ(size.cy, 5);
    EXPECT_EQ(bitmapPixel(copy.get(), 4, 3), RGB(10, 200, 30));
}

// ---- veilRect ------------------------------------------------------------------

// A window class whose non-client area has chosen thicknesses, so the
// client area is exact whatever the system's border and scroll-bar sizes.
RECT ncInsets;
LRESULT CALLBACK insetWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCALCSIZE) {
        RECT& r = *reinterpret_cast<RECT*>(lParam);
        r.left += ncInsets.left;
        r.top += ncInsets.top;
        r.right -= ncInsets.right;
        r.bottom -= ncInsets.bottom;
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

const char* insetWindowClass() {
    static const char* name = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = insetWindowProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "EngineTestInsetWindow";
        RegisterClassA(&wc);
        return wc.lpszClassName;
    }();
    return name;
}

TEST(VeilRect, CentresTheClientAreaAssumingSeventeenPixelScrollBars) {
    struct Case {
        const char* name;
        int w, h;
        RECT insets;
        DWORD scrollStyle;
        RECT expected;
    } cases[] = {
        {"plain border", 120, 30, {2, 2, 2, 2}, 0, {2, 2, 118, 28}},
        {"vertical scroll bar", 120, 30, {2, 2, 19, 2}, WS_VSCROLL, {2, 2, 101, 28}},
        {"horizontal scroll bar", 120, 50, {2, 2, 2, 19}, WS_HSCROLL, {2, 2, 118, 31}},
        {"odd margin rounds down", 121, 31, {2, 2, 3, 3}, 0, {2, 2, 118, 28}},
        {"negative margin rounds down", 120, 30, {2, 2, 2, 2}, WS_VSCROLL, {-7, 2, 109, 28}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ncInsets = c.insets;
        TestWindow window(insetWindowClass(), WS_POPUP | c.scrollStyle, 10, 10, c.w, c.h);
        ASSERT_TRUE(window.get());
        const RECT r = veilRect(window);
        EXPECT_EQ(r.left, c.expected.left);
        EXPECT_EQ(r.top, c.expected.top);
        EXPECT_EQ(r.right, c.expected.right);
        EXPECT_EQ(r.bottom, c.expected.bottom);
    }
}

// ---- window tests ----------------------------------------------------------------

TEST(WindowTests, OnlyTheAutoRadioButtonTypePasses) {
    TestWindow parent = topLevelWindow();
    for (DWORD type = 0; type < 16; ++type) {
        SCOPED_TRACE(type);
        TestWindow button = childWindow(parent, 0, 0, 50, 20, "BUTTON", type);
        EXPECT_EQ(isAutoRadioButton(button), type == BS_AUTORADIOBUTTON);
    }
}

TEST(WindowTests, OwnerDrawnListBoxNeedsTheClassAndAnOwnerDrawStyle) {
    TestWindow parent = topLevelWindow();
    struct Case {
        const char* className;
        DWORD style;
        bool expected;
    } cases[] = {
        {"LISTBOX", LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, true},
        {"LISTBOX", LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS, true},
        {"LISTBOX", LBS_NOTIFY, false},
        {"STATIC", 0x30, false},
        {"EDIT", 0x30, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.className << " " << std::hex << c.style);
        TestWindow control = childWindow(parent, 0, 0, 50, 50, c.className, c.style);
        ASSERT_TRUE(control.get());
        EXPECT_EQ(isOwnerDrawnListBox(control), c.expected);
    }
}

TEST(WindowTests, ClassNameIsTheRegisteredName) {
    TestWindow parent = topLevelWindow();
    TestWindow list = childWindow(parent, 0, 0, 50, 50, "LISTBOX");
    EXPECT_EQ(windowClassName(list), "ListBox");
    EXPECT_EQ(windowClassName(nullptr), "");
}

// ---- background sources ------------------------------------------------------------

// Two skinned windows; the second holds a group-box component (a disabled
// one inside it), a backdrop window, and a component that found a backdrop.
class BackgroundSources : public testing::Test {
protected:
    void SetUp() override {
        skinSettings.windowRecords.clear();
        addRecord(other);
        WindowRecord& record = addRecord(root);
        addComponent(record, group, true);
        addComponent(record, disabledPanel, false);
        addComponent(record, backdropComponent, true);
        setPropValue(backdrop, kPropIsBackdrop, 1);
        setPropHandle(backdropComponent, kPropComponentBackdrop, backdrop.get());
    }
    void TearDown() override { skinSettings.windowRecords.clear(); }

    WindowRecord& addRecord(HWND hwnd) {
        skinSettings.windowRecords.push_back(std::make_unique<WindowRecord>());
        skinSettings.windowRecords.back()->hwnd = hwnd;
        return *skinSettings.windowRecords.back();
    }
    static void addComponent(WindowRecord& record, HWND hwnd, bool enabled) {
        ComponentSkin entry;
        entry.hwnd = hwnd;
        entry.enabled = enabled;
        addControlEntry(record.componentSkins, entry);
    }

    TestWindow other = topLevelWindow();
    TestWindow root = topLevelWindow();
    TestWindow direct = childWindow(root);
    TestWindow group = childWindow(root, 10, 10, 150, 100);
    TestWindow disabledPanel = childWindow(group, 5, 5, 100, 80);
    TestWindow inDisabled = childWindow(disabledPanel);
    TestWindow inGroup = childWindow(group);
    TestWindow backdrop = childWindow(root, 0, 0, 100, 100);
    TestWindow onBackdrop = childWindow(backdrop);
    TestWindow backdropComponent = childWindow(backdrop, 0, 0, 60, 60);
    TestWindow inBackdropComponent = childWindow(backdropComponent);
    TestWindow stranger = topLevelWindow();
    TestWindow strangersChild = childWindow(stranger);
};

TEST_F(BackgroundSources, LocateFindsOwnerComponentOrBackdrop) {
    struct Case {
        const char* name;
        HWND hwnd;
        bool found;
        int record, component;
        HWND backdrop;
    } cases[] = {
        {"skinned window itself", root, true, 2, 0, nullptr},
        {"control on the window", direct, true, 2, 0, nullptr},
        {"component itself", group, true, 2, 0, nullptr},
        {"control in a component", inGroup, false, 2, 1, nullptr},
        {"control in a nested component", inDisabled, false, 2, 2, nullptr},
        {"backdrop window itself", backdrop, false, 0, 0, backdrop},
        {"control on a backdrop", onBackdrop, false, 0, 0, backdrop},
        {"control in a component with a backdrop", inBackdropComponent, false, 0, 0, backdrop},
        {"no source", strangersChild, false, 0, 0, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const BackgroundSource s = locateBackgroundSource(c.hwnd, true);
        EXPECT_EQ(s.found, c.found);
        EXPECT_EQ(s.recordIndex, c.record);
        EXPECT_EQ(s.componentPosition, c.component);
        EXPECT_EQ(s.backdrop, c.backdrop);
    }
    // Without the backdrop check the component is an ordinary one.
    const BackgroundSource s = locateBackgroundSource(inBackdropComponent, false);
    EXPECT_EQ(s.recordIndex, 2);
    EXPECT_EQ(s.componentPosition, 3);
}

TEST_F(BackgroundSources, OwnerAndComponentLookups) {
    EXPECT_EQ(findOwnerRecord(inDisabled), 2);
    EXPECT_EQ(findOwnerRecord(root), 0);  // not the window itself
    EXPECT_EQ(findOwnerRecord(strangersChild), 0);

    EXPECT_EQ(componentSkinIndex(2, disabledPanel), 2);
    EXPECT_EQ(componentSkinIndex(2, nullptr), 0);  // the blank entry never matches
    EXPECT_EQ(componentSkinIndex(1, group), 0);
    EXPECT_EQ(componentSkinIndex(3, group), 0);

    // The disabled panel is passed over on the way up to the group box...
    EXPECT_EQ(enclosingComponentSkin(2, inDisabled, backdrop), 1);
    // ...and the walk ends at the stop window.
    EXPECT_EQ(enclosingComponentSkin(2, inDisabled, group), 0);
    EXPECT_EQ(enclosingComponentSkin(2, direct, nullptr), 0);
}

TEST_F(BackgroundSources, OffsetsAreBetweenWindowRectangles) {
    MoveWindow(root, 100, 50, 300, 200, FALSE);
    RECT rootRect{}, groupRect{};
    GetWindowRect(root, &rootRect);
    GetWindowRect(inGroup, &groupRect);
    const POINT expected{groupRect.left - rootRect.left, groupRect.top - rootRect.top};

    const POINT inRoot = offsetInRoot(inGroup);
    const POINT inOwner = offsetInOwner(inGroup);
    EXPECT_EQ(inRoot.x, expected.x);
    EXPECT_EQ(inRoot.y, expected.y);
    EXPECT_EQ(inOwner.x, expected.x);
    EXPECT_EQ(inOwner.y, expected.y);
    const POINT self = offsetInOwner(root);
    EXPECT_EQ(self.x, 0);
    EXPECT_EQ(self.y, 0);
    const POINT inGroupBox = offsetInWindow(group, inGroup);
    EXPECT_EQ(inGroupBox.x, 0);
    EXPECT_EQ(inGroupBox.y, 0);
}

} // namespace
