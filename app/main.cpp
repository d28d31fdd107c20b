// The boss key: hides and shows chosen windows with one global hotkey.
#include <windows.h>

#include "bosskey_app.h"
#include "host/form.h"
#include "host/host.h"
#include "main_window.h"
#include "skin_hooks.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show) {
    host::Host host;

    bosskey::startSkinEngine();
    host.addExitRoutine(bosskey::stopSkinEngine);

    // Module initialisations: of the program's modules only the skin engine
    // has work to do; the start page to open is empty.
    bosskey::initSkinModule();
    host::Host::openWebAddress("");

    const bosskey::Pictures pictures{host::Host::resourceBytes("MAINWINDOWPICTURE"),
                                     host::Host::resourceBytes("FINDERCURSOR")};
    {
        host::Form mainWindow(bosskey::mainWindowDescription());
        bosskey::BossKeyApp app(mainWindow, pictures);
        mainWindow.setQuitOnDestroy(true);
        if (mainWindow.create(app, show)) host.runMessageLoop();
    }

    host.runExitRoutines();
    return 0;
}
