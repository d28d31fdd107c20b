#include "main_window.h"

namespace bosskey {

using host::ControlKind;

const char* const slotNames[6] = {"编1", "编2", "编3", "编4", "编5", "编6"};
const char* const slotLabelNames[6] = {"一", "二", "三", "四", "五", "六"};

const HotkeyChoice hotkeyChoices[12] = {
    {"F1", 112}, {"F2", 113}, {"F3", 114}, {"F4", 115},  {"F5", 116},  {"F6", 117},
    {"F7", 118}, {"F8", 119}, {"F9", 120}, {"F10", 121}, {"F11", 122}, {"F12", 123},
};

namespace {

// The window is borderless: the skin draws caption and frame inside the
// client area, whose top 32 pixels the controls leave free.
constexpr DWORD mainWindowStyle = WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX;

constexpr unsigned hidden = host::Hidden;
constexpr unsigned disabled = host::Disabled;
constexpr unsigned checked = host::Checked;
constexpr unsigned handPointer = host::HandPointer;

host::WindowDescription makeDescription() {
    using K = ControlKind;
    host::WindowDescription d{mainWindowTitle, 50, 50, 730, 308, mainWindowStyle, "DEFAULT_ICON", {}};
    auto& c = d.controls;
    // kind, container, name, x, y, width, height, text, font height, state
    // 标签2 holds the hidden-state flag; it lies below the visible client area.
    c.push_back({K::Label, nullptr, "标签2", 400, 304, 80, 152, "", 0, 0});
    // 标签1 receives the hotkey.
    c.push_back({K::Label, nullptr, "标签1", 544, 344, 80, 24, "", 0, hidden});

    // The list panel.
    c.push_back({K::GroupBox, nullptr, "分组框2", 456, 32, 272, 272, "列表", 0, 0});
    c.push_back({K::Button, "分组框2", "按钮3", 184, 224, 40, 40, "删除", 0, 0});
    c.push_back({K::EditBox, "分组框2", "编辑框2", 192, 192, 32, 24, "", 0, 0});
    c.push_back({K::TransparentLabel, "分组框2", "透明标签2", 192, 16, 40, 176, "删除目标内容功能", 21, 0});
    for (int k = 0; k < 6; ++k)
        c.push_back({K::EditBox, "分组框2", slotNames[k], 56, 32 + 40 * k, 120, 24, "", 0, disabled});
    static const char* const slotCaptions[6] = {"目标1：", "目标2：", "目标3：", "目标4：", "目标5：", "目标6："};
    for (int k = 0; k < 6; ++k)
        c.push_back({K::TransparentLabel, "分组框2", slotLabelNames[k], 0, 32 + 40 * k, 48, 24, slotCaptions[k], 0, 0});
    c.push_back({K::TransparentLabel, "分组框2", "透明标签1", 16, 48, 160, 192,
                 "您好，现在模式选择为单选模式，现在无法使用列表功能，若要使用请选择多选模式。", 24, 0});

    // The main panel.
    c.push_back({K::GroupBox, nullptr, "分组框1", 8, 32, 440, 272, "主模块", 0, 0});
    c.push_back({K::CheckBox, "分组框1", "选择框1", 8, 232, 104, 24, "本窗口隐藏", 0, checked});
    c.push_back({K::Button, "分组框1", "按钮4", 352, 224, 56, 40, "热键功能", 0, 0});
    c.push_back({K::Button, "分组框1", "按钮2", 368, 24, 64, 32, "添加", 0, 0});
    c.push_back({K::GroupBox, "分组框1", "分组框3", 80, 160, 312, 48, "", 0, 0});
    c.push_back({K::RadioButton, "分组框3", "多选", 200, 16, 104, 24, "多选模式", 19, 0});
    c.push_back({K::RadioButton, "分组框3", "单选", 16, 16, 104, 24, "单选模式", 19, checked});
    c.push_back({K::Button, "分组框1", "按钮1", 112, 224, 232, 40, "隐藏", 0, handPointer});
    c.push_back({K::RadioButton, "分组框1", "单选框3", 288, 80, 120, 40, "禁止模式", 20, 0});
    c.push_back({K::RadioButton, "分组框1", "单选框2", 152, 80, 120, 40, "输入模式", 20, 0});
    c.push_back({K::RadioButton, "分组框1", "单选框1", 24, 80, 120, 40, "拖拽模式", 20, checked});
    c.push_back({K::EditBox, "分组框1", "编辑框1", 72, 24, 288, 32, "", 21, 0});
    c.push_back({K::PictureBox, "分组框1", "图片框1", 24, 24, 34, 31, "", 0, 0});
    c.push_back({K::Timer, "分组框1", "时钟1", 0, 0, 0, 0, "", 0, 0});

    // The hotkey panel.
    c.push_back({K::GroupBox, nullptr, "分组框4", 16, 32, 440, 272, "热键", 0, 0});
    c.push_back({K::Button, "分组框4", "按钮5", 64, 208, 200, 40, "注册", 0, 0});
    c.push_back({K::Button, "分组框4", "按钮6", 312, 208, 48, 40, "收起", 0, 0});
    struct Place { int x, y, width; };
    static const Place places[12] = {
        {56, 24, 48},  {152, 24, 48},  {232, 24, 48}, {304, 24, 64},  {56, 64, 56},   {152, 64, 56},
        {232, 64, 48}, {304, 64, 48},  {56, 104, 48}, {152, 104, 64}, {232, 104, 56}, {312, 104, 56},
    };
    for (int k = 0; k < 12; ++k) {
        const char* name = hotkeyChoices[k].name;
        c.push_back({K::RadioButton, "分组框4", name, places[k].x, places[k].y, places[k].width, 32, name, 21,
                     k == 3 ? checked : 0u});
    }
    return d;
}

}  // namespace

const host::WindowDescription& mainWindowDescription() {
    static const host::WindowDescription description = makeDescription();
    return description;
}

}  // namespace bosskey
