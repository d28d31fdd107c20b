// The main window as the host builds it, its start and its close.
#include <algorithm>
#include <cstring>
#include <map>

#include "app_fixture.h"
#include "controls/component_skins.h"
#include "engine/drawing_primitives.h"
#include "engine/skin_engine.h"
#include "engine/skin_settings.h"
#include "engine/window_properties.h"
#include "engine/window_registry.h"
#include "host/handles.h"
#include "host/host.h"
#include "main_window.h"

namespace {

using apptest::MainWindowTest;
using host::ControlKind;

std::string className(HWND hwnd) {
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

RECT relativeRect(HWND hwnd) {
    RECT r{}, parent{};
    GetWindowRect(hwnd, &r);
    GetWindowRect(GetParent(hwnd), &parent);
    OffsetRect(&r, -parent.left, -parent.top);
    return r;
}

TEST_F(MainWindowTest, StartsAt644WideInDragAndSingleModeWithF4) {
    char title[128] = {};
    GetWindowTextA(form->handle(), title, sizeof title);
    EXPECT_STREQ(title, "霜翎老板键功能软件（默认快捷键为F4）");
    RECT r{};
    GetWindowRect(form->handle(), &r);
    EXPECT_EQ(r.left, 50);
    EXPECT_EQ(r.top, 50);
    EXPECT_EQ(r.right - r.left, 644);
    EXPECT_EQ(r.bottom - r.top, 308);
    const LONG style = GetWindowLongA(form->handle(), GWL_STYLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME), 0) << "borderless: the skin draws the frame";
    EXPECT_NE(style & WS_MINIMIZEBOX, 0);

    EXPECT_TRUE(mainWindowVisible());
    EXPECT_FALSE(form->visible("分组框4"));
    EXPECT_TRUE(form->checked("单选框1"));
    EXPECT_FALSE(form->disabled("图片框1"));
    EXPECT_TRUE(form->disabled("编辑框1"));
    EXPECT_TRUE(form->checked("单选"));
    EXPECT_EQ(form->width("编辑框1"), 360);
    EXPECT_EQ(form->width("分组框2"), 184);
    EXPECT_FALSE(form->visible("按钮2"));
    EXPECT_TRUE(form->visible("透明标签1"));
    EXPECT_FALSE(form->visible("编1"));
    EXPECT_EQ(text("标签2"), "假");
    EXPECT_TRUE(form->visible("标签2"));
    EXPECT_EQ(app->state().hotkeyId, 33001);
    EXPECT_TRUE(takeMessages().empty());
}

TEST_F(MainWindowTest, HiddenStateLabelLiesOutOfSight) {
    RECT client{}, label{};
    GetClientRect(form->handle(), &client);
    GetWindowRect(form->handle("标签2"), &label);
    MapWindowPoints(HWND_DESKTOP, form->handle(), reinterpret_cast<POINT*>(&label), 2);
    // Its caption is centred in its 152 pixels, far below the client area's
    // bottom edge; only a strip of button face shows.
    EXPECT_LT(label.top, client.bottom);
    EXPECT_GT(label.top + (label.bottom - label.top) / 2 - 12, client.bottom);
}

struct KindLook {
    ControlKind kind;
    const char* className;
    LONG typeBits;  // BS_TYPEMASK part for buttons
    LONG exStyle;
};

const KindLook kindLooks[] = {
    {ControlKind::Label, "BossKeyLabel", 0, 0},
    {ControlKind::TransparentLabel, "BossKeyLabel", 0, WS_EX_TRANSPARENT},
    {ControlKind::GroupBox, "Button", BS_GROUPBOX, 0},
    // The button skin makes push buttons owner-drawn.
    {ControlKind::Button, "Button", BS_OWNERDRAW, 0},
    {ControlKind::CheckBox, "Button", BS_AUTOCHECKBOX, 0},
    {ControlKind::RadioButton, "Button", BS_AUTORADIOBUTTON, 0},
    {ControlKind::EditBox, "Edit", 0, WS_EX_CLIENTEDGE},
    {ControlKind::PictureBox, "BossKeyPictureBox", 0, 0},
};

TEST_F(MainWindowTest, EveryControlStandsWhereTheDescriptionPutsIt) {
    // Widths the start layout changes from the description.
    const std::map<std::string, int> laidOut = {{"编辑框1", 360}, {"分组框2", 184}};
    for (const host::ControlDescription& d : bosskey::mainWindowDescription().controls) {
        SCOPED_TRACE(d.name);
        const HWND hwnd = form->handle(d.name);
        if (d.kind == ControlKind::Timer) {
            EXPECT_EQ(hwnd, nullptr);
            continue;
        }
        ASSERT_TRUE(hwnd);
        EXPECT_EQ(GetParent(hwnd), d.container ? form->handle(d.container) : form->handle());
        EXPECT_EQ(GetDlgCtrlID(hwnd), form->controlId(d.name));
        const RECT r = relativeRect(hwnd);
        EXPECT_EQ(r.left, d.x);
        EXPECT_EQ(r.top, d.y);
        const auto changed = laidOut.find(d.name);
        EXPECT_EQ(r.right - r.left, changed == laidOut.end() ? d.width : changed->second);
        EXPECT_EQ(r.bottom - r.top, d.height);

        const KindLook* look = nullptr;
        for (const KindLook& k : kindLooks)
            if (k.kind == d.kind) look = &k;
        ASSERT_TRUE(look);
        EXPECT_EQ(className(hwnd), look->className);
        const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
        if (std::strcmp(look->className, "Button") == 0) {
            EXPECT_EQ(style & BS_TYPEMASK, look->typeBits);
            if (d.kind == ControlKind::GroupBox) {
                EXPECT_EQ(style & BS_LEFT, BS_LEFT);
            }
        }
        EXPECT_EQ(GetWindowLongA(hwnd, GWL_EXSTYLE) & (WS_EX_TRANSPARENT | WS_EX_CLIENTEDGE), look->exStyle);

        LOGFONTA font{};
        ASSERT_TRUE(GetObjectA(reinterpret_cast<HFONT>(SendMessageA(hwnd, WM_GETFONT, 0, 0)), sizeof font, &font));
        EXPECT_EQ(font.lfHeight, -(d.fontHeight ? d.fontHeight : host::defaultFontHeight));
        EXPECT_EQ(font.lfWeight, FW_NORMAL);
        EXPECT_EQ(font.lfCharSet, GB2312_CHARSET);
        EXPECT_STREQ(font.lfFaceName, "宋体");

        if (std::strcmp(d.name, "标签2") != 0) {
            EXPECT_EQ(text(d.name), d.text);
        }
    }
}

TEST_F(MainWindowTest, RadioButtonsOfOneContainerFormOneGroup) {
    click("多选");
    EXPECT_TRUE(form->checked("多选"));
    EXPECT_FALSE(form->checked("单选"));
    EXPECT_TRUE(form->checked("单选框1")) << "another container's group is untouched";
    click("单选框3");
    EXPECT_TRUE(form->checked("单选框3"));
    EXPECT_FALSE(form->checked("单选框1"));
    EXPECT_TRUE(form->checked("多选"));
    form->setChecked("单选框2", true);
    EXPECT_FALSE(form->checked("单选框3"));
    EXPECT_TRUE(form->checked("多选"));
}

struct ComponentCase {
    const char* kind;
    const char* within;
    std::vector<const char*> names;
};

TEST_F(MainWindowTest, ComponentSearchFindsKindsAtAnyDepth) {
    const ComponentCase cases[] = {
        {"分组框", nullptr, {"分组框2", "分组框1", "分组框3", "分组框4"}},
        {"标签", nullptr, {"标签2", "标签1"}},  // not the transparent labels
        {"图片框", nullptr, {"图片框1"}},
        {"画板", nullptr, {}},
        {"选择夹", nullptr, {}},
        {"外形框", nullptr, {}},
        {"按钮", nullptr, {}},  // not a component kind
        {"分组框", "分组框1", {"分组框3"}},
        {"图片框", "分组框1", {"图片框1"}},
        {"图片框", "分组框2", {}},
    };
    for (const ComponentCase& c : cases) {
        SCOPED_TRACE(std::string(c.kind) + " in " + (c.within ? c.within : "the window"));
        std::vector<HWND> expected;
        for (const char* name : c.names) expected.push_back(form->handle(name));
        EXPECT_EQ(form->findComponents(c.kind, c.within), expected);
    }
}

// Fills an area of a window's client with red, straight onto the screen.
void paintRed(HWND window, const RECT& area) {
    host::WindowDC dc(window);
    host::GdiObject<HBRUSH> red(CreateSolidBrush(RGB(255, 0, 0)));
    FillRect(dc, &area, red.get());
}

COLORREF pixel(HWND window, int x, int y) {
    host::WindowDC dc(window);
    return GetPixel(dc, x, y);
}

// The skinned main window's own rendering (its background picture) under a
// point of one of its controls.
COLORREF skinnedBackground(HWND control, int x, int y) {
    HWND top = GetAncestor(control, GA_ROOT);
    const skin::WindowRecord* record = skin::windowRecordOf(top);
    if (!record || !record->cacheDC) return CLR_INVALID;
    POINT at{x, y};
    MapWindowPoints(control, top, &at, 1);
    return GetPixel(record->cacheDC, at.x, at.y);
}

// A skinned group box rendered off screen, as it paints itself with nothing
// on it.
class RenderedComponent {
public:
    explicit RenderedComponent(HWND component) {
        RECT r{};
        GetClientRect(component, &r);
        host::WindowDC screen(nullptr);
        dc_.reset(CreateCompatibleDC(screen));
        bitmap_.reset(CreateCompatibleBitmap(screen, r.right, r.bottom));
        previous_ = SelectObject(dc_.get(), bitmap_.get());
        const int owner = skin::findOwnerRecord(component);
        skin::renderComponent(owner, skin::componentSkinIndex(owner, component), dc_.get());
    }
    ~RenderedComponent() { SelectObject(dc_.get(), previous_); }
    COLORREF pixel(int x, int y) const { return GetPixel(dc_.get(), x, y); }

private:
    host::OwnedDC dc_;
    host::GdiObject<HBITMAP> bitmap_;
    HGDIOBJ previous_ = nullptr;
};

// A label's button-face background gives way to the skinned window's
// picture; a transparent label leaves what lies under it.
TEST_F(MainWindowTest, LabelsShowTheSkinnedBackgroundTransparentLabelsOnlyText) {
    struct Case {
        const char* label;
        const char* container;
        bool keepsBackground;
    };
    form->setVisible("一", true);
    for (const Case& c : {Case{"标签2", nullptr, false}, Case{"一", "分组框2", true}}) {
        SCOPED_TRACE(c.label);
        const HWND label = form->handle(c.label);
        const HWND parent = c.container ? form->handle(c.container) : form->handle();
        RECT area{};
        GetWindowRect(label, &area);
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&area), 2);
        paintRed(parent, area);
        ASSERT_EQ(pixel(label, 1, 1), RGB(255, 0, 0));
        InvalidateRect(label, nullptr, FALSE);
        UpdateWindow(label);
        EXPECT_EQ(pixel(label, 1, 1), c.keepsBackground ? RGB(255, 0, 0) : skinnedBackground(label, 1, 1));
        if (c.keepsBackground) {
            // The caption "目标1：" is drawn over the red.
            int textPixels = 0;
            for (int x = 0; x < 48; ++x)
                for (int y = 0; y < 24; ++y)
                    if (pixel(label, x, y) != RGB(255, 0, 0)) ++textPixels;
            EXPECT_GT(textPixels, 20);
        }
    }
}

