// Start-up and exit of the skin engine, for the program's entry routine:
//
//   createSkinEngine();      // before any other engine call
//   ... register destroySkinEngine to run after the message loop ...
//   initSkinGlobals();       // before the first window is skinned
//   ... create the main window, run the message loop ...
//   destroySkinEngine();     // once the skinned windows are gone
#pragma once

#include <cstdint>

namespace skin {

struct SkinEngine;
struct SkinEngineMethods;

// Creates the one engine object with its two thunks and empties the global
// lists. Calling it again returns the existing engine. Without a table the
// engine gets skinEngineMethods(); a given table must live as long as the
// engine (the controls library passes its complete, static table).
SkinEngine* createSkinEngine();
SkinEngine* createSkinEngine(const SkinEngineMethods& methods);

// GDI+ start-up, the application icon and the setting defaults.
void initSkinGlobals();

// Destroys the engine (icon, GDI+, thunks) and releases the window records,
// the memory-DC list and the background picture. Safe to call twice.
void destroySkinEngine();

// GdiplusShutdown(token) when the token is not 0. The engine's own token
// (gdiplusToken) is cleared by it, so a second shutdown with it does nothing.
void shutdownGdiplus(std::uintptr_t token);

} // namespace skin
