// Header control skin, stand-alone headers and those of list views.
//
// Not painted by the skin yet: the installer leaves the controls as they are.
#include "controls/control_skins.h"

namespace skin {

void installHeaderSkins(int /*ownerIndex*/, HWND /*parent*/) {}

} // namespace skin
