// The tooltip wrapper against the system's tooltip control: tools are added,
// moved and re-texted through the first-version tool record.
#include "gdiplus/tooltip.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>

using gdip::ToolTip;

namespace {

// What the tooltip control reports about one tool of the owner.
struct ToolState {
    bool found = false;
    UINT flags = 0;
    RECT rect{};
    std::string text;
};

// First-version tool record, as the wrapper sends it.
struct ToolRecordV1 {
    UINT cbSize;
    UINT uFlags;
    HWND hwnd;
    UINT_PTR uId;
    RECT rect;
    HINSTANCE hinst;
    LPSTR lpszText;
};

class ToolTipTest : public testing::Test {
protected:
    void SetUp() override {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "ToolTipTestOwner";
        RegisterClassA(&windowClass);
        owner_ = CreateWindowExA(0, "ToolTipTestOwner", "owner", WS_OVERLAPPEDWINDOW, 0, 0, 300,
                                 200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(nullptr, owner_);
    }
    void TearDown() override { DestroyWindow(owner_); }

    ToolState tool(HWND tooltip, UINT_PTR id) const {
        char text[256] = {};
        ToolRecordV1 record{};
        record.cbSize = sizeof record;
        record.hwnd = owner_;
        record.uId = id;
        record.lpszText = text;
        ToolState state;
        state.found = SendMessageA(tooltip, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&record));
        if (!state.found) return state;
        state.flags = record.uFlags;
        state.rect = record.rect;
        record.lpszText = text;
        SendMessageA(tooltip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&record));
        state.text = text;
        return state;
    }

    static LRESULT toolCount(HWND tooltip) { return SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0); }

    HWND owner_ = nullptr;
};

bool sameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

static_assert(sizeof(ToolRecordV1) == 40, "the record the tooltip control is sent");

TEST_F(ToolTipTest, CreateMakesATooltipWindowWithTheAskedShape) {
    struct Case {
        bool balloon;
        DWORD style;
    };
    for (const Case c : {Case{false, TTS_ALWAYSTIP}, Case{true, TTS_ALWAYSTIP | TTS_BALLOON}}) {
        SCOPED_TRACE(c.balloon ? "balloon" : "rectangular");
        ToolTip toolTip;
        const HWND window = toolTip.create(owner_, c.balloon);
        ASSERT_NE(nullptr, window);
        EXPECT_EQ(window, toolTip.window());
        EXPECT_EQ(owner_, toolTip.owner());
        char className[64] = {};
        GetClassNameA(window, className, sizeof className);
        EXPECT_EQ(0, lstrcmpiA(className, TOOLTIPS_CLASSA)) << className;
        const DWORD style = static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE));
        EXPECT_EQ(c.style, style & (TTS_ALWAYSTIP | TTS_BALLOON));
        DestroyWindow(window);
    }
}

TEST_F(ToolTipTest, ToolsAreAddedMovedRetextedAndRemoved) {
    ToolTip toolTip;
    const HWND window = toolTip.create(owner_);
    ASSERT_NE(nullptr, window);

    toolTip.addTool({0, 0, 0, 0}, "关闭", 1);
    toolTip.addTool({0, 0, 0, 0}, "最大化", 2);
    EXPECT_EQ(2, toolCount(window));
    ToolState first = tool(window, 1);
    ASSERT_TRUE(first.found);
    EXPECT_EQ(static_cast<UINT>(TTF_SUBCLASS), first.flags & TTF_SUBCLASS);
    EXPECT_EQ("关闭", first.text);

    const RECT moved{200, 3, 240, 21};
    toolTip.moveTool(1, moved);
    toolTip.setToolText(1, "还原");
    first = tool(window, 1);
    EXPECT_TRUE(sameRect(moved, first.rect));
    EXPECT_EQ("还原", first.text);
    // The other tool is untouched.
    EXPECT_TRUE(sameRect(RECT{0, 0, 0, 0}, tool(window, 2).rect));
    EXPECT_EQ("最大化", tool(window, 2).text);

    toolTip.removeTool(2);
    EXPECT_EQ(1, toolCount(window));
    EXPECT_FALSE(tool(window, 2).found);
}

TEST_F(ToolTipTest, SetToolTextOnAnUnknownIdChangesNothing) {
    ToolTip toolTip;
    const HWND window = toolTip.create(owner_);
    toolTip.addTool({1, 2, 3, 4}, "帮助", 1);

    toolTip.setToolText(7, "主菜单");
    EXPECT_EQ(1, toolCount(window));
    EXPECT_FALSE(tool(window, 7).found);
    EXPECT_EQ("帮助", tool(window, 1).text);
    EXPECT_TRUE(sameRect(RECT{1, 2, 3, 4}, tool(window, 1).rect));
}

TEST_F(ToolTipTest, SecondCreateMakesASecondWindowAndForgetsTheFirst) {
    ToolTip toolTip;
    const HWND first = toolTip.create(owner_);
    toolTip.addTool({0, 0, 10, 10}, "a", 1);
    const HWND second = toolTip.create(owner_);
    ASSERT_NE(nullptr, second);
    EXPECT_NE(first, second);
    EXPECT_TRUE(IsWindow(first));
    EXPECT_EQ(second, toolTip.window());

    toolTip.addTool({0, 0, 10, 10}, "b", 2);
    EXPECT_EQ(1, toolCount(first));
    EXPECT_EQ(1, toolCount(second));
    EXPECT_EQ("b", tool(second, 2).text);
}

TEST_F(ToolTipTest, SettingsReachTheTooltipInTheRightParameter) {
    ToolTip toolTip;
    const HWND window = toolTip.create(owner_);
    toolTip.setBackColour(RGB(1, 2, 3));
    toolTip.setTextColour(RGB(4, 5, 6));
    toolTip.setMaxWidth(123);
    EXPECT_EQ(static_cast<LRESULT>(RGB(1, 2, 3)), SendMessageA(window, TTM_GETTIPBKCOLOR, 0, 0));
    EXPECT_EQ(static_cast<LRESULT>(RGB(4, 5, 6)), SendMessageA(window, TTM_GETTIPTEXTCOLOR, 0, 0));
    EXPECT_EQ(123, SendMessageA(window, TTM_GETMAXTIPWIDTH, 0, 0));
}

TEST_F(ToolTipTest, NothingHappensBeforeCreate) {
    ToolTip toolTip;
    toolTip.addTool({0, 0, 1, 1}, "x", 1);
    toolTip.moveTool(1, {0, 0, 2, 2});
    toolTip.setToolText(1, "y");
    EXPECT_EQ(nullptr, toolTip.window());
}
