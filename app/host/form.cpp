#include "form.h"

#include <cstring>

#include "components.h"
#include "icon_files.h"

namespace host {
namespace {

struct KindName {
    const char* name;
    ControlKind kind;
};

// Component kinds the search knows; drawing boards ("画板"), tab controls
// ("选择夹") and shape boxes ("外形框") are kinds too, of which this host
// builds none.
const KindName componentKinds[] = {
    {"分组框", ControlKind::GroupBox},
    {"标签", ControlKind::Label},
    {"图片框", ControlKind::PictureBox},
};

bool sameName(const char* a, const char* b) { return a && b && std::strcmp(a, b) == 0; }

// Two container names that name the same container (nullptr: the window).
bool sameContainer(const char* a, const char* b) { return (!a && !b) || sameName(a, b); }

struct WindowClassAndStyle {
    const char* className;
    DWORD style;
    DWORD exStyle;
};

WindowClassAndStyle classAndStyle(ControlKind kind) {
    switch (kind) {
    case ControlKind::Label: return {labelClassName, 0, 0};
    case ControlKind::TransparentLabel: return {labelClassName, 0, WS_EX_TRANSPARENT};
    case ControlKind::GroupBox: return {"Button", BS_GROUPBOX | BS_LEFT, 0};
    case ControlKind::Button: return {"Button", BS_PUSHBUTTON | WS_TABSTOP, 0};
    case ControlKind::CheckBox: return {"Button", BS_AUTOCHECKBOX | WS_TABSTOP, 0};
    case ControlKind::RadioButton: return {"Button", BS_AUTORADIOBUTTON, 0};
    case ControlKind::EditBox: return {"Edit", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::PictureBox: return {pictureBoxClassName, 0, 0};
    case ControlKind::Timer: break;
    }
    return {nullptr, 0, 0};
}

void resize(HWND window, int width) {
    RECT r{};
    GetWindowRect(window, &r);
    SetWindowPos(window, nullptr, 0, 0, width, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int widthOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r.right - r.left;
}

}  // namespace

Form::Form(const WindowDescription& description) : description_(description) {
    controls_.reserve(description.controls.size());
    int id = firstControlId;
    for (const ControlDescription& control : description.controls) controls_.emplace_back(&control, id++);
}

Form::~Form() {
    if (window_) DestroyWindow(window_);
}

Form* Form::fromWindow(HWND window) {
    const HWND top = GetAncestor(window, GA_ROOT);
    if (!top) return nullptr;
    char className[32] = {};
    GetClassNameA(top, className, sizeof className);
    if (std::strcmp(className, formClassName) != 0) return nullptr;
    return reinterpret_cast<Form*>(GetWindowLongPtrA(top, GWLP_USERDATA));
}

bool Form::create(EventSink& sink, int show) {
    if (window_ || !registerWindowClasses(windowProc)) return false;
    sink_ = &sink;
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    CreateWindowExA(0, formClassName, description_.title, description_.style, description_.x, description_.y,
                    description_.width, description_.height, nullptr, nullptr, instance, this);
    if (!window_) return false;
    if (description_.iconName) {
        if (const HICON icon = LoadIconA(instance, description_.iconName)) {
            SendMessageA(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
            SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
        }
    }
    for (size_t i = 0; i < controls_.size(); ++i) {
        const char* container = controls_[i].description->container;
        bool first = true;
        for (size_t j = 0; j < i && first; ++j)
            if (controls_[j].hwnd && sameContainer(controls_[j].description->container, container)) first = false;
        if (!createControl(controls_[i], first)) {
            DestroyWindow(window_);
            return false;
        }
    }
    raise(EventKind::WindowCreated, nullptr);
    if (!window_) return false;
    ShowWindow(window_, show);
    UpdateWindow(window_);
    return true;
}

bool Form::createControl(Control& control, bool firstInContainer) {
    const ControlDescription& d = *control.description;
    if (d.kind == ControlKind::Timer) return true;
    HWND parent = window_;
    if (d.container) {
        const Control* container = find(d.container);
        if (!container || !container->hwnd || container->description->kind != ControlKind::GroupBox) return false;
        parent = container->hwnd;
    }
    const WindowClassAndStyle cs = classAndStyle(d.kind);
    DWORD style = WS_CHILD | cs.style;
    if (!(d.state & Hidden)) style |= WS_VISIBLE;
    if (d.state & Disabled) style |= WS_DISABLED;
    if (firstInContainer) style |= WS_GROUP;
    control.hwnd = CreateWindowExA(cs.exStyle, cs.className, d.text ? d.text : "", style, d.x, d.y, d.width,
                                   d.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)),
                                   GetModuleHandleA(nullptr), nullptr);
    if (!control.hwnd) return false;
    SendMessageA(control.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(d.fontHeight)), FALSE);
    if (d.kind == ControlKind::GroupBox) makeContainer(control.hwnd);
    if (d.state & Checked) SendMessageA(control.hwnd, BM_SETCHECK, BST_CHECKED, 0);
    if (d.state & HandPointer) control.pointer = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND));
    return true;
}

