// Caption-button strip, caption buttons with their tooltip tools, and the
// bottom bar, on a real window whose client size the tests choose.
#include "codepage.h"
#include "controls/control_methods.h"
#include "engine/skin_settings.h"
#include "skin_support.h"
#include "test_windows.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

using namespace skin;
using skintest::engine;
using skintest::engineThis;

namespace {

TEST(CompleteMethodTable, AddsTheLayoutMethodsToTheEnginesOwn) {
    const SkinEngineMethods& own = skinEngineMethods();
    const SkinEngineMethods& complete = completeSkinEngineMethods();
    EXPECT_EQ(own.layoutCaptionButtons, nullptr);
    EXPECT_EQ(complete.layoutCaptionButtons, &SkinEngine::layoutCaptionButtons);
    EXPECT_EQ(complete.setBottomBar, &SkinEngine::setBottomBar);
    EXPECT_EQ(complete.layoutBottomBar, &SkinEngine::layoutBottomBar);
    EXPECT_EQ(complete.frameWindowProc, own.frameWindowProc);
    EXPECT_EQ(engine().methods, &complete);
}

CaptionButton captionButton(int kind, const char* tooltip) {
    CaptionButton button;
    button.kind = kind;
    button.width = kind == CloseButton ? 38 : 26;
    button.height = 18;
    button.tooltip = tooltip;
    return button;
}

// A 400 x 300 client area skinned the way skinWindow leaves it before the
// first layout: minimise, maximise and close, strip width 26 + 26 + 38 + 2 + 3.
class Layout : public testing::Test {
protected:
    void SetUp() override {
        skinSettings.windowRecords.clear();
        engine().borderWidth = 3;
        skintest::setClientSize(window, 400, 300);
        index = skintest::addRecord(window);
        record().captionButtons = {captionButton(MinimizeButton, "最小化"), captionButton(MaximizeButton, "最大化"),
                                   captionButton(CloseButton, "关闭")};
        record().buttonStripWidth = 95;
        record().toolTip.create(window);
        for (UINT_PTR id = 1; id <= 3; ++id)
            record().toolTip.addTool(RECT{0, 0, 0, 0}, record().captionButtons[id - 1].tooltip.c_str(), id);
    }
    void TearDown() override { skinSettings.windowRecords.clear(); }

    WindowRecord& record() { return *windowRecordAt(index); }
    void layoutCaption() { engine().methods->layoutCaptionButtons(engineThis(), index); }

    RECT toolRect(UINT_PTR id) {
        TTTOOLINFOA info{};
        info.cbSize = TTTOOLINFOA_V1_SIZE;
        info.hwnd = window;
        info.uId = id;
        SendMessageA(record().toolTip.window(), TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&info));
        return info.rect;
    }
    std::string toolText(UINT_PTR id) {
        char text[80] = {};
        TTTOOLINFOA info{};
        info.cbSize = TTTOOLINFOA_V1_SIZE;
        info.hwnd = window;
        info.uId = id;
        info.lpszText = text;
        SendMessageA(record().toolTip.window(), TTM_GETTEXTA, 0, reinterpret_cast<LPARAM>(&info));
        return text;
    }

    skintest::TestWindow window = skintest::topLevelWindow(50, 50, 400, 300, WS_POPUP);
    int index = 0;
};

struct ButtonRect {
    float x, y, width, height;
};

void expectButtonRects(const WindowRecord& record, const std::vector<ButtonRect>& expected) {
    ASSERT_EQ(record.captionButtons.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i + 1);
        const FloatRect& r = record.captionButtons[i].rect;
        EXPECT_EQ(r.x, expected[i].x);
        EXPECT_EQ(r.y, expected[i].y);
        EXPECT_EQ(r.width, expected[i].width);
        EXPECT_EQ(r.height, expected[i].height);
    }
}

void expectRect(const RECT& actual, const RECT& expected) {
    EXPECT_EQ(actual.left, expected.left);
    EXPECT_EQ(actual.top, expected.top);
    EXPECT_EQ(actual.right, expected.right);
    EXPECT_EQ(actual.bottom, expected.bottom);
}

TEST_F(Layout, StripSitsAtTheRightEdgeWithAPitchOf27AndAWideCloseButton) {
    layoutCaption();
    EXPECT_EQ(record().buttonStripX, 306);
    EXPECT_EQ(record().buttonStripHeight, 22);
    expectButtonRects(record(), {{308, 1, 26, 18}, {335, 1, 26, 18}, {362, 1, 40, 18}});
    expectRect(toolRect(1), {308, 1, 334, 19});
    expectRect(toolRect(3), {362, 1, 402, 19});
}

TEST_F(Layout, StripButtonsAndToolsFollowTheRightEdgeAndTheStripTop) {
    layoutCaption();
    skintest::setClientSize(window, 520, 300);
    record().buttonStripY = 4;
    layoutCaption();
    EXPECT_EQ(record().buttonStripX, 426);
    expectButtonRects(record(), {{428, 5, 26, 18}, {455, 5, 26, 18}, {482, 5, 40, 18}});
    expectRect(toolRect(2), {455, 5, 481, 23});
    expectRect(toolRect(3), {482, 5, 522, 23});
}

