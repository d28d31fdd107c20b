// Geometry of a skinned window's caption-button strip and bottom bar, kept in
// step with the client size. Nothing is drawn here.
#include "engine/skin_engine.h"
#include "engine/window_registry.h"

#include "engine/drawing_primitives.h"

#include <windows.h>

namespace skin {
namespace {

constexpr int kButtonPitch = 27;
constexpr int kButtonHeight = 18;
constexpr int kCloseRectWidth = 40;
constexpr int kOtherRectWidth = 26;
constexpr int kStripHeight = 22;

RECT truncatedRect(const FloatRect& r) {
    return RECT{static_cast<LONG>(r.x), static_cast<LONG>(r.y), static_cast<LONG>(r.x + r.width),
                static_cast<LONG>(r.y + r.height)};
}

} // namespace

void __stdcall SkinEngine::layoutCaptionButtons(EngineThis self, int windowIndex) {
    WindowRecord* record = windowRecordAt(windowIndex);
    if (!record) return;
    if (record->hwnd) {
        const RECT client = clientRectOf(record->hwnd);
        record->buttonStripX = client.right - record->buttonStripWidth + 1;
        record->buttonStripHeight = kStripHeight;
    }
    // The pitch is the same whatever the widths; the close button, always
    // last, reaches past the client edge and is clipped when drawn.
    for (std::size_t i = 0; i < record->captionButtons.size(); ++i) {
        CaptionButton& button = record->captionButtons[i];
        button.rect.x = static_cast<float>(record->buttonStripX + 2 + kButtonPitch * static_cast<int>(i));
        button.rect.y = static_cast<float>(record->buttonStripY + 1);
        button.rect.width = static_cast<float>(button.kind == CloseButton ? kCloseRectWidth : kOtherRectWidth);
        button.rect.height = static_cast<float>(kButtonHeight);
        const UINT_PTR toolId = i + 1;
        record->toolTip.moveTool(toolId, truncatedRect(button.rect));
        record->toolTip.setToolText(toolId, button.tooltip.c_str());
    }
}

void __stdcall SkinEngine::setBottomBar(EngineThis self, int windowIndex, int height,
                                        const std::vector<BottomBarItem>* items) {
    WindowRecord* record = windowRecordAt(windowIndex);
    if (!record) return;
    const int m = (*self)->borderWidth;
    const RECT client = clientRectOf(record->hwnd);
    record->bottomBarHeight = height;
    record->bottomBarRect = IntRect{m, client.bottom - m - height - 1, client.right - 2 * m, height};
    const int barY = record->bottomBarRect.y;

    record->bottomBarItemRects.clear();
    record->bottomBarItems.clear();
    if (!items) {
        record->bottomBarItemRects.push_back(record->bottomBarRect);
        BottomBarItem fill;
        fill.width = -1;
        record->bottomBarItems.push_back(fill);
        return;
    }
    int x = m, previousWidth = 0;
    for (const BottomBarItem& item : *items) {
        x += previousWidth;
        const int w = item.width == -1 ? client.right - m - x : item.width;
        previousWidth = w;
        record->bottomBarItemRects.push_back(IntRect{x, barY, w, height});
        record->bottomBarItems.push_back(item);
    }
}

void __stdcall SkinEngine::layoutBottomBar(EngineThis self, int windowIndex) {
    WindowRecord* record = windowRecordAt(windowIndex);
    if (!record) return;
    const int m = (*self)->borderWidth;
    const RECT client = clientRectOf(record->hwnd);
    IntRect& bar = record->bottomBarRect;
    bar.x = m;
    bar.y = client.bottom - record->bottomBarHeight - m - 1;
    bar.width = client.right - 2 * m;

    int x = m, used = 0;
    for (std::size_t i = 0; i < record->bottomBarItemRects.size(); ++i) {
        IntRect& r = record->bottomBarItemRects[i];
        r.y = bar.y;
        r.x = x;
        const bool fills = i < record->bottomBarItems.size() && record->bottomBarItems[i].width == -1;
        if (fills) r.width = client.right - used - 2 * m;
        used += r.width;
        x += r.width;
    }
}

} // namespace skin
