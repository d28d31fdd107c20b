// Hooks for the skin engine: its start-up with the complete method table,
// module initialisation and exit, and the one place the application
// configures it, skinning the main window.
#include "skin_hooks.h"

#include "controls/control_methods.h"
#include "engine/skin_engine.h"
#include "engine/skin_startup.h"

#include <vector>

namespace bosskey {
namespace {

constexpr int stretchedPlacement = 3;

enum class ComponentSkinKind { Container, Transparent };

struct ComponentKind {
    const char* name;
    ComponentSkinKind skin;
};

// The kinds of component the engine takes over, in the order they are
// skinned.
constexpr ComponentKind componentKinds[] = {
    {"分组框", ComponentSkinKind::Container},   {"标签", ComponentSkinKind::Transparent},
    {"图片框", ComponentSkinKind::Transparent}, {"画板", ComponentSkinKind::Transparent},
    {"选择夹", ComponentSkinKind::Container},   {"外形框", ComponentSkinKind::Transparent},
};

// Components of a kind on the window, or inside `control` when that is one
// of its controls.
std::vector<HWND> componentsWithin(const host::Form& window, HWND control, const char* kind) {
    std::vector<HWND> found = window.findComponents(kind);
    if (control == window.handle()) return found;
    std::vector<HWND> inside;
    for (HWND component : found)
        if (IsChild(control, component)) inside.push_back(component);
    return inside;
}

}  // namespace

void startSkinEngine() { skin::createSkinEngineWithControls(); }

void stopSkinEngine() { skin::destroySkinEngine(); }

void initSkinModule() { skin::initSkinGlobals(); }

void skinMainWindow(host::Form& window, HWND control, host::ByteSpan picture, int opacity) {
    skin::SkinEngine* engine = skin::theSkinEngine();
    if (!engine) return;
    skin::EngineThis self = &engine;
    const skin::SkinEngineMethods& methods = *engine->methods;

    const skin::Bytes pictureBytes(picture.data, picture.data + picture.size);
    const int placement = stretchedPlacement;
    methods.loadBackground(self, std::string(), pictureBytes, nullptr, nullptr, &placement);
    methods.setBackgroundStyle(self, 1, &opacity, nullptr);

    const int framed = 1, resizable = 0, helpButton = 0, menuButton = 0, showCaptionText = 1, captionGloss = 0;
    methods.skinWindow(self, control, nullptr, &framed, &resizable, &helpButton, &menuButton, &showCaptionText,
                       &captionGloss, nullptr, nullptr, nullptr, nullptr);

    for (const ComponentKind& kind : componentKinds) {
        for (HWND component : componentsWithin(window, control, kind.name)) {
            if (kind.skin == ComponentSkinKind::Container)
                methods.skinComponent(self, component, nullptr, 0, &opacity, nullptr);
            else
                methods.registerComponent(self, component, nullptr, 0, opacity);
        }
    }
}

}  // namespace bosskey
