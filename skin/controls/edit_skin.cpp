// Edit field skin: veiled backgrounds and the hover and focus frames of edit fields.
//
// Not painted by the skin yet: the installer leaves the controls as they are.
#include "controls/control_skins.h"

namespace skin {

void installEditFields(int /*ownerIndex*/, HWND /*parent*/) {}

} // namespace skin
