// Combo box skin: combo boxes and their drop-down lists.
//
// Not painted by the skin yet: the installer leaves the controls as they are.
#include "controls/control_skins.h"

namespace skin {

void installComboBoxes(int /*ownerIndex*/, HWND /*parent*/) {}

} // namespace skin