TEST_F(MainWindowTest, HidingATransparentLabelInAGroupBoxLeavesNothingBehind) {
    const HWND label = form->handle("透明标签1");
    const HWND panel = form->handle("分组框2");
    RECT area{};
    GetWindowRect(label, &area);
    MapWindowPoints(HWND_DESKTOP, panel, reinterpret_cast<POINT*>(&area), 2);
    UpdateWindow(panel);
    // The skinned group box, as it looks with nothing on it.
    const RenderedComponent bare(panel);
    int textPixels = 0;
    for (int y = area.top; y < area.bottom; y += 2)
        for (int x = area.left; x < area.right; x += 2)
            if (pixel(panel, x, y) != bare.pixel(x, y)) ++textPixels;
    ASSERT_GT(textPixels, 50) << "the notice is on the screen";
    form->setVisible("透明标签1", false);
    apptest::pumpMessages(30);
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            ASSERT_EQ(pixel(panel, x, y), bare.pixel(x, y)) << x << "," << y;
}

TEST_F(MainWindowTest, LabelsAndPictureBoxesIgnoreADeviceContextPassedWithPaint) {
    host::WindowDC screen(nullptr);
    host::OwnedDC memory(CreateCompatibleDC(screen));
    host::GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(screen, 100, 200));
    host::SelectedObject selected(memory.get(), bitmap.get());
    const RECT all{0, 0, 100, 200};
    host::GdiObject<HBRUSH> magenta(CreateSolidBrush(RGB(255, 0, 255)));
    for (const char* label : {"标签2", "透明标签1", "图片框1"}) {
        FillRect(memory.get(), &all, magenta.get());
        InvalidateRect(form->handle(label), nullptr, FALSE);
        SendMessageA(form->handle(label), WM_PAINT, reinterpret_cast<WPARAM>(memory.get()), 0);
        for (int y = 0; y < 200; y += 7)
            for (int x = 0; x < 100; x += 5) ASSERT_EQ(GetPixel(memory.get(), x, y), RGB(255, 0, 255)) << label;
    }
}

