// Element types of the per-window control lists of a WindowRecord. Every
// element begins with the child's window handle; the blank first entry of a
// list has handle 0. The control skins that fill these lists own their
// meaning; they live here so the record can hold them by value without the
// engine depending on the control skins.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>
#include <vector>

namespace skin {

using Bytes = std::vector<std::uint8_t>;

struct IntRect {
    int x = 0, y = 0, width = 0, height = 0;
};

// buttons
struct ButtonEntry {
    HWND hwnd = nullptr;
    WNDPROC oldWindowProc = nullptr;
    int kind = 0;  // 0 push button, 4 radio button, 5 check box
    std::string text;
    int focused = 0;
    std::string fontName;
    int fontSize = 0;
    int fontStyle = 0;
};

// editFields
struct EditEntry {
    HWND hwnd = nullptr;
    WNDPROC oldWindowProc = nullptr;
    int focused = 0;
    int mouseDown = 0;
};

// comboBoxes
struct ComboEntry {
    HWND hwnd = nullptr;
    WNDPROC oldWindowProc = nullptr;
    int focused = 0;
};

// scrolledControls
struct ListTypeSkin {
    HWND hwnd = nullptr;
    WNDPROC oldWndProc = nullptr;
    int focused = 0;
    int hovered = 0;
    int keyScrolling = 0;
};

// trackbars
struct TrackbarSkin {
    HWND hwnd = nullptr;
    WNDPROC oldWndProc = nullptr;
    int vertical = 0;
    int tickMode = 1;
    int hovered = 0;
    int selectionRange = 0;
};

// progressBars
struct ProgressSkin {
    HWND hwnd = nullptr;
    WNDPROC oldWndProc = nullptr;
    int vertical = 0;
};

// upDowns
struct UpDownSkin {
    HWND hwnd = nullptr;
    WNDPROC oldWndProc = nullptr;
    int hovered = 0;
    int hoverPart = 0;
    int pressed = 0;
    int horizontal = 0;
    int lastMouseParam = 0;
};

// listViews: header controls, stand-alone or inside list views
struct HeaderSkin {
    HWND hwnd = nullptr;
    WNDPROC oldWndProc = nullptr;
    int hovered = 0;
    int hotItem = 0;
    int paintedHotItem = 0;
    int buttonStyle = 0;
    int pressedItem = 0;
    int mouseDown = 0;
    std::string fontName;
    int fontStyle = 0;
    int fontSize = 0;
    HIMAGELIST imageList = nullptr;
};

// A page window laid out inside a container component.
struct ComponentPage {
    HWND window = nullptr;
    int top = 0;
};

// componentSkins: containers taken over by skinComponent
struct ComponentSkin {
    HWND hwnd = nullptr;
    COLORREF fillColour = 0;  // 0 = no fill
    std::uint8_t fillAlpha = 0;
    int outlined = 0;
    WNDPROC oldWndProc = nullptr;
    int dirty = 0;
    int isGroupBox = 0;
    int enabled = 0;
    std::string fontFamily;
    int fontSize = 0;
    int fontStyle = 0;
    std::vector<ComponentPage> pages = std::vector<ComponentPage>(1);
};

// components: colour-keyed components taken over by registerComponent
struct TransparentComponent {
    HWND hwnd = nullptr;
    WNDPROC oldWndProc = nullptr;
    COLORREF keyColour = 0;
};

// bottomBarItems
struct BottomBarItem {
    int width = 0;  // -1: the rest of the bar
    std::string text;
    Bytes picture;
    COLORREF textColour = 0;
};

} // namespace skin
