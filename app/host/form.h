// The window host: builds a window and its controls from a stored
// description, gives access to the controls' properties by name, raises the
// events the application handles and offers the host services (component
// search, message box, mouse capture, global hotkeys).
#pragma once
#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "bytes.h"
#include "handles.h"
#include "hotkeys.h"

namespace host {

enum class ControlKind {
    Label,             // the host's own label: paints button face and its caption
    TransparentLabel,  // a label that draws only its caption (WS_EX_TRANSPARENT)
    GroupBox,          // a container: its controls are its child windows
    Button,
    CheckBox,
    RadioButton,
    EditBox,
    PictureBox,        // the host's own picture box: paints button face and a picture
    Timer,             // no window; its ticks arrive on the form
};

// Initial state bits of a control; 0 is visible, enabled and unchecked.
enum ControlState : unsigned {
    Hidden = 1u << 0,
    Disabled = 1u << 1,
    Checked = 1u << 2,
    HandPointer = 1u << 3,
};

struct ControlDescription {
    ControlKind kind;
    const char* container;  // name of the group box holding the control; nullptr: the window
    const char* name;
    int x, y, width, height;  // relative to the container
    const char* text;
    int fontHeight;  // character height in pixels; 0: the host's default
    unsigned state;  // ControlState bits
};

struct WindowDescription {
    const char* title;
    int x, y, width, height;
    DWORD style;
    const char* iconName;  // icon resource of the module, or nullptr
    std::vector<ControlDescription> controls;
};

enum class EventKind {
    WindowCreated,       // all controls exist; the window is not shown yet
    WindowCanClose,      // the window is about to close (no verdict)
    Clicked,             // button, check box or radio button
    LeftButtonPressed,   // picture box
    LeftButtonReleased,  // picture box (also when its mouse capture is taken away)
    TimerTick,
    Feedback,            // label; a hotkey press gives (hotkey id, 0)
};

struct HostEvent {
    EventKind kind;
    const char* control;  // the control's name; nullptr for the window's events
    int arg1;
    int arg2;
};

class EventSink {
public:
    virtual ~EventSink() = default;
    virtual void handleEvent(const HostEvent& event) = 0;
};

// Face and default height of every control's font.
constexpr const char* controlFontFace = "宋体";
constexpr int defaultFontHeight = 12;
// Title of the host's message boxes.
constexpr const char* messageBoxTitle = "提示";
// Dialog id of the first control; the others follow in description order.
constexpr int firstControlId = 1000;

class Form {
public:
    explicit Form(const WindowDescription& description);
    ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // Builds the window and every control (the window still hidden), raises
    // the window created event, then shows the window. False when a window
    // could not be made.
    bool create(EventSink& sink, int show = SW_SHOWNORMAL);
    // Closes the window as the user does: window can be closed, then destroyed.
    void close();
    bool exists() const { return window_ != nullptr; }
    // Post WM_QUIT when the window is destroyed (the program's main window).
    void setQuitOnDestroy(bool quit) { quitOnDestroy_ = quit; }

    // The system handle of the window, or of a control (0 for a timer).
    HWND handle() const { return window_; }
    HWND handle(const char* control) const;
    int controlId(const char* control) const;
    // The form that owns a window or any of its controls; nullptr if none.
    static Form* fromWindow(HWND window);

    // Control properties; writes take effect at once.
    bool visible(const char* control) const;
    void setVisible(const char* control, bool visible);
    bool disabled(const char* control) const;
    void setDisabled(const char* control, bool disabled);
    std::string text(const char* control) const;
    void setText(const char* control, const std::string& text);
    int width(const char* control) const;
    void setWidth(const char* control, int width);
    bool checked(const char* control) const;
    // Checking a radio button unchecks the others of its container.
    void setChecked(const char* control, bool checked);
    // Picture box: image-file bytes; a cursor or icon file shows its image,
    // empty bytes clear the picture.
    void setPicture(const char* control, ByteSpan imageFile);
    // Mouse pointer over the control, from cursor-file bytes (empty: the
    // arrow). Takes effect at once, also while the control has the capture.
    void setMousePointer(const char* control, ByteSpan cursorFile);
    // Timer: 0 stops it.
    void setTimerPeriod(const char* control, int milliseconds);

    // Window properties.
    int windowWidth() const;
    void setWindowWidth(int width);

    // Components of a kind ("分组框", "标签", "图片框", "画板", "选择夹",
    // "外形框") on the window, or inside a container, at any depth, in
    // description order. A kind is not a window class: "标签" finds labels,
    // not transparent labels.
    std::vector<HWND> findComponents(const char* kindName, const char* within = nullptr) const;

    // A message box owned by the window, one OK button, the host's title.
    void messageBox(const std::string& text);
    // Tests record message boxes instead of showing them.
    void setMessageBoxHook(std::function<void(const std::string&)> hook) { messageBoxHook_ = std::move(hook); }

    void captureMouse(const char* control);
    // Releases the capture taken by captureMouse; a capture that another
    // window of the thread has taken since is left alone.
    void releaseMouse();

    GlobalHotkeys& hotkeys() { return hotkeys_; }

    // Raised by the host's own controls (picture box mouse events).
    void raiseControlEvent(HWND control, EventKind kind);

private:
    struct Control {
        Control(const ControlDescription* d, int controlId) : description(d), id(controlId) {}
        const ControlDescription* description;
        int id;
        HWND hwnd = nullptr;
        IconHandle picture;
        std::vector<unsigned char> pictureFile;
        CursorHandle ownPointer;
        std::vector<unsigned char> pointerFile;
        HCURSOR pointer = nullptr;  // ownPointer, a shared system cursor, or 0
    };

    Control* find(const char* name);
    const Control* find(const char* name) const;
    Control* findById(int id);
    Control* findByHandle(HWND hwnd);
    HFONT fontFor(int height);
    bool createControl(Control& control, bool firstInContainer);
    void raise(EventKind kind, const char* control, int arg1 = 0, int arg2 = 0);
    bool pointerIsOver(HWND control) const;

    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT handleMessage(UINT message, WPARAM wparam, LPARAM lparam);
    void onCommand(WPARAM wparam, LPARAM lparam);
    void onTimer(WPARAM timerId);
    void onHotkey(WPARAM hotkeyId);
    bool onSetCursor(HWND target);
    void onClose();
    void onNcDestroy();

    const WindowDescription& description_;
    std::vector<Control> controls_;
    std::map<int, GdiObject<HFONT>> fonts_;
    GlobalHotkeys hotkeys_;
    EventSink* sink_ = nullptr;
    HWND window_ = nullptr;
    HWND captured_ = nullptr;  // the control captureMouse gave the mouse to
    bool quitOnDestroy_ = false;
    std::function<void(const std::string&)> messageBoxHook_;
};

}  // namespace host