TEST_F(MainWindowTest, FinderIconShowsTheCursorPictureAndEmptyBytesClearIt) {
    const HWND box = form->handle("图片框1");
    UpdateWindow(box);
    // The finder's crosshair is red in its middle.
    const COLORREF middle = pixel(box, 16, 16);
    EXPECT_GT(GetRValue(middle), 150);
    EXPECT_LT(GetGValue(middle), 100);
    EXPECT_EQ(pixel(box, 33, 30), skinnedBackground(box, 33, 30)) << "beside the 32 x 32 picture";

    form->setPicture("图片框1", host::ByteSpan());
    UpdateWindow(box);
    for (int y = 0; y < 31; y += 3)
        for (int x = 0; x < 34; x += 3) ASSERT_EQ(pixel(box, x, y), skinnedBackground(box, x, y));
}

TEST_F(MainWindowTest, MousePointerChangesAtOnceWhileCaptured) {
    const HWND box = form->handle("图片框1");
    const HCURSOR arrow = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    SetCursor(arrow);
    SetCapture(box);
    ASSERT_EQ(GetCapture(), box);
    form->setMousePointer("图片框1", host::Host::resourceBytes("FINDERCURSOR"));
    const HCURSOR finder = GetCursor();
    EXPECT_NE(finder, arrow);
    EXPECT_NE(finder, nullptr);
    form->setMousePointer("图片框1", host::ByteSpan());  // back to the arrow
    EXPECT_EQ(GetCursor(), arrow);
    ReleaseCapture();
}

