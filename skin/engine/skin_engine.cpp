#include "engine/skin_engine.h"

#include "engine/window_properties.h"

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <cstring>
#include <memory>
#include <utility>

namespace skin {

SkinSettings skinSettings;

namespace {

constexpr int kAppIconResource = 129;
constexpr char kAppIconName[] = "DEFAULT_ICON";

std::unique_ptr<SkinEngine> engineInstance;

// Methods that are not built yet stay null.
SkinEngineMethods makeMethodTable() {
    SkinEngineMethods table{};
    table.destroy = &SkinEngine::destroy;
    table.frameWindowProc = &SkinEngine::frameWindowProc;
    table.captionButtonClicked = &SkinEngine::captionButtonClicked;
    table.drawButtonSeparators = &SkinEngine::drawButtonSeparators;
    table.restoreCaptionBackground = &SkinEngine::restoreCaptionBackground;
    table.drawCaptionButton = &SkinEngine::drawCaptionButton;
    table.drawButtonHighlight = &SkinEngine::drawButtonHighlight;
    table.captionButtonAt = &SkinEngine::captionButtonAt;
    table.maximizeButtonIndex = &SkinEngine::maximizeButtonIndex;
    table.presentWindow = &SkinEngine::presentWindow;
    table.beginFrameDrag = &SkinEngine::beginFrameDrag;
    table.updateSizingCursor = &SkinEngine::updateSizingCursor;
    table.drawCaption = &SkinEngine::drawCaption;
    table.loadBackground = &SkinEngine::loadBackground;
    table.setBackgroundStyle = &SkinEngine::setBackgroundStyle;
    table.renderWindow = &SkinEngine::renderWindow;
    table.drawBackground = &SkinEngine::drawBackground;
    table.drawBorder = &SkinEngine::drawBorder;
    table.restoreBottomBarBackground = &SkinEngine::restoreBottomBarBackground;
    table.drawBottomBarItem = &SkinEngine::drawBottomBarItem;
    return table;
}

const SkinEngineMethods kMethods = makeMethodTable();

// A skinned window that still exists when the engine goes away gets its
// previous procedure back, so no message can reach freed thunk memory.
void unhookRemainingWindows(const MessageThunk& frameThunk) {
    if (frameThunk.empty()) return;
    const auto thunkEntry = reinterpret_cast<LONG_PTR>(frameThunk.code());
    for (const auto& record : skinSettings.windowRecords) {
        if (!record || !IsWindow(record->hwnd)) continue;
        if (GetWindowLongPtrA(record->hwnd, GWLP_WNDPROC) == thunkEntry)
            SetWindowLongPtrA(record->hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(record->oldWindowProc));
    }
}

} // namespace

const void* methodEntry(const SkinEngineMethods& table, int position) {
    if (position < 1 || position > kMethodCount) return nullptr;
    const void* entry = nullptr;
    std::memcpy(&entry, reinterpret_cast<const char*>(&table) + (position - 1) * sizeof(void*), sizeof(void*));
    return entry;
}

const SkinEngineMethods& skinEngineMethods() { return kMethods; }

SkinEngine* theSkinEngine() { return engineInstance.get(); }

void __stdcall SkinEngine::destroy(EngineThis self) {
    SkinEngine* engine = *self;
    if (skinSettings.appIcon) DestroyIcon(skinSettings.appIcon);
    skinSettings.appIcon = nullptr;
    shutdownGdiplus(skinSettings.gdiplusToken);
    unhookRemainingWindows(engine->frameProcThunk);
    engine->frameProcThunk.reset();
    engine->buttonThunk.reset();
    engine->buttonThunkEntry = 0;
}

SkinEngine* createSkinEngine() { return createSkinEngine(kMethods); }

SkinEngine* createSkinEngine(const SkinEngineMethods& methods) {
    if (engineInstance) return engineInstance.get();
    auto engine = std::make_unique<SkinEngine>();
    engine->methods = &methods;
    engine->frameProcThunk = buildMessageThunk(engine.get(), kFrameWindowProc, 4);
    engine->buttonThunk = buildMessageThunk(engine.get(), kCaptionButtonClicked, 2);
    engine->buttonThunkEntry = reinterpret_cast<std::uintptr_t>(engine->buttonThunk.code());
    skinSettings.backgroundColour = GetSysColor(COLOR_BTNFACE);
    skinSettings.windowRecords.clear();
    skinSettings.memoryDCs.clear();
    engineInstance = std::move(engine);
    return engineInstance.get();
}

void initSkinGlobals() {
    if (skinSettings.gdiplusToken == 0) {
        Gdiplus::GdiplusStartupInput input;
        input.GdiplusVersion = 1;
        input.DebugEventCallback = nullptr;
        input.SuppressBackgroundThread = FALSE;
        input.SuppressExternalCodecs = FALSE;
        ULONG_PTR token = 0;
        Gdiplus::GdiplusStartup(&token, &input, nullptr);
        skinSettings.gdiplusToken = token;
    }

    HINSTANCE module = GetModuleHandleA(nullptr);
    HICON icon = LoadIconA(module, MAKEINTRESOURCEA(kAppIconResource));
    if (!icon) icon = LoadIconA(module, kAppIconName);
    skinSettings.appIcon = icon;

    skinSettings.firstSizePending = true;
    skinSettings.controlSkinsEnabled = true;
    skinSettings.controlOpacity = kDefaultControlOpacity;
    skinSettings.accentColour = kDefaultAccentColour;
    skinSettings.trackbarFrame = 1;
}

void destroySkinEngine() {
    if (engineInstance) {
        SkinEngine* engine = engineInstance.get();
        engine->methods->destroy(&engine);
        engineInstance.reset();
    }
    skinSettings.windowRecords.clear();
    // The DCs are dropped without GDI calls: their painters are long gone.
    skinSettings.memoryDCs.clear();
    skinSettings.backgroundPicture.clear();
}

// The engine's own token is used up by the first shutdown, so the window
// procedure's WM_QUIT handling and the engine's destruction, which both pass
// gdiplusToken, shut GDI+ down once between them.
void shutdownGdiplus(std::uintptr_t token) {
    if (token == 0) return;
    Gdiplus::GdiplusShutdown(token);
    if (skinSettings.gdiplusToken == token) skinSettings.gdiplusToken = 0;
}

} // namespace skin
