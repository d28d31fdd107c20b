// List-type controls (list boxes, list views, tree views, ...) and their frames.
//
// Not painted by the skin yet: the installer leaves the controls as they are.
#include "controls/control_skins.h"

namespace skin {

void installListTypeSkins(int /*ownerIndex*/, HWND /*parent*/) {}

} // namespace skin
