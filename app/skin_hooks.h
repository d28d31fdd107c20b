// Where the program hands over to the skin engine. These are the only places
// the application touches the engine; see skin_hooks.cpp.
#pragma once
#include <windows.h>

#include "host/bytes.h"
#include "host/form.h"

namespace bosskey {

// Program start, step 2: creates the engine object and its global tables.
void startSkinEngine();
// The exit routine registered with the host: destroys the engine object and
// releases its global tables after the message loop.
void stopSkinEngine();
// The engine's module initialisation (GDI+ start-up, application icon,
// defaults), run among the module initialisations of program start.
void initSkinModule();
// Skins a window or one of its controls and every component inside it, with
// a background picture and the control veil opacity.
void skinMainWindow(host::Form& window, HWND control, host::ByteSpan picture, int opacity);

}  // namespace bosskey