// Records what the window looks like when the window created event comes.
class CreationWitness : public host::EventSink {
public:
    explicit CreationWitness(host::Form& form) : form_(form) {}
    void handleEvent(const host::HostEvent& event) override {
        if (event.kind != host::EventKind::WindowCreated) return;
        ++events;
        shownAtCreation = IsWindowVisible(form_.handle()) != FALSE;
        for (const host::ControlDescription& d : bosskey::mainWindowDescription().controls)
            if (d.kind != ControlKind::Timer && !form_.handle(d.name)) missing.push_back(d.name);
    }
    int events = 0;
    bool shownAtCreation = true;
    std::vector<std::string> missing;

private:
    host::Form& form_;
};

// The start layout must be in place before the window first appears.
TEST(FormCreation, WindowCreatedComesOnceWithEveryControlBeforeTheFirstShow) {
    host::Form form(bosskey::mainWindowDescription());
    CreationWitness witness(form);
    ASSERT_TRUE(form.create(witness, SW_SHOWNOACTIVATE));
    EXPECT_EQ(witness.events, 1);
    EXPECT_FALSE(witness.shownAtCreation);
    EXPECT_EQ(witness.missing, std::vector<std::string>{});
    EXPECT_TRUE(IsWindowVisible(form.handle()));
    form.close();
    EXPECT_FALSE(form.exists());
}

TEST_F(MainWindowTest, ClosingReleasesTheHotkey) {
    form->close();
    apptest::pumpMessages(20);
    EXPECT_FALSE(form->exists());
    EXPECT_TRUE(RegisterHotKey(nullptr, 7, 0, VK_F4)) << "F4 is free again";
    UnregisterHotKey(nullptr, 7);
}

