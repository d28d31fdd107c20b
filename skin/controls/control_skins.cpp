#include "controls/control_skins.h"

namespace skin {

void installEditFieldsAndComboBoxes(int ownerIndex, HWND parent) {
    installEditFields(ownerIndex, parent);
    installComboBoxes(ownerIndex, parent);
}

void installControlSkins(int ownerIndex, HWND parent) {
    installPushButtons(ownerIndex, parent);
    installCheckButtons(ownerIndex, parent);
    installEditFieldsAndComboBoxes(ownerIndex, parent);
    installTrackbarSkins(ownerIndex, parent);
    installProgressSkins(ownerIndex, parent);
    installListTypeSkins(ownerIndex, parent);
    installUpDownSkins(ownerIndex, parent);
    installHeaderSkins(ownerIndex, parent);
}

} // namespace skin
