#include "gdiplus/tooltip.h"

#include <commctrl.h>

namespace gdip {

namespace {

// The tool record in its first-version layout (40 bytes), which every
// version of the common controls accepts.
struct ToolRecord {
    UINT cbSize;
    UINT uFlags;
    HWND hwnd;
    UINT_PTR uId;
    RECT rect;
    HINSTANCE hinst;
    LPSTR lpszText;
};
static_assert(sizeof(void*) != 4 || sizeof(ToolRecord) == 40, "first-version tool record");

// The common-controls tooltip window class (class names ignore case).
constexpr const char* kToolTipClass = "ToolTips_class32";

}  // namespace

HWND ToolTip::create(HWND owner, bool balloon) {
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&classes);
    owner_ = owner;
    const DWORD style = TTS_ALWAYSTIP | (balloon ? TTS_BALLOON : 0);
    window_ =
        CreateWindowExA(0, kToolTipClass, "", style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    return window_;
}

void ToolTip::sendToolMessage(UINT message, UINT_PTR id, const RECT* rect, const char* text) const {
    if (!window_) return;
    ToolRecord tool{};
    tool.cbSize = 40;
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = owner_;
    tool.uId = id;
    if (rect) tool.rect = *rect;
    tool.lpszText = const_cast<LPSTR>(text);
    SendMessageA(window_, message, 0, reinterpret_cast<LPARAM>(&tool));
}

void ToolTip::addTool(const RECT& rect, const char* text, UINT_PTR id) {
    sendToolMessage(TTM_ADDTOOLA, id, &rect, text);
}

void ToolTip::addCallbackTool(const RECT& rect, UINT_PTR id) {
    sendToolMessage(TTM_ADDTOOLA, id, &rect, LPSTR_TEXTCALLBACKA);
}

void ToolTip::setBackColour(COLORREF colour) {
    if (window_) SendMessageA(window_, TTM_SETTIPBKCOLOR, colour, 0);
}

void ToolTip::setTextColour(COLORREF colour) {
    if (window_) SendMessageA(window_, TTM_SETTIPTEXTCOLOR, colour, 0);
}

void ToolTip::setMaxWidth(int width) {
    if (window_) SendMessageA(window_, TTM_SETMAXTIPWIDTH, 0, width);
}

void ToolTip::removeTool(UINT_PTR id) { sendToolMessage(TTM_DELTOOLA, id, nullptr, nullptr); }

void ToolTip::moveTool(UINT_PTR id, const RECT& rect) {
    sendToolMessage(TTM_NEWTOOLRECTA, id, &rect, nullptr);
}

void ToolTip::setToolText(UINT_PTR id, const char* text) {
    sendToolMessage(TTM_UPDATETIPTEXTA, id, nullptr, text);
}

}  // namespace gdip
