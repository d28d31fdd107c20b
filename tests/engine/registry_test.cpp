// The window registry: the blank-first-entry rule, removal of a record and
// renumbering of the windows and controls that point at records.
#include "engine/skin_settings.h"
#include "engine/window_properties.h"
#include "engine/window_registry.h"
#include "test_windows.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

using namespace skin;
using skintest::childWindow;
using skintest::gdiObjectAlive;
using skintest::TestWindow;
using skintest::topLevelWindow;

namespace {

HWND handle(std::uintptr_t h) { return reinterpret_cast<HWND>(h); }

template <class Entry> Entry entryFor(HWND hwnd) {
    Entry entry;
    entry.hwnd = hwnd;
    return entry;
}

struct BlankRuleCase {
    const char* name;
    std::vector<std::uintptr_t> before;  // handles already in the list
    int expectedIndex;
    std::vector<std::uintptr_t> after;
};

TEST(ControlListRule, FillsTheBlankEntryOnlyWhileItIsTheOnlyEntry) {
    const BlankRuleCase cases[] = {
        {"blank only", {0}, 1, {0x99}},
        {"first control already in", {0x11}, 2, {0x11, 0x99}},
        {"blank followed by others", {0, 0x11}, 3, {0, 0x11, 0x99}},
        {"empty list", {}, 1, {0x99}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<EditEntry> list;
        for (auto h : c.before) list.push_back(entryFor<EditEntry>(handle(h)));
        EXPECT_EQ(addControlEntry(list, entryFor<EditEntry>(handle(0x99))), c.expectedIndex);
        std::vector<std::uintptr_t> after;
        for (const auto& e : list) after.push_back(reinterpret_cast<std::uintptr_t>(e.hwnd));
        EXPECT_EQ(after, c.after);
    }
}

TEST(ControlListRule, NewRecordListsStartWithOneBlankEntryExceptCaptionButtons) {
    WindowRecord record;
    EXPECT_TRUE(record.captionButtons.empty());
    EXPECT_EQ(record.buttons.size(), 1u);
    EXPECT_EQ(record.componentSkins.size(), 1u);
    EXPECT_EQ(record.components.size(), 1u);
    EXPECT_EQ(record.bottomBarItems.size(), 1u);
    EXPECT_EQ(record.componentSkins[0].hwnd, nullptr);
}

class Registry : public testing::Test {
protected:
    void SetUp() override { skinSettings.windowRecords.clear(); }
    void TearDown() override { skinSettings.windowRecords.clear(); }

    WindowRecord& addRecord(HWND hwnd) {
        skinSettings.windowRecords.push_back(std::make_unique<WindowRecord>());
        WindowRecord& record = *skinSettings.windowRecords.back();
        record.hwnd = hwnd;
        setPropValue(hwnd, kPropListIndex, static_cast<std::intptr_t>(skinSettings.windowRecords.size()));
        return record;
    }
};

TEST_F(Registry, FindAndIndexLookupsStayInsideTheList) {
    TestWindow a = topLevelWindow(), b = topLevelWindow();
    addRecord(a);
    addRecord(b);
    EXPECT_EQ(findWindowRecord(a), 1);
    EXPECT_EQ(findWindowRecord(b), 2);
    EXPECT_EQ(findWindowRecord(nullptr), 0);
    EXPECT_EQ(windowRecordAt(2)->hwnd, b.get());
    EXPECT_EQ(windowRecordAt(0), nullptr);
    EXPECT_EQ(windowRecordAt(3), nullptr);
    EXPECT_EQ(windowRecordOf(b)->hwnd, b.get());
}

// Two skinned windows; the second has one control in every list. Removing
// the first must point the second window and all its controls at index 1.
TEST_F(Registry, RemovingTheFirstWindowRenumbersTheSecondAndItsChildren) {
    TestWindow first = topLevelWindow(), second = topLevelWindow();
    addRecord(first);
    WindowRecord& record = addRecord(second);

    std::vector<TestWindow> children;
    std::vector<std::pair<std::string, HWND>> owned;  // list name, child
    auto child = [&](const char* list) {
        children.push_back(childWindow(second));
        HWND h = children.back();
        setPropValue(h, list == std::string("components") ? kPropComponentOwner : kPropOwnerIndex, 2);
        owned.emplace_back(list, h);
        return h;
    };
    addControlEntry(record.scrolledControls, entryFor<ListTypeSkin>(child("scrolledControls")));
    addControlEntry(record.buttons, entryFor<ButtonEntry>(child("buttons")));
    addControlEntry(record.buttons, entryFor<ButtonEntry>(child("buttons")));
    addControlEntry(record.editFields, entryFor<EditEntry>(child("editFields")));
    addControlEntry(record.comboBoxes, entryFor<ComboEntry>(child("comboBoxes")));
    addControlEntry(record.listViews, entryFor<HeaderSkin>(child("listViews")));
    addControlEntry(record.upDowns, entryFor<UpDownSkin>(child("upDowns")));
    addControlEntry(record.trackbars, entryFor<TrackbarSkin>(child("trackbars")));
    addControlEntry(record.progressBars, entryFor<ProgressSkin>(child("progressBars")));
    addControlEntry(record.componentSkins, entryFor<ComponentSkin>(child("componentSkins")));
    addControlEntry(record.components, entryFor<TransparentComponent>(child("components")));

    unregisterWindow(first);

    ASSERT_EQ(skinSettings.windowRecords.size(), 1u);
    EXPECT_EQ(windowRecordAt(1)->hwnd, second.get());
    EXPECT_EQ(propValue(second, kPropListIndex), 1);
    for (const auto& [list, h] : owned) {
        SCOPED_TRACE(list);
        const char* prop = list == "components" ? kPropComponentOwner : kPropOwnerIndex;
        EXPECT_EQ(propValue(h, prop), 1);
    }
}

TEST_F(Registry, RemovingTheLastWindowLeavesEarlierIndicesAlone) {
    TestWindow first = topLevelWindow(), second = topLevelWindow();
    addRecord(first);
    addRecord(second);
    unregisterWindow(second);
    ASSERT_EQ(skinSettings.windowRecords.size(), 1u);
    EXPECT_EQ(windowRecordAt(1)->hwnd, first.get());
    EXPECT_EQ(propValue(first, kPropListIndex), 1);
}

TEST_F(Registry, UnknownWindowChangesNothing) {
    TestWindow a = topLevelWindow(), stranger = topLevelWindow();
    addRecord(a);
    unregisterWindow(stranger);
    EXPECT_EQ(skinSettings.windowRecords.size(), 1u);
}

// A memory DC with a bitmap of its own selected into it.
struct CacheSurface {
    HDC dc;
    HGDIOBJ first;
    HBITMAP bitmap;
};
CacheSurface makeSurface() {
    HDC screen = GetDC(nullptr);
    CacheSurface s{CreateCompatibleDC(screen), nullptr, CreateCompatibleBitmap(screen, 8, 8)};
    ReleaseDC(nullptr, screen);
    s.first = SelectObject(s.dc, s.bitmap);
    return s;
}

TEST_F(Registry, RemovalDeletesEditFieldBrushesAndCacheSurfaces) {
    TestWindow window = topLevelWindow();
    WindowRecord& record = addRecord(window);

    TestWindow edit = childWindow(window, 0, 0, 50, 20, "EDIT");
    HBITMAP brushBitmap = CreateBitmap(4, 4, 1, 32, nullptr);
    HBRUSH brush = CreatePatternBrush(brushBitmap);
    setPropHandle(edit, kPropBackBitmap, brushBitmap);
    setPropHandle(edit, kPropBackBrush, brush);
    addControlEntry(record.editFields, entryFor<EditEntry>(edit));

    const CacheSurface cache = makeSurface(), caption = makeSurface(), bottom = makeSurface();
    record.cacheDC = cache.dc;
    setPropHandle(window, kPropCacheFirstBitmap, cache.first);
    setPropHandle(window, kPropCacheBitmap, cache.bitmap);
    record.captionCacheDC = caption.dc;
    record.captionCacheOldBitmap = static_cast<HBITMAP>(caption.first);
    record.captionCacheBitmap = caption.bitmap;
    record.bottomBarCacheDC = bottom.dc;
    record.bottomBarCacheOldBitmap = static_cast<HBITMAP>(bottom.first);
    record.bottomBarCacheBitmap = bottom.bitmap;

    unregisterWindow(window);

    EXPECT_TRUE(skinSettings.windowRecords.empty());
    EXPECT_FALSE(gdiObjectAlive(brush));
    EXPECT_FALSE(gdiObjectAlive(brushBitmap));
    for (const CacheSurface& s : {cache, caption, bottom}) {
        EXPECT_FALSE(gdiObjectAlive(s.dc));
        EXPECT_FALSE(gdiObjectAlive(s.bitmap));
    }
}

} // namespace