TEST_F(Layout, ToolTextsAreTheButtonsTooltips) {
    ASSERT_CODE_PAGE_936();
    record().toolTip.setToolText(1, "stale");
    layoutCaption();
    EXPECT_EQ(toolText(1), "最小化");
    EXPECT_EQ(toolText(3), "关闭");
}

TEST_F(Layout, RecordWithoutWindowKeepsItsStripButPlacesItsButtons) {
    record().hwnd = nullptr;
    record().buttonStripX = 100;
    record().buttonStripHeight = 30;
    layoutCaption();
    EXPECT_EQ(record().buttonStripX, 100);
    EXPECT_EQ(record().buttonStripHeight, 30);
    expectButtonRects(record(), {{102, 1, 26, 18}, {129, 1, 26, 18}, {156, 1, 40, 18}});
}

TEST_F(Layout, IndexOutsideTheRegistryChangesNothing) {
    engine().methods->layoutCaptionButtons(engineThis(), 0);
    engine().methods->layoutCaptionButtons(engineThis(), 7);
    engine().methods->setBottomBar(engineThis(), 7, 24, nullptr);
    engine().methods->layoutBottomBar(engineThis(), -1);
    EXPECT_EQ(record().buttonStripX, 0);
    EXPECT_EQ(record().bottomBarHeight, 0);
}

// ---- bottom bar --------------------------------------------------------------------

BottomBarItem barItem(int width, const char* text = "") {
    BottomBarItem item;
    item.width = width;
    item.text = text;
    item.textColour = 0x123456;
    item.picture = {1, 2, 3};
    return item;
}

void expectIntRect(const IntRect& actual, const IntRect& expected) {
    EXPECT_EQ(actual.x, expected.x);
    EXPECT_EQ(actual.y, expected.y);
    EXPECT_EQ(actual.width, expected.width);
    EXPECT_EQ(actual.height, expected.height);
}

void expectItemRects(const WindowRecord& record, const std::vector<IntRect>& expected) {
    ASSERT_EQ(record.bottomBarItemRects.size(), expected.size());
    ASSERT_EQ(record.bottomBarItems.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i + 1);
        expectIntRect(record.bottomBarItemRects[i], expected[i]);
    }
}

TEST_F(Layout, BottomBarItemsShareTheBarFromTheLeft) {
    struct Case {
        const char* name;
        bool itemsGiven;
        std::vector<BottomBarItem> items;
        std::vector<IntRect> rects;
    } cases[] = {
        {"no items: one filling item", false, {}, {{3, 272, 394, 24}}},
        {"fill between fixed items", true, {barItem(100), barItem(-1), barItem(80)},
         {{3, 272, 100, 24}, {103, 272, 294, 24}, {397, 272, 80, 24}}},
        {"fill first pushes the rest past the end", true, {barItem(-1), barItem(50)},
         {{3, 272, 394, 24}, {397, 272, 50, 24}}},
        {"fixed items only", true, {barItem(30), barItem(40)}, {{3, 272, 30, 24}, {33, 272, 40, 24}}},
        {"empty item list", true, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        engine().methods->setBottomBar(engineThis(), index, 24, c.itemsGiven ? &c.items : nullptr);
        EXPECT_EQ(record().bottomBarHeight, 24);
        expectIntRect(record().bottomBarRect, {3, 272, 394, 24});
        expectItemRects(record(), c.rects);
    }
}

TEST_F(Layout, BottomBarKeepsCopiesOfTheItems) {
    std::vector<BottomBarItem> items = {barItem(100, "one"), barItem(-1, "two")};
    engine().methods->setBottomBar(engineThis(), index, 24, &items);
    items[0].text = "changed";
    ASSERT_EQ(record().bottomBarItems.size(), 2u);
    EXPECT_EQ(record().bottomBarItems[0].text, "one");
    EXPECT_EQ(record().bottomBarItems[1].width, -1);
    EXPECT_EQ(record().bottomBarItems[1].textColour, 0x123456u);
    EXPECT_EQ(record().bottomBarItems[1].picture, (Bytes{1, 2, 3}));

    engine().methods->setBottomBar(engineThis(), index, 24, nullptr);
    ASSERT_EQ(record().bottomBarItems.size(), 1u);
    EXPECT_EQ(record().bottomBarItems[0].width, -1);
    EXPECT_TRUE(record().bottomBarItems[0].text.empty());
}

TEST_F(Layout, LayoutBottomBarFollowsTheClientSizeAndGivesTheFillItemTheRest) {
    const std::vector<BottomBarItem> items = {barItem(100), barItem(-1), barItem(80)};
    engine().methods->setBottomBar(engineThis(), index, 24, &items);
    skintest::setClientSize(window, 500, 200);
    engine().methods->layoutBottomBar(engineThis(), index);
    expectIntRect(record().bottomBarRect, {3, 172, 494, 24});
    expectItemRects(record(), {{3, 172, 100, 24}, {103, 172, 394, 24}, {497, 172, 80, 24}});
}

TEST_F(Layout, LayoutBottomBarWithoutABarOnlyPlacesAnEmptyBar) {
    engine().methods->layoutBottomBar(engineThis(), index);
    expectIntRect(record().bottomBarRect, {3, 296, 394, 0});
    EXPECT_EQ(record().bottomBarHeight, 0);
    expectItemRects(record(), {{3, 296, 0, 0}});
}

} // namespace