// A "font height" is a character height: LOGFONT height -h, normal weight,
// GB2312 character set, the host's face.
HFONT Form::fontFor(int height) {
    if (height <= 0) height = defaultFontHeight;
    GdiObject<HFONT>& font = fonts_[height];
    if (!font) {
        LOGFONTA lf{};
        lf.lfHeight = -height;
        lf.lfWeight = FW_NORMAL;
        lf.lfCharSet = GB2312_CHARSET;
        lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
        lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
        lf.lfQuality = DEFAULT_QUALITY;
        lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
        lstrcpynA(lf.lfFaceName, controlFontFace, LF_FACESIZE);
        font.reset(CreateFontIndirectA(&lf));
    }
    return font.get();
}

void Form::close() {
    if (window_) SendMessageA(window_, WM_CLOSE, 0, 0);
}

Form::Control* Form::find(const char* name) {
    for (Control& control : controls_)
        if (sameName(control.description->name, name)) return &control;
    return nullptr;
}

const Form::Control* Form::find(const char* name) const { return const_cast<Form*>(this)->find(name); }

Form::Control* Form::findById(int id) {
    const int index = id - firstControlId;
    if (index < 0 || index >= static_cast<int>(controls_.size())) return nullptr;
    return &controls_[static_cast<size_t>(index)];
}

Form::Control* Form::findByHandle(HWND hwnd) {
    if (!hwnd) return nullptr;
    for (Control& control : controls_)
        if (control.hwnd == hwnd) return &control;
    return nullptr;
}

HWND Form::handle(const char* control) const {
    const Control* c = find(control);
    return c ? c->hwnd : nullptr;
}

int Form::controlId(const char* control) const {
    const Control* c = find(control);
    return c ? c->id : 0;
}

