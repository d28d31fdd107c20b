// Hooks for the skin engine. Until the engine is linked in they do nothing
// and the main window shows unskinned; each hook's comment says what it is
// to call.
#include "skin_hooks.h"

namespace bosskey {

void startSkinEngine() {
    // HOOK: createSkinEngine — the engine object with its thunks and the
    // empty global lists.
}

void stopSkinEngine() {
    // HOOK: destroySkinEngine — icon, GDI+ shutdown, thunks, every record.
}

void initSkinModule() {
    // HOOK: initSkinGlobals — GDI+ start-up, application icon, settings.
}

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
