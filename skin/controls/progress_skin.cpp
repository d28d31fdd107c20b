// Progress bar skin.
//
// Not painted by the skin yet: the installer leaves the controls as they are.
#include "controls/control_skins.h"

namespace skin {

void installProgressSkins(int /*ownerIndex*/, HWND /*parent*/) {}

} // namespace skin