bool Form::visible(const char* control) const {
    const HWND hwnd = handle(control);
    return hwnd && (GetWindowLongA(hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Form::setVisible(const char* control, bool visible) {
    if (const HWND hwnd = handle(control)) ShowWindow(hwnd, visible ? SW_SHOWNA : SW_HIDE);
}

bool Form::disabled(const char* control) const {
    const HWND hwnd = handle(control);
    return hwnd && !IsWindowEnabled(hwnd);
}

void Form::setDisabled(const char* control, bool disabled) {
    if (const HWND hwnd = handle(control)) EnableWindow(hwnd, !disabled);
}

std::string Form::text(const char* control) const {
    const HWND hwnd = handle(control);
    if (!hwnd) return std::string();
    std::string text(static_cast<size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(hwnd, &text[0], static_cast<int>(text.size()))));
    return text;
}

void Form::setText(const char* control, const std::string& text) {
    if (const HWND hwnd = handle(control)) SetWindowTextA(hwnd, text.c_str());
}

int Form::width(const char* control) const {
    const HWND hwnd = handle(control);
    return hwnd ? widthOf(hwnd) : 0;
}

void Form::setWidth(const char* control, int width) {
    if (const HWND hwnd = handle(control)) resize(hwnd, width);
}

int Form::windowWidth() const { return window_ ? widthOf(window_) : 0; }

void Form::setWindowWidth(int width) {
    if (window_) resize(window_, width);
}

bool Form::checked(const char* control) const {
    const HWND hwnd = handle(control);
    return hwnd && SendMessageA(hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Form::setChecked(const char* control, bool checked) {
    Control* c = find(control);
    if (!c || !c->hwnd) return;
    if (checked && c->description->kind == ControlKind::RadioButton) {
        for (Control& other : controls_) {
            if (&other != c && other.hwnd && other.description->kind == ControlKind::RadioButton &&
                sameContainer(other.description->container, c->description->container))
                SendMessageA(other.hwnd, BM_SETCHECK, BST_UNCHECKED, 0);
        }
    }
    SendMessageA(c->hwnd, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Form::setPicture(const char* control, ByteSpan imageFile) {
    Control* c = find(control);
    if (!c || !c->hwnd || c->description->kind != ControlKind::PictureBox) return;
    IconHandle picture = iconFromFile(imageFile);
    setPictureBoxImage(c->hwnd, picture.get());
    c->picture = std::move(picture);
    c->pictureFile.assign(imageFile.data, imageFile.data + imageFile.size);
}

bool Form::pointerIsOver(HWND control) const {
    POINT cursor{};
    GetCursorPos(&cursor);
    return WindowFromPoint(cursor) == control;
}

void Form::setMousePointer(const char* control, ByteSpan cursorFile) {
    Control* c = find(control);
    if (!c || !c->hwnd) return;
    const ByteSpan current{c->pointerFile.data(), c->pointerFile.size()};
    if (!c->ownPointer || current != cursorFile) {
        CursorHandle pointer = cursorFromFile(cursorFile);
        c->pointer = pointer.get();
        // The old cursor may be on the screen: show the new one before it goes.
        if (GetCapture() == c->hwnd || pointerIsOver(c->hwnd))
            SetCursor(c->pointer ? c->pointer : LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
        c->ownPointer = std::move(pointer);
        c->pointerFile.assign(cursorFile.data, cursorFile.data + cursorFile.size);
        return;
    }
    // WM_SETCURSOR does not arrive while the mouse is captured.
    if (GetCapture() == c->hwnd || pointerIsOver(c->hwnd)) SetCursor(c->pointer);
}

void Form::setTimerPeriod(const char* control, int milliseconds) {
    Control* c = find(control);
    if (!c || !window_ || c->description->kind != ControlKind::Timer) return;
    if (milliseconds > 0)
        SetTimer(window_, static_cast<UINT_PTR>(c->id), static_cast<UINT>(milliseconds), nullptr);
    else
        KillTimer(window_, static_cast<UINT_PTR>(c->id));
}

std::vector<HWND> Form::findComponents(const char* kindName, const char* within) const {
    std::vector<HWND> found;
    const KindName* kind = nullptr;
    for (const KindName& k : componentKinds)
        if (sameName(k.name, kindName)) kind = &k;
    if (!kind) return found;
    for (const Control& control : controls_) {
        if (control.description->kind != kind->kind || !control.hwnd) continue;
        bool inside = within == nullptr;
        for (const Control* c = &control; !inside && c && c->description->container; c = find(c->description->container))
            inside = sameName(c->description->container, within);
        if (inside) found.push_back(control.hwnd);
    }
    return found;
}

void Form::messageBox(const std::string& text) {
    if (messageBoxHook_) {
        messageBoxHook_(text);
        return;
    }
    MessageBoxA(window_, text.c_str(), messageBoxTitle, MB_OK);
}

void Form::captureMouse(const char* control) {
    const HWND hwnd = handle(control);
    if (!hwnd) return;
    SetCapture(hwnd);
    captured_ = hwnd;
}

void Form::releaseMouse() {
    if (captured_ && GetCapture() == captured_) ReleaseCapture();
    captured_ = nullptr;
}

void Form::raise(EventKind kind, const char* control, int arg1, int arg2) {
    if (sink_) sink_->handleEvent(HostEvent{kind, control, arg1, arg2});
}

void Form::raiseControlEvent(HWND control, EventKind kind) {
    if (const Control* c = findByHandle(control)) raise(kind, c->description->name);
}

LRESULT CALLBACK Form::windowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTA*>(lparam)->lpCreateParams);
        form->window_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!form) return DefWindowProcA(hwnd, message, wparam, lparam);
    return form->handleMessage(message, wparam, lparam);
}

LRESULT Form::handleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    const HWND hwnd = window_;
    switch (message) {
    case WM_COMMAND:
        onCommand(wparam, lparam);
        return 0;
    case WM_TIMER:
        onTimer(wparam);
        return 0;
    case WM_HOTKEY:
        onHotkey(wparam);
        return 0;
    case WM_SETCURSOR:
        if (onSetCursor(reinterpret_cast<HWND>(wparam))) return TRUE;
        break;
    case WM_CLOSE:
        onClose();
        return 0;
    case WM_DESTROY:
        if (quitOnDestroy_) PostQuitMessage(0);
        break;
    case WM_NCDESTROY:
        onNcDestroy();
        return DefWindowProcA(hwnd, message, wparam, lparam);
    }
    return DefWindowProcA(hwnd, message, wparam, lparam);
}

void Form::onCommand(WPARAM wparam, LPARAM lparam) {
    if (HIWORD(wparam) != BN_CLICKED || !lparam) return;
    const Control* c = findById(LOWORD(wparam));
    if (!c || c->hwnd != reinterpret_cast<HWND>(lparam)) return;
    switch (c->description->kind) {
    case ControlKind::Button:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
        raise(EventKind::Clicked, c->description->name);
        break;
    default:
        break;
    }
}

void Form::onTimer(WPARAM timerId) {
    const Control* c = findById(static_cast<int>(timerId));
    if (c && c->description->kind == ControlKind::Timer) raise(EventKind::TimerTick, c->description->name);
}

void Form::onHotkey(WPARAM hotkeyId) {
    const int id = static_cast<int>(hotkeyId);
    if (const Control* sink = findByHandle(hotkeys_.sinkFor(id)))
        raise(EventKind::Feedback, sink->description->name, id, 0);
}

bool Form::onSetCursor(HWND target) {
    const Control* c = findByHandle(target);
    if (!c || !c->pointer) return false;
    SetCursor(c->pointer);
    return true;
}

void Form::onClose() {
    raise(EventKind::WindowCanClose, nullptr);
    if (window_) DestroyWindow(window_);
}

void Form::onNcDestroy() {
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    window_ = nullptr;
    captured_ = nullptr;
    for (Control& control : controls_) control.hwnd = nullptr;
}

}  // namespace host
