// The boss key's main window: its description and the names of the controls
// the handlers address.
#pragma once
#include "host/form.h"

namespace bosskey {

constexpr const char* mainWindowTitle = "霜翎老板键功能软件（默认快捷键为F4）";

// The window, every control with its place, text, font height and initial
// state, in creation order.
const host::WindowDescription& mainWindowDescription();

// The six list slots "编1" … "编6" and their captions "一" … "六".
extern const char* const slotNames[6];
extern const char* const slotLabelNames[6];

// The hotkey choices "F1" … "F12" and their virtual keys.
struct HotkeyChoice {
    const char* name;
    unsigned virtualKey;
};
extern const HotkeyChoice hotkeyChoices[12];

}  // namespace bosskey
