#include "controls/component_skins.h"

#include "controls/control_skins.h"
#include "engine/background_rendering.h"
#include "engine/drawing_primitives.h"
#include "engine/frame_and_caption.h"
#include "engine/frame_window_proc.h"
#include "engine/gdi_handles.h"
#include "engine/skin_engine.h"
#include "engine/skin_settings.h"
#include "engine/window_properties.h"
#include "engine/window_registry.h"
#include "gdiplus/gdip.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace skin {
namespace {

constexpr std::uint8_t kOpaque = 255;
constexpr int kTitleMargin = 10;

// ---- entries and their windows -------------------------------------------------------

struct ComponentRef {
    int ownerIndex = 0;
    int position = 0;
    ComponentSkin* entry = nullptr;
};

ComponentRef skinnedComponentOf(HWND hwnd) {
    ComponentRef ref;
    ref.ownerIndex = static_cast<int>(propValue(hwnd, kPropOwnerIndex));
    ref.position = static_cast<int>(propValue(hwnd, kPropListIndex));
    WindowRecord* record = windowRecordAt(ref.ownerIndex);
    ComponentSkin* entry = record ? entryAt(record->componentSkins, ref.position) : nullptr;
    if (entry && entry->hwnd == hwnd) ref.entry = entry;
    return ref;
}

TransparentComponent* transparentComponentOf(HWND hwnd) {
    WindowRecord* record = windowRecordAt(static_cast<int>(propValue(hwnd, kPropComponentOwner)));
    TransparentComponent* entry =
        record ? entryAt(record->components, static_cast<int>(propValue(hwnd, kPropComponentIndex))) : nullptr;
    return entry && entry->hwnd == hwnd ? entry : nullptr;
}

ComponentSkin* componentEntry(int ownerIndex, int position) {
    WindowRecord* record = windowRecordAt(ownerIndex);
    return record ? entryAt(record->componentSkins, position) : nullptr;
}

SIZE clientSize(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    return SIZE{r.right, r.bottom};
}

// ---- painting --------------------------------------------------------------------------

void drawRoundedOutline(gdip::Graphics& graphics, float x, float y, float w, float h, int corner,
                        std::uint32_t argb) {
    gdip::GraphicsPath path;
    path.createPath();
    addRoundedRectPath(path, x, y, w, h, corner);
    gdip::Pen pen;
    pen.create(argb, 1);
    graphics.drawPath(pen, path);
}

// Left edge of a group box's title of width tw by the style's alignment
// bits: centred for BS_CENTER, 10 from the left for BS_LEFT alone, 10 from
// the right otherwise.
int groupBoxTitleX(LONG style, int w, int tw) {
    const bool left = (style & BS_LEFT) != 0, right = (style & BS_RIGHT) != 0;
    if (left && right) return (w - tw) / 2;
    if (!left) return w - tw - kTitleMargin;
    return kTitleMargin;
}

void drawGroupBox(int ownerIndex, int position, HDC memoryDC) {
    const ComponentSkin* entry = componentEntry(ownerIndex, position);
    if (!entry) return;
    const HWND hwnd = entry->hwnd;
    const SIZE size = clientSize(hwnd);
    const float w = float(size.cx), h = float(size.cy);
    {
        gdip::Graphics graphics;
        graphics.createFromHDC(memoryDC);
        drawRoundedOutline(graphics, 0, 5, w - 1, h - 6, 5, toArgb(0x000000, 40));
        drawRoundedOutline(graphics, 1, 6, w - 3, h - 8, 3, toArgb(0xFFFFFF, 90));
    }

    // A group box without a title keeps its outline unbroken.
    const std::string title = windowText(hwnd);
    if (title.empty()) return;
    const int tw = measureTextWidth(title, entry->fontFamily, entry->fontSize, entry->fontStyle);
    const int x = groupBoxTitleX(GetWindowLongA(hwnd, GWL_STYLE), size.cx, tw);
    const gdip::RectF titleRect(float(x), 1, float(tw), float(entry->fontSize + 3));
    const RECT cleared{std::lround(titleRect.X), std::lround(titleRect.Y),
                       std::lround(titleRect.X + titleRect.Width), std::lround(titleRect.Y + titleRect.Height)};
    restoreComponentBackground(hwnd, memoryDC, cleared);

    gdip::Graphics graphics;
    graphics.createFromHDC(memoryDC);
    gdip::Font font;
    font.createFromName(entry->fontFamily, float(entry->fontSize), entry->fontStyle);
    gdip::StringFormat format;
    format.create();
    format.setAlign(Gdiplus::StringAlignmentCenter);
    gdip::SolidBrush brush;
    brush.create(toArgb(static_cast<COLORREF>(propValue(hwnd, kPropTextColour))));
    graphics.drawString(title, font, titleRect, brush, &format);
}

// The rendered component in a registered memory DC of its client size.
HDC renderIntoMemory(int ownerIndex, int position, SIZE& size) {
    const ComponentSkin* entry = componentEntry(ownerIndex, position);
    if (!entry) return nullptr;
    const HWND hwnd = entry->hwnd;
    size = clientSize(hwnd);
    HDC memoryDC = backgroundSnapshot(hwnd, RECT{0, 0, size.cx, size.cy});
    if (!memoryDC) return nullptr;
    if (entry->isGroupBox) {
        drawGroupBox(ownerIndex, position, memoryDC);
    } else if (entry->outlined) {
        gdip::Graphics graphics;
        graphics.createFromHDC(memoryDC);
        drawRoundedOutline(graphics, 0, 0, float(size.cx - 1), float(size.cy - 1), 5, toArgb(0x000000, 40));
        drawRoundedOutline(graphics, 1, 1, float(size.cx - 3), float(size.cy - 3), 3, toArgb(0xFFFFFF, 100));
    }
    return memoryDC;
}

// Copies (0, 0, w, h) of a memory DC onto the component's clipped DC.
void copyToComponent(HWND hwnd, HDC memoryDC, SIZE size) {
    HDC dc = getClippedDC(hwnd);
    if (!dc) return;
    BitBlt(dc, 0, 0, size.cx, size.cy, memoryDC, 0, 0, SRCCOPY);
    ReleaseDC(hwnd, dc);
}

// ---- the component window procedure --------------------------------------------------

LRESULT passOnComponent(const ComponentRef& c, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const WNDPROC previous = c.entry ? c.entry->oldWndProc : propHandle<WNDPROC>(hwnd, kPropOldProc);
    if (!previous) return DefWindowProcA(hwnd, msg, wParam, lParam);
    return CallWindowProcA(previous, hwnd, msg, wParam, lParam);
}

LRESULT onComponentPaint(const ComponentRef& c, HWND hwnd) {
    {
        gdi::PaintDC paint(hwnd);
        if (c.entry->dirty)
            renderComponent(c.ownerIndex, c.position, paint.get());
        else
            paintComponent(c.ownerIndex, c.position, hwnd);
    }
    return DefWindowProcA(hwnd, WM_PAINT, 0, 0);
}

LRESULT onComponentShow(const ComponentRef& c, HWND hwnd, WPARAM wParam, LPARAM lParam) {
    passOnComponent(c, hwnd, WM_SHOWWINDOW, wParam, lParam);
    // The previous procedure may have ended the window or its record.
    const ComponentRef again = skinnedComponentOf(hwnd);
    if (again.entry && again.entry->enabled) renderComponent(again.ownerIndex, again.position, nullptr);
    return DefWindowProcA(hwnd, WM_SHOWWINDOW, wParam, lParam);
}

// The item is copied with ReadProcessMemory so a bad pointer is only a failed
// copy.
void onComponentDrawItem(const ComponentRef& c, LPARAM lParam) {
    DRAWITEMSTRUCT item{};
    SIZE_T copied = 0;
    if (ReadProcessMemory(GetCurrentProcess(), reinterpret_cast<const void*>(lParam), &item, sizeof item, &copied) &&
        copied == sizeof item)
        drawButtonItem(c.ownerIndex, item);
}

// The veiled brush for a control on the component; without a background to
// show, the previous procedure answers.
LRESULT answerVeiled(const ComponentRef& c, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const HBRUSH brush = veiledControlBrush(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    return brush ? reinterpret_cast<LRESULT>(brush) : passOnComponent(c, hwnd, msg, wParam, lParam);
}

LRESULT onComponentCtlColor(const ComponentRef& c, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const HWND control = reinterpret_cast<HWND>(lParam);
    const HDC dc = reinterpret_cast<HDC>(wParam);
    if (!controlBackgroundsOn()) return passOnComponent(c, hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_CTLCOLOREDIT:
        if (windowClassName(GetParent(control)) == "ComboBox") break;
        return answerVeiled(c, hwnd, msg, wParam, lParam);
    case WM_CTLCOLORSTATIC:
        return answerVeiled(c, hwnd, msg, wParam, lParam);
    case WM_CTLCOLORLISTBOX:
        if (windowClassName(control) != "ListBox" || isOwnerDrawnListBox(control)) break;
        return reinterpret_cast<LRESULT>(hollowControlBrush(dc, control));
    case WM_CTLCOLORBTN:
        return reinterpret_cast<LRESULT>(hollowControlBrush(dc, control));
    default:
        break;
    }
    return passOnComponent(c, hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK componentWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const ComponentRef c = skinnedComponentOf(hwnd);
    if (!c.entry) return passOnComponent(c, hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_MOVE:
        if (c.entry->enabled && c.entry->fillAlpha != kOpaque) InvalidateRect(hwnd, nullptr, FALSE);
        break;
    case WM_SIZE:
        c.entry->dirty = 1;
        layoutComponentPages(c.ownerIndex, c.position);
        break;
    case WM_PAINT:
        if (c.entry->enabled) return onComponentPaint(c, hwnd);
        break;
    case WM_ERASEBKGND:
        if (!c.entry->enabled) break;
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return 1;
    case WM_SHOWWINDOW:
        if (wParam == TRUE) return onComponentShow(c, hwnd, wParam, lParam);
        break;
    case WM_DRAWITEM:
        onComponentDrawItem(c, lParam);
        break;
    case WM_NOTIFY:
        repaintExpandedTree(lParam);
        break;
    case WM_COMMAND:
        repaintChangedControl(wParam, lParam);
        break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
        return onComponentCtlColor(c, hwnd, msg, wParam, lParam);
    default:
        break;
    }
    return passOnComponent(c, hwnd, msg, wParam, lParam);
}

// ---- the transparent-component window procedure -------------------------------------

LRESULT passOnTransparent(const TransparentComponent* entry, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const WNDPROC previous = entry ? entry->oldWndProc : propHandle<WNDPROC>(hwnd, kPropComponentProc);
    if (!previous) return DefWindowProcA(hwnd, msg, wParam, lParam);
    return CallWindowProcA(previous, hwnd, msg, wParam, lParam);
}

// Controls that paint into a DC handed to them in wParam.
bool paintsIntoGivenDC(const std::string& kind) {
    return kind == "SysMonthCal32" || kind == "SysTabControl32" || kind == "ToolbarWindow32" ||
           kind == "msctls_statusbar32" || kind == "Button" || kind == "msctls_trackbar32";
}

// The control draws itself into a copy of its background; its key colour is
// then cut out of that drawing and the rest laid over the veiled background.
LRESULT paintThroughMemory(const TransparentComponent& entry, HWND hwnd) {
    const SIZE size = clientSize(hwnd);
    HDC drawn = backgroundSnapshot(hwnd, veilRect(hwnd));
    if (!drawn) return passOnTransparent(&entry, hwnd, WM_PAINT, 0, 0);
    LRESULT result = 0;
    {
        gdi::PaintDC paint(hwnd);
        result = passOnTransparent(&entry, hwnd, WM_PAINT, reinterpret_cast<WPARAM>(drawn), 0);
        HDC veiled = veiledBackgroundDC(hwnd);
        if (veiled) {
            TransparentBlt(veiled, 0, 0, size.cx, size.cy, drawn, 0, 0, size.cx, size.cy, entry.keyColour);
            BitBlt(paint.get(), 0, 0, size.cx, size.cy, veiled, 0, 0, SRCCOPY);
            releaseMemoryDC(veiled);
        }
    }
    releaseMemoryDC(drawn);
    return result;
}

// The control paints itself on screen; what it painted in its key colour is
// then replaced by the skinned background.
LRESULT paintOverScreen(const TransparentComponent& entry, HWND hwnd) {
    RECT update{};
    GetUpdateRect(hwnd, &update, FALSE);
    const int w = update.right - update.left, h = update.bottom - update.top;
    HDC background = (w > 0 && h > 0) ? backgroundSnapshot(hwnd, update) : nullptr;
    const LRESULT result = passOnTransparent(&entry, hwnd, WM_PAINT, reinterpret_cast<WPARAM>(background), 0);
    if (background) {
        WindowDC screen(hwnd);
        TransparentBlt(background, 0, 0, w, h, screen.get(), update.left, update.top, w, h, entry.keyColour);
        BitBlt(screen.get(), update.left, update.top, w, h, background, 0, 0, SRCCOPY);
        releaseMemoryDC(background);
    }
    invalidateVisibleChildren(hwnd);
    return result;
}

LRESULT CALLBACK transparentComponentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const TransparentComponent* entry = transparentComponentOf(hwnd);
    if (!entry) return passOnTransparent(entry, hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_MOVE:
        if (skinSettings.controlOpacitySet) InvalidateRect(hwnd, nullptr, FALSE);
        break;
    case WM_ERASEBKGND:
        if (!skinSettings.controlOpacitySet) break;
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return 1;
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (windowClassName(hwnd) == "RichEdit20A") InvalidateRect(hwnd, nullptr, FALSE);
        break;
    case WM_PAINT:
        if (!skinSettings.controlSkinsEnabled) break;
        return paintsIntoGivenDC(windowClassName(hwnd)) ? paintThroughMemory(*entry, hwnd)
                                                        : paintOverScreen(*entry, hwnd);
    default:
        break;
    }
    return passOnTransparent(entry, hwnd, msg, wParam, lParam);
}

} // namespace

// ---- helpers ---------------------------------------------------------------------------

bool isGroupBox(HWND hwnd) {
    return windowClassName(hwnd) == "Button" && (GetWindowLongA(hwnd, GWL_STYLE) & 0x4) != 0;
}

HWND findBackdropWindow(HWND hwnd) {
    for (HWND w = GetParent(hwnd); w; w = GetParent(w))
        if (propValue(w, kPropIsBackdrop) == 1) return w;
    return nullptr;
}

int measureTextWidth(const std::string& text, const std::string& fontFamily, int fontSize, int fontStyle) {
    OwnedDC dc(CreateCompatibleDC(nullptr));
    gdip::Graphics graphics;
    graphics.createFromHDC(dc.get());
    gdip::Font font;
    font.createFromName(fontFamily, float(fontSize), fontStyle);
    const gdip::RectF bounds = graphics.measureString(text, font, gdip::RectF(0, 0, 0, 0));
    return static_cast<int>(std::floor(bounds.Width)) + 1;
}

void renderComponent(int ownerIndex, int position, HDC hdc) {
    SIZE size{};
    HDC memoryDC = renderIntoMemory(ownerIndex, position, size);
    ComponentSkin* entry = componentEntry(ownerIndex, position);
    if (!memoryDC || !entry) return;
    if (hdc)
        BitBlt(hdc, 0, 0, size.cx, size.cy, memoryDC, 0, 0, SRCCOPY);
    else
        copyToComponent(entry->hwnd, memoryDC, size);
    entry->dirty = 0;
    releaseMemoryDC(memoryDC);
}

void paintComponent(int ownerIndex, int position, HWND hwnd) {
    SIZE size{};
    HDC memoryDC = renderIntoMemory(ownerIndex, position, size);
    if (!memoryDC) return;
    copyToComponent(hwnd, memoryDC, size);
    releaseMemoryDC(memoryDC);
    invalidateTransparentChildren(hwnd);
}

void restoreComponentBackground(HWND hwnd, HDC hdc, const RECT& rect) {
    const int w = rect.right - rect.left, h = rect.bottom - rect.top;
    const int ownerIndex = findOwnerRecord(hwnd);
    const WindowRecord* owner = windowRecordAt(ownerIndex);
    if (!owner) return;
    const auto backdrop = propHandle<HWND>(hwnd, kPropComponentBackdrop);
    if (backdrop) {
        const POINT at = offsetInWindow(backdrop, hwnd);
        BitBlt(hdc, rect.left, rect.top, w, h, propHandle<HDC>(backdrop, kPropBackdropDC), at.x + rect.left,
               at.y + rect.top, SRCCOPY);
    } else {
        const POINT at = offsetInOwner(hwnd);
        BitBlt(hdc, rect.left, rect.top, w, h, owner->cacheDC, at.x + rect.left, at.y + rect.top, SRCCOPY);
    }
    const ComponentSkin* entry = componentEntry(ownerIndex, componentSkinIndex(ownerIndex, hwnd));
    if (!entry || entry->fillColour == 0) return;
    gdip::Graphics graphics;
    graphics.createFromHDC(hdc);
    gdip::SolidBrush brush;
    brush.create(toArgb(entry->fillColour, entry->fillAlpha));
    // A group box's fill begins below the middle of its title.
    const int shift = entry->isGroupBox ? 4 : 0;
    graphics.fillRectangle(brush, float(rect.left), float(rect.top + shift), float(w), float(h - shift));
}

void invalidateTransparentChildren(HWND hwnd) {
    for (HWND child = FindWindowExA(hwnd, nullptr, nullptr, nullptr); child;
         child = FindWindowExA(hwnd, child, nullptr, nullptr))
        if (isTransparentWindow(child)) InvalidateRect(child, nullptr, FALSE);
}

void layoutComponentPages(int ownerIndex, int position) {
    const ComponentSkin* entry = componentEntry(ownerIndex, position);
    if (!entry) return;
    const SIZE size = clientSize(entry->hwnd);
    for (const ComponentPage& page : entry->pages)
        if (page.window) MoveWindow(page.window, 2, page.top, size.cx - 4, size.cy - page.top, TRUE);
}

HDC veiledBackgroundDC(HWND hwnd) {
    const RECT r = veilRect(hwnd);
    HDC dc = backgroundSnapshot(hwnd, r);
    if (!dc) return nullptr;
    gdip::Graphics graphics;
    graphics.createFromHDC(dc);
    gdip::SolidBrush veil;
    veil.create(toArgb(0xFFFFFF, static_cast<std::uint8_t>(std::clamp(skinSettings.controlOpacity, 0, 255))));
    graphics.fillRectangle(veil, 0, 0, float(r.right - r.left), float(r.bottom - r.top));
    return dc;
}

// ---- methods ---------------------------------------------------------------------------

void __stdcall SkinEngine::skinComponent(EngineThis self, HWND hwnd, const int* enabled, COLORREF fillColour,
                                         const int* fillAlpha, const int* outlined) {
    (void)self;
    const int ownerIndex = findOwnerRecord(hwnd);
    WindowRecord* owner = windowRecordAt(ownerIndex);
    // A component outside every skinned window has no background to show.
    if (!owner || componentSkinIndex(ownerIndex, hwnd) != 0) return;

    ComponentSkin entry;
    entry.hwnd = hwnd;
    entry.fillColour = fillColour;
    entry.fillAlpha = static_cast<std::uint8_t>(fillAlpha ? *fillAlpha : kOpaque);
    entry.outlined = outlined ? *outlined : 0;
    entry.enabled = enabled ? *enabled : 1;
    if (isGroupBox(hwnd)) {
        entry.isGroupBox = 1;
        const ControlFont font = readControlFont(hwnd);
        entry.fontFamily = font.name;
        entry.fontSize = font.size;
        entry.fontStyle = font.style;
    }
    const int position = addControlEntry(owner->componentSkins, std::move(entry));

    installControlSkins(ownerIndex, hwnd);

    // The installers may have added records' entries, never records: the
    // owner is still where it was.
    ComponentSkin& added = owner->componentSkins[static_cast<std::size_t>(position) - 1];
    added.dirty = 1;
    const LONG_PTR previous =
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&componentWindowProc));
    added.oldWndProc = reinterpret_cast<WNDPROC>(previous);
    setPropValue(hwnd, kPropOldProc, previous);
    setPropValue(hwnd, kPropListIndex, position);
    setPropValue(hwnd, kPropOwnerIndex, ownerIndex);
    setPropHandle(hwnd, kPropComponentBackdrop, findBackdropWindow(hwnd));
}

void __stdcall SkinEngine::registerComponent(EngineThis self, HWND hwnd, const COLORREF* keyColour,
                                             COLORREF fillColour, int fillAlpha) {
    const int ownerIndex = findOwnerRecord(hwnd);
    WindowRecord* owner = windowRecordAt(ownerIndex);
    if (!owner) return;

    TransparentComponent entry;
    entry.hwnd = hwnd;
    entry.keyColour = keyColour ? *keyColour : GetSysColor(COLOR_BTNFACE);
    const LONG_PTR previous =
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&transparentComponentProc));
    entry.oldWndProc = reinterpret_cast<WNDPROC>(previous);
    const int position = addControlEntry(owner->components, std::move(entry));
    setPropValue(hwnd, kPropComponentIndex, position);
    setPropValue(hwnd, kPropComponentOwner, ownerIndex);
    setPropValue(hwnd, kPropComponentProc, previous);

    if (FindWindowExA(hwnd, nullptr, nullptr, nullptr)) {
        const int notEnabled = 0;
        skinComponent(self, hwnd, &notEnabled, fillColour, &fillAlpha, nullptr);
    }
}

} // namespace skin
