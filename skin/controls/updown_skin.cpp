// Up-down control skin.
//
// Not painted by the skin yet: the installer leaves the controls as they are.
#include "controls/control_skins.h"

namespace skin {

void installUpDownSkins(int /*ownerIndex*/, HWND /*parent*/) {}

} // namespace skin
