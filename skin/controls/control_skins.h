// The control skins: one installer per kind of standard control, each called
// with (owner record index, parent window) on the direct children of a
// skinned window or of a skinned component. An installer finds the children
// of its window class, appends an entry to the owner record's list of its
// kind, subclasses the control and sets its properties. Each kind lives in a
// file of its own; an installer does nothing while controlSkinsEnabled is 0.
#pragma once

#include <windows.h>

#include <string>

namespace skin {

// button_skin.cpp: push buttons; check boxes and radio buttons.
void installPushButtons(int ownerIndex, HWND parent);
void installCheckButtons(int ownerIndex, HWND parent);
// The owner-draw dispatch of skinned push buttons (WM_DRAWITEM).
void drawButtonItem(int ownerIndex, const DRAWITEMSTRUCT& item);

// Family, size (em size, truncated) and style bits of a control's font, read
// through GDI+; empty name and 0 size when nothing can be read.
struct ControlFont {
    std::string name;
    int size = 0;
    int style = 0;
};
ControlFont readControlFont(HWND control);

// edit_skin.cpp and combo_skin.cpp: edit fields, then combo boxes.
void installEditFieldsAndComboBoxes(int ownerIndex, HWND parent);
void installEditFields(int ownerIndex, HWND parent);
void installComboBoxes(int ownerIndex, HWND parent);

// trackbar_skin.cpp, progress_skin.cpp, list_type_skin.cpp,
// updown_skin.cpp, header_skin.cpp.
void installTrackbarSkins(int ownerIndex, HWND parent);
void installProgressSkins(int ownerIndex, HWND parent);
void installListTypeSkins(int ownerIndex, HWND parent);
void installUpDownSkins(int ownerIndex, HWND parent);
// Headers of list views and stand-alone headers.
void installHeaderSkins(int ownerIndex, HWND parent);

// Every installer above, in the order a window or component is taken over.
void installControlSkins(int ownerIndex, HWND parent);

} // namespace skin