// Another window holds F4 before the main window is made.
class MainWindowWithoutF4 : public MainWindowTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(RegisterHotKey(nullptr, 9, 0, VK_F4));
        MainWindowTest::SetUp();
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        UnregisterHotKey(nullptr, 9);
    }
};

TEST_F(MainWindowWithoutF4, RetriesOnceThenSaysSoOnceAndRunsOn) {
    EXPECT_EQ(takeMessages(), std::vector<std::string>{"注册热键失败"});
    EXPECT_EQ(app->state().hotkeyId, 0);
    EXPECT_TRUE(mainWindowVisible());
    // The two attempts took 33001 and 33002.
    EXPECT_EQ(form->hotkeys().registerHotkey(form->handle(), form->handle("标签1"), 0, VK_F9), 33003);
    form->hotkeys().unregisterHotkey(form->handle(), 33003);

    apptest::TargetWindow target;
    setText("编辑框1", target.handleText());
    click("按钮1");
    EXPECT_FALSE(target.visible()) << "the hide button works without a hotkey";
    click("按钮1");
    EXPECT_TRUE(target.visible());

    form->close();
    apptest::pumpMessages(10);
    EXPECT_FALSE(form->exists());
    EXPECT_TRUE(takeMessages().empty());
}

}  // namespace

namespace {

// The window created handler hands the main window to the skin engine first:
// the engine's procedure in front, a fixed frame with minimise and close
// buttons, the picture stretched, the group boxes skinned and the labels and
// the finder icon colour-keyed.
TEST_F(MainWindowTest, MainWindowIsSkinnedWithItsComponents) {
    const HWND window = form->handle();
    skin::SkinEngine* engine = skin::theSkinEngine();
    ASSERT_NE(engine, nullptr);
    EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(engine->frameProcThunk.code()));
    const skin::WindowRecord* record = skin::windowRecordOf(window);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->hwnd, window);
    EXPECT_EQ(record->framed, 1);
    EXPECT_EQ(record->resizable, 0);
    EXPECT_EQ(record->showCaptionText, 1);
    EXPECT_EQ(record->captionHeight, 25);
    std::vector<int> kinds;
    for (const skin::CaptionButton& button : record->captionButtons) kinds.push_back(button.kind);
    EXPECT_EQ(kinds, (std::vector<int>{skin::MinimizeButton, skin::CloseButton}));
    EXPECT_EQ(skin::skinSettings.backgroundPlacement, skin::PlaceStretched);
    EXPECT_EQ(skin::skinSettings.controlOpacity, 50);
    EXPECT_FALSE(skin::skinSettings.backgroundPicture.empty());

    std::vector<HWND> containers, colourKeyed;
    for (const skin::ComponentSkin& c : record->componentSkins) containers.push_back(c.hwnd);
    for (const skin::TransparentComponent& c : record->components) colourKeyed.push_back(c.hwnd);
    // Each kind is skinned in the order the host finds its components.
    std::vector<HWND> labelsAndPictures = form->findComponents("标签");
    for (HWND box : form->findComponents("图片框")) labelsAndPictures.push_back(box);
    EXPECT_EQ(containers, form->findComponents("分组框"));
    EXPECT_EQ(colourKeyed, labelsAndPictures);
    auto sorted = [](std::vector<HWND> v) {
        std::sort(v.begin(), v.end());
        return v;
    };
    EXPECT_EQ(sorted(containers), sorted({form->handle("分组框1"), form->handle("分组框2"), form->handle("分组框3"),
                                          form->handle("分组框4")}));
    EXPECT_EQ(sorted(colourKeyed), sorted({form->handle("标签1"), form->handle("标签2"), form->handle("图片框1")}));
    for (const skin::ComponentSkin& c : record->componentSkins) {
        EXPECT_EQ(c.fillAlpha, 50);
        EXPECT_EQ(c.fillColour, 0u);
        EXPECT_EQ(c.isGroupBox, 1);
    }

    // What is on the screen is the window's rendering: the picture, not the
    // button face, in a spot with no control on it.
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const RECT empty = {600, 280, 610, 290};
    EXPECT_NE(pixel(window, empty.left, empty.top), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(pixel(window, empty.left, empty.top), GetPixel(record->cacheDC, empty.left, empty.top));
}

}  // namespace
