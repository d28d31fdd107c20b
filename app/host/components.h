// The host's own window classes (label, picture box) and the subclass that
// turns a "Button" group box into a container.
#pragma once
#include <windows.h>

namespace host {

constexpr const char* formClassName = "BossKeyForm";
constexpr const char* labelClassName = "BossKeyLabel";
constexpr const char* pictureBoxClassName = "BossKeyPictureBox";

// Registers the form, label and picture box classes once per process.
bool registerWindowClasses(WNDPROC formProc);

// The picture a picture box draws (not owned by the box); 0 clears it.
void setPictureBoxImage(HWND pictureBox, HICON image);

// Passes the notifications a group box receives from its controls
// (WM_COMMAND, WM_NOTIFY) on to its top-level window, and makes it erase its
// inside in button face.
void makeContainer(HWND groupBox);

}  // namespace host
