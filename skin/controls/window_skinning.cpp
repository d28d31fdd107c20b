// Taking over a top-level window in one call: its record with the caption
// settings and buttons, the caption buttons' tooltips, the caption-button
// and bottom-bar layout, the control skins of its children and, last, the
// frame thunk as its window procedure. Nothing is drawn here: the first
// paint renders the skinned window.
#include "controls/caption_glyphs.h"
#include "controls/control_skins.h"
#include "engine/picture_helpers.h"
#include "engine/skin_engine.h"
#include "engine/skin_settings.h"
#include "engine/window_properties.h"
#include "engine/window_registry.h"

#include <algorithm>
#include <memory>

namespace skin {
namespace {

constexpr int kMinCaptionHeight = 25;
constexpr int kBorderWidth = 3;
constexpr int kOwnPictureSamples = 2000;
constexpr int kButtonGlyphHeight = 18;
constexpr int kStripHeight = 22;
constexpr char kSkinFont[] = "宋体";
constexpr int kSkinFontSize = 12;

int valueOr(const int* given, int fallback) { return given ? *given : fallback; }

CaptionButton makeCaptionButton(CaptionButtonKind kind, CaptionGlyph glyph, const char* tooltip) {
    CaptionButton button;
    button.kind = kind;
    button.width = captionGlyphSize(glyph).cx;
    button.height = kButtonGlyphHeight;
    button.image = captionGlyph(glyph);
    if (kind == MaximizeButton) button.altImage = captionGlyph(CaptionGlyph::Restore);
    button.tooltip = tooltip;
    return button;
}

// Help, menu, minimise, maximise and close, each when its flag is set.
std::vector<CaptionButton> makeCaptionButtons(const WindowRecord& record) {
    std::vector<CaptionButton> buttons;
    if (record.helpButton) buttons.push_back(makeCaptionButton(HelpButton, CaptionGlyph::Help, "帮助"));
    if (record.menuButton) buttons.push_back(makeCaptionButton(MenuButton, CaptionGlyph::Menu, "主菜单"));
    if (record.minimizeButton)
        buttons.push_back(makeCaptionButton(MinimizeButton, CaptionGlyph::Minimize, "最小化"));
    if (record.maximizeButton)
        buttons.push_back(makeCaptionButton(MaximizeButton, CaptionGlyph::Maximize, "最大化"));
    if (record.closeButton) buttons.push_back(makeCaptionButton(CloseButton, CaptionGlyph::Close, "关闭"));
    return buttons;
}

// The window's own picture: faded into its average colour at its edges for
// the two faded placements, kept as given for the others.
void takeOwnPicture(WindowRecord& record, const Bytes& picture) {
    record.ownColour = pictureAverageColour(picture, kOwnPictureSamples) & 0xFFFFFF;
    if (record.ownPlacement == PlaceLeftFaded)
        record.ownPicture = fadePictureEdges(picture, std::nullopt, record.ownColour);
    else if (record.ownPlacement == PlaceRightFaded)
        record.ownPicture = fadePictureEdges(picture, std::nullopt, record.ownColour, 0);
    else
        record.ownPicture = picture;
}

RECT truncatedRect(const FloatRect& r) {
    return RECT{static_cast<LONG>(r.x), static_cast<LONG>(r.y), static_cast<LONG>(r.x + r.width),
                static_cast<LONG>(r.y + r.height)};
}

} // namespace

void __stdcall SkinEngine::skinWindow(EngineThis self, HWND hwnd, const int* captionHeight, const int* framed,
                                      const int* resizable, const int* helpButton, const int* menuButton,
                                      const int* showCaptionText, const int* captionGloss,
                                      const int* bottomBarHeight, const std::vector<BottomBarItem>* bottomBarItems,
                                      const Bytes* ownPicture, const int* ownPlacement) {
    SkinEngine* engine = *self;
    if (findWindowRecord(hwnd) != 0) return;

    const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    RECT client{};
    GetClientRect(hwnd, &client);
    engine->borderWidth = kBorderWidth;

    auto record = std::make_unique<WindowRecord>();
    record->hwnd = hwnd;
    // An omitted height counts as 0, which is raised like any other.
    record->captionHeight = std::max(valueOr(captionHeight, 0), kMinCaptionHeight);
    record->framed = valueOr(framed, 1);
    record->resizable = valueOr(resizable, 1);
    record->showCaptionText = valueOr(showCaptionText, 1);
    record->captionGloss = valueOr(captionGloss, 0);
    record->helpButton = valueOr(helpButton, 0);
    record->menuButton = valueOr(menuButton, 0);
    record->minimizeButton = (style & WS_MINIMIZEBOX) ? 1 : 0;
    record->maximizeButton = (style & WS_MAXIMIZEBOX) ? 1 : 0;
    record->closeButton = 1;
    record->ownPlacement = valueOr(ownPlacement, skinSettings.backgroundPlacement);
    record->minTrackWidth = 200;
    record->minTrackHeight = 150;
    record->maxTrackWidth = GetSystemMetrics(SM_CXSCREEN);
    record->maxTrackHeight = GetSystemMetrics(SM_CYSCREEN);

    if (ownPicture && !ownPicture->empty()) takeOwnPicture(*record, *ownPicture);

    record->captionTextColour = 0xFFFFFF;
    record->captionGlowColour = 0x808080;
    record->captionFontName = kSkinFont;
    record->captionFontSize = kSkinFontSize;
    record->captionFontStyle = 1;

    record->captionButtons = makeCaptionButtons(*record);
    int widths = 0;
    for (const CaptionButton& button : record->captionButtons) widths += button.width;
    const int count = static_cast<int>(record->captionButtons.size());
    record->buttonStripWidth = widths + (count - 1) + 3;
    record->buttonStripHeight = kStripHeight;
    record->buttonStripX = client.right - engine->borderWidth - record->buttonStripWidth - 2;
    record->buttonStripY = 0;

    SetWindowLongA(hwnd, GWL_STYLE, style | WS_SYSMENU);

    skinSettings.windowRecords.push_back(std::move(record));
    const int index = static_cast<int>(skinSettings.windowRecords.size());
    WindowRecord& added = *skinSettings.windowRecords.back();

    added.toolTip.create(hwnd);
    for (int i = 0; i < count; ++i) {
        const CaptionButton& button = added.captionButtons[static_cast<std::size_t>(i)];
        added.toolTip.addTool(truncatedRect(button.rect), button.tooltip.c_str(), static_cast<UINT_PTR>(i + 1));
    }
    layoutCaptionButtons(self, index);

    const int barHeight = valueOr(bottomBarHeight, 0);
    if (barHeight >= 1) {
        setBottomBar(self, index, barHeight, bottomBarItems);
        added.bottomBarFontStyle = 0;
        added.bottomBarTextColour = 0xFFFFFF;
        added.bottomBarFontName = kSkinFont;
        added.bottomBarFontSize = kSkinFontSize;
    }
    layoutBottomBar(self, index);

    installControlSkins(index, hwnd);

    added.cacheDirty = 1;
    // Without a thunk the window keeps its own procedure rather than get none.
    if (engine->frameProcThunk.empty()) return;
    const LONG_PTR previous =
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(engine->frameProcThunk.code()));
    added.oldWindowProc = reinterpret_cast<WNDPROC>(previous);
    setPropValue(hwnd, kPropOldProc, previous);
    setPropValue(hwnd, kPropListIndex, index);
}

} // namespace skin
