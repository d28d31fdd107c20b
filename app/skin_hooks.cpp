// Hooks for the skin engine. The engine's start-up, module initialisation
// and exit run for real; skinning the main window waits for the window
// skinning and background rendering of the engine, so until then the window
// shows unskinned.
#include "skin_hooks.h"

#include "engine/skin_startup.h"

namespace bosskey {

void startSkinEngine() { skin::createSkinEngine(); }

void stopSkinEngine() { skin::destroySkinEngine(); }

void initSkinModule() { skin::initSkinGlobals(); }

void skinMainWindow(host::Form& window, HWND control, host::ByteSpan picture, int opacity) {
    // HOOK, in this order:
    //  1. loadBackground (no file name, `picture`, placement 3: stretched);
    //  2. setBackgroundStyle (controls on, `opacity`);
    //  3. skinWindow on `control` (framed 1, resizable 0, caption text 1);
    //  4. for each kind "分组框", "标签", "图片框", "画板", "选择夹", "外形框":
    //     window.findComponents(kind) (with the container's name when
    //     `control` is not the window itself); skinComponent for group boxes
    //     and tab controls (fill alpha `opacity`), registerComponent for the
    //     others (fill alpha `opacity`).
    (void)window;
    (void)control;
    (void)picture;
    (void)opacity;
}

}  // namespace bosskey
