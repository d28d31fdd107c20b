#include "components.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "form.h"
#include "handles.h"

namespace host {
namespace {

// Extra window bytes of the host's classes.
constexpr int labelFontSlot = 0;
constexpr int pictureImageSlot = 0;
constexpr int picturePressedSlot = sizeof(LONG_PTR);
constexpr int pictureFontSlot = 2 * sizeof(LONG_PTR);

std::string windowText(HWND window) {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(window, &text[0], static_cast<int>(text.size()))));
    return text;
}

bool isTransparent(HWND window) { return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0; }

// The caption broken into lines that fit the width: at line feeds, and
// between characters where the next one would pass the right edge.
std::vector<std::string> wrapLines(HDC dc, const std::string& text, int width) {
    std::vector<std::string> lines;
    std::string line;
    for (size_t i = 0; i < text.size();) {
        const size_t length = IsDBCSLeadByte(static_cast<BYTE>(text[i])) && i + 1 < text.size() ? 2 : 1;
        const std::string character = text.substr(i, length);
        i += length;
        if (character == "\r") continue;
        if (character == "\n") {
            lines.push_back(line);
            line.clear();
            continue;
        }
        const std::string longer = line + character;
        SIZE extent{};
        GetTextExtentPoint32A(dc, longer.c_str(), static_cast<int>(longer.size()), &extent);
        if (extent.cx > width && !line.empty()) {
            lines.push_back(line);
            line = character;
        } else {
            line = longer;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

// Labels paint themselves between BeginPaint and EndPaint (a DC passed in
// wParam is ignored): button face, unless transparent, then the caption,
// wrapped and centred vertically. Lines are one character height apart,
// which is the line pitch of the Chinese system fonts whatever face stands
// in for them.
void paintLabel(HWND label) {
    PaintDC dc(label);
    RECT client{};
    GetClientRect(label, &client);
    if (!isTransparent(label)) FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    const std::string text = windowText(label);
    if (text.empty()) return;
    SelectedObject font(dc, reinterpret_cast<HFONT>(GetWindowLongPtrA(label, labelFontSlot)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    const int pitch = metrics.tmHeight - metrics.tmInternalLeading;
    const std::vector<std::string> lines = wrapLines(dc, text, client.right - client.left);
    const int spare = (client.bottom - client.top) - pitch * static_cast<int>(lines.size());
    int y = client.top + (spare > 0 ? spare / 2 : 0) - metrics.tmInternalLeading;
    for (const std::string& line : lines) {
        ExtTextOutA(dc, client.left, y, ETO_CLIPPED, &client, line.c_str(), static_cast<UINT>(line.size()), nullptr);
        y += pitch;
    }
}

// A transparent label shows what lies behind it, so a new caption repaints
// that area of the top-level window.
void repaintBehind(HWND label) {
    if (!isTransparent(label)) {
        InvalidateRect(label, nullptr, FALSE);
        return;
    }
    const HWND top = GetAncestor(label, GA_ROOT);
    RECT area{};
    GetWindowRect(label, &area);
    MapWindowPoints(HWND_DESKTOP, top, reinterpret_cast<POINT*>(&area), 2);
    RedrawWindow(top, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

LRESULT CALLBACK labelProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_PAINT:
        paintLabel(hwnd);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SETFONT:
        SetWindowLongPtrA(hwnd, labelFontSlot, static_cast<LONG_PTR>(wparam));
        if (LOWORD(lparam)) repaintBehind(hwnd);
        return 0;
    case WM_GETFONT:
        return GetWindowLongPtrA(hwnd, labelFontSlot);
    case WM_SETTEXT: {
        const LRESULT result = DefWindowProcA(hwnd, message, wparam, lparam);
        repaintBehind(hwnd);
        return result;
    }
    }
    return DefWindowProcA(hwnd, message, wparam, lparam);
}

void paintPictureBox(HWND box) {
    PaintDC dc(box);
    RECT client{};
    GetClientRect(box, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    const HICON image = reinterpret_cast<HICON>(GetWindowLongPtrA(box, pictureImageSlot));
    if (image) DrawIconEx(dc, 0, 0, image, 0, 0, 0, nullptr, DI_NORMAL);
}

void raiseMouseEvent(HWND box, EventKind kind) {
    if (Form* form = Form::fromWindow(box)) form->raiseControlEvent(box, kind);
}

bool takePressed(HWND box) { return SetWindowLongPtrA(box, picturePressedSlot, 0) != 0; }

LRESULT CALLBACK pictureBoxProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_PAINT:
        paintPictureBox(hwnd);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_LBUTTONDOWN:
        SetWindowLongPtrA(hwnd, picturePressedSlot, 1);
        raiseMouseEvent(hwnd, EventKind::LeftButtonPressed);
        return 0;
    case WM_LBUTTONUP:
        takePressed(hwnd);
        raiseMouseEvent(hwnd, EventKind::LeftButtonReleased);
        return 0;
    case WM_SETFONT:
        SetWindowLongPtrA(hwnd, pictureFontSlot, static_cast<LONG_PTR>(wparam));
        return 0;
    case WM_GETFONT:
        return GetWindowLongPtrA(hwnd, pictureFontSlot);
    case WM_CAPTURECHANGED:
        // The capture was taken away while the button was down (another
        // window grabbed it): the release will never come, so end the press.
        if (takePressed(hwnd)) raiseMouseEvent(hwnd, EventKind::LeftButtonReleased);
        return 0;
    }
    return DefWindowProcA(hwnd, message, wparam, lparam);
}

// A group box paints only its frame and title. As a container it also
// erases its inside, so that a control hidden in it (a transparent label
// above all) leaves nothing behind.
void eraseContainer(HWND groupBox, HDC dc) {
    RECT client{};
    GetClientRect(groupBox, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT CALLBACK containerProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR) {
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
        return SendMessageA(GetAncestor(hwnd, GA_ROOT), message, wparam, lparam);
    case WM_ERASEBKGND:
        eraseContainer(hwnd, reinterpret_cast<HDC>(wparam));
        return 1;
    }
    return DefSubclassProc(hwnd, message, wparam, lparam);
}

bool registerClass(const char* name, WNDPROC proc, int extraBytes, HBRUSH background) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.cbWndExtra = extraBytes;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    return RegisterClassExA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

bool registerWindowClasses(WNDPROC formProc) {
    static const bool registered =
        registerClass(formClassName, formProc, 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)) &&
        registerClass(labelClassName, labelProc, sizeof(LONG_PTR), nullptr) &&
        registerClass(pictureBoxClassName, pictureBoxProc, 3 * sizeof(LONG_PTR), nullptr);
    return registered;
}

void setPictureBoxImage(HWND pictureBox, HICON image) {
    SetWindowLongPtrA(pictureBox, pictureImageSlot, reinterpret_cast<LONG_PTR>(image));
    InvalidateRect(pictureBox, nullptr, FALSE);
}

void makeContainer(HWND groupBox) { SetWindowSubclass(groupBox, containerProc, 1, 0); }

}  // namespace host
