// The engine's complete method table: the engine's own methods plus those
// that live in this library. The engine library does not know this one, so
// the program creates its engine here.
#pragma once

#include "engine/skin_engine.h"

namespace skin {

// skinEngineMethods() with the places of the controls library filled in.
const SkinEngineMethods& completeSkinEngineMethods();

// createSkinEngine with the complete table.
SkinEngine* createSkinEngineWithControls();

} // namespace skin
