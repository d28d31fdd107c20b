// The target picker: the finder icon dragged over the screen, the blinking
// frame around the window under the pointer, and the three pick modes.
#include "bosskey_app.h"

namespace bosskey {
namespace {

struct PickMode {
    const char* radioButton;
    bool finderDisabled;
    bool fieldDisabled;
};

// Drag mode, input mode, forbid mode.
const PickMode pickModes[] = {
    {"单选框1", false, true},
    {"单选框2", true, false},
    {"单选框3", true, true},
};

}  // namespace

void BossKeyApp::applyPickMode() {
    for (const PickMode& mode : pickModes) {
        if (form_.checked(mode.radioButton)) {
            form_.setDisabled("图片框1", mode.finderDisabled);
            form_.setDisabled("编辑框1", mode.fieldDisabled);
            return;
        }
    }
}

}  // namespace bosskey
