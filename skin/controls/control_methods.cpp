#include "controls/control_methods.h"

namespace skin {
namespace {

SkinEngineMethods makeCompleteTable() {
    SkinEngineMethods table = skinEngineMethods();
    table.layoutCaptionButtons = &SkinEngine::layoutCaptionButtons;
    table.setBottomBar = &SkinEngine::setBottomBar;
    table.layoutBottomBar = &SkinEngine::layoutBottomBar;
    table.skinWindow = &SkinEngine::skinWindow;
    table.skinComponent = &SkinEngine::skinComponent;
    table.registerComponent = &SkinEngine::registerComponent;
    return table;
}

} // namespace

const SkinEngineMethods& completeSkinEngineMethods() {
    static const SkinEngineMethods table = makeCompleteTable();
    return table;
}

SkinEngine* createSkinEngineWithControls() { return createSkinEngine(completeSkinEngineMethods()); }

} // namespace skin
