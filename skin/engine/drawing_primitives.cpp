#include "engine/drawing_primitives.h"

#include "engine/gdi_handles.h"
#include "engine/skin_settings.h"
#include "engine/window_properties.h"
#include "engine/window_registry.h"

#include "gdiplus/gdip.h"

#include <algorithm>
#include <cmath>

namespace skin {

// ---- colour ----------------------------------------------------------------

std::uint32_t toArgb(COLORREF colour, std::uint8_t alpha) {
    const std::uint32_t r = GetRValue(colour), g = GetGValue(colour), b = GetBValue(colour);
    return (std::uint32_t(alpha) << 24) | (r << 16) | (g << 8) | b;
}

// ---- paths ---------------------------------------------------------------------

void addRoundedRectPath(gdip::GraphicsPath& path, float x, float y, float w, float h, int corner) {
    const float c = static_cast<float>(std::clamp(corner, 1, 100));
    const float right = x + w, bottom = y + h;
    path.addArc(right - c, y, c, c, 270, 90);
    // The bottom-right arc is one unit larger and one unit further up and left.
    path.addArc(right - c - 1, bottom - c - 1, c + 1, c + 1, 0, 90);
    path.addArc(x, bottom - c, c, c, 90, 90);
    path.addArc(x, y, c, c, 180, 90);
    path.closeFigure();
}

void addTopRoundedPath(gdip::GraphicsPath& path, int x, int y, int w, int h, int r) {
    const float fx = float(x), fy = float(y), fw = float(w), fh = float(h), fr = float(r);
    path.addLine(fx, fy + fh, fx, fy + fr);
    path.addArc(fx, fy, fr, fr, 180, 90);
    path.addLine(fx + fr, fy, fx + fw - fr, fy);
    path.addArc(fx + fw - fr, fy, fr, fr, 270, 90);
    path.addLine(fx + fw, fy + fr, fx + fw, fy + fh);
}

void addTopRightRoundedPath(gdip::GraphicsPath& path, int x, int y, int w, int h, int r) {
    const float fx = float(x), fy = float(y), fw = float(w), fh = float(h), fr = float(r);
    path.addLine(fx, fy + fh, fx, fy);
    path.addLine(fx, fy, fx + fw - fr, fy);
    path.addArc(fx + fw - fr, fy, fr, fr, 270, 90);
    path.addLine(fx + fw, fy + fr, fx + fw, fy + fh);
}

// ---- memory DCs --------------------------------------------------------------

namespace {

std::vector<MemoryDCEntry>::iterator findMemoryDC(HDC dc) {
    auto& list = skinSettings.memoryDCs;
    for (auto it = list.begin(); it != list.end(); ++it)
        if (it->dc == dc) return it;
    return list.end();
}

} // namespace

void registerMemoryDC(HDC dc, HBITMAP bitmap, HGDIOBJ oldBitmap) {
    auto it = findMemoryDC(dc);
    if (it != skinSettings.memoryDCs.end()) {
        it->bitmap = bitmap;
        it->oldBitmap = oldBitmap;
        return;
    }
    skinSettings.memoryDCs.push_back(MemoryDCEntry{dc, bitmap, oldBitmap});
}

bool releaseMemoryDC(HDC dc) {
    if (!dc) return false;
    auto it = findMemoryDC(dc);
    if (it == skinSettings.memoryDCs.end()) return false;
    DeleteObject(SelectObject(dc, it->oldBitmap));
    DeleteDC(dc);
    skinSettings.memoryDCs.erase(it);
    return true;
}

HBITMAP bitmapFromDC(HDC dc, int w, int h) {
    GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(dc, w, h));
    {
        OwnedDC copyDC(CreateCompatibleDC(nullptr));
        SelectedObject selected(copyDC.get(), bitmap.get());
        BitBlt(copyDC.get(), 0, 0, w, h, dc, 0, 0, SRCCOPY);
    }
    releaseMemoryDC(dc);
    return bitmap.release();
}

// ---- geometry ----------------------------------------------------------------

namespace {

constexpr int kAssumedScrollBarSize = 17;

} // namespace

RECT windowRectOf(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

RECT clientRectOf(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    return r;
}

std::string windowText(HWND hwnd) {
    const int length = GetWindowTextLengthA(hwnd);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(hwnd, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

RECT veilRect(HWND hwnd) {
    const RECT window = windowRectOf(hwnd);
    RECT client{};
    GetClientRect(hwnd, &client);
    const int w = window.right - window.left, h = window.bottom - window.top;
    const int cw = client.right - client.left, ch = client.bottom - client.top;
    const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    const int extentX = cw + ((style & WS_VSCROLL) ? kAssumedScrollBarSize : 0);
    const int extentY = ch + ((style & WS_HSCROLL) ? kAssumedScrollBarSize : 0);
    const int left = static_cast<int>(std::floor((w - extentX) / 2.0));
    const int top = static_cast<int>(std::floor((h - extentY) / 2.0));
    return RECT{left, top, left + cw, top + ch};
}

POINT offsetInWindow(HWND base, HWND hwnd) {
    const RECT b = windowRectOf(base), r = windowRectOf(hwnd);
    return POINT{r.left - b.left, r.top - b.top};
}

POINT offsetInRoot(HWND hwnd) { return offsetInWindow(GetAncestor(hwnd, GA_ROOT), hwnd); }

POINT offsetInOwner(HWND hwnd) {
    if (findWindowRecord(hwnd) != 0) return POINT{0, 0};
    const WindowRecord* owner = windowRecordAt(findOwnerRecord(hwnd));
    return offsetInWindow(owner ? owner->hwnd : nullptr, hwnd);
}

// ---- lookups -----------------------------------------------------------------

int findOwnerRecord(HWND hwnd) {
    for (HWND w = GetParent(hwnd); w; w = GetParent(w))
        if (int index = findWindowRecord(w)) return index;
    return 0;
}

int componentSkinIndex(int recordIndex, HWND hwnd) {
    const WindowRecord* record = windowRecordAt(recordIndex);
    if (!record || !hwnd) return 0;
    const auto& list = record->componentSkins;
    for (std::size_t j = 0; j < list.size(); ++j)
        if (list[j].hwnd == hwnd) return static_cast<int>(j + 1);
    return 0;
}

int enclosingComponentSkin(int recordIndex, HWND hwnd, HWND stop) {
    const WindowRecord* record = windowRecordAt(recordIndex);
    if (!record) return 0;
    const auto& list = record->componentSkins;
    for (HWND w = GetParent(hwnd); w; w = GetParent(w)) {
        if (w == stop) return 0;
        for (std::size_t j = 0; j < list.size(); ++j)
            if (list[j].hwnd == w && list[j].enabled != 0) return static_cast<int>(j + 1);
    }
    return 0;
}

namespace {

bool isBackdropWindow(HWND hwnd) { return propValue(hwnd, kPropIsBackdrop) == 1; }

} // namespace

BackgroundSource locateBackgroundSource(HWND hwnd, bool checkBackdrop) {
    BackgroundSource source;
    if (checkBackdrop && isBackdropWindow(hwnd)) {
        source.backdrop = hwnd;
        return source;
    }
    if (int index = findWindowRecord(hwnd)) {
        source.recordIndex = index;
        source.found = true;
        return source;
    }
    const auto& records = skinSettings.windowRecords;
    for (HWND w = GetParent(hwnd); w; w = GetParent(w)) {
        if (checkBackdrop && isBackdropWindow(w)) {
            source.backdrop = w;
            return source;
        }
        for (std::size_t i = 0; i < records.size(); ++i) {
            const WindowRecord& record = *records[i];
            if (record.hwnd == w) {
                source.recordIndex = static_cast<int>(i + 1);
                source.found = true;
                return source;
            }
            for (std::size_t j = 0; j < record.componentSkins.size(); ++j) {
                if (record.componentSkins[j].hwnd != w) continue;
                const auto componentBackdrop = propHandle<HWND>(w, kPropComponentBackdrop);
                if (checkBackdrop && componentBackdrop) {
                    source.backdrop = componentBackdrop;
                } else {
                    source.recordIndex = static_cast<int>(i + 1);
                    source.componentPosition = static_cast<int>(j + 1);
                }
                return source;
            }
        }
    }
    return source;
}

// ---- background copies -----------------------------------------------------------

namespace {

// A registered memory DC over a new 32-bit surface of w x h that starts as
// all zero bytes (transparent black). Without a usable surface (w or h not
// positive) the DC is registered all the same and must be released. 0, with
// nothing registered, when no DC can be made.
HDC makeSnapshotSurface(int w, int h) {
    GdiObject<HBITMAP> surface;
    {
        gdip::Bitmap bitmap;
        if (bitmap.create(w, h, PixelFormat32bppARGB)) surface.reset(bitmap.getHBITMAP(0));
    }
    OwnedDC dc(CreateCompatibleDC(nullptr));
    if (!dc) return nullptr;
    HGDIOBJ previous = surface ? SelectObject(dc.get(), surface.get()) : nullptr;
    registerMemoryDC(dc.get(), surface.release(), previous);
    return dc.release();
}

void copyInto(HDC dc, const RECT& rect, HDC source, POINT offset) {
    BitBlt(dc, 0, 0, rect.right - rect.left, rect.bottom - rect.top, source, offset.x + rect.left,
           offset.y + rect.top, SRCCOPY);
}

// Lays a component's translucent fill over the copy: rounded from 5 pixels
// down for a group box when its shape is allowed, else the whole copy.
void fillComponent(HDC dc, const RECT& rect, const ComponentSkin& entry, bool groupBoxShape) {
    gdip::GraphicsPath path;
    path.createPath();
    if (groupBoxShape && entry.isGroupBox != 0)
        addRoundedRectPath(path, 0, 5, float(rect.right), float(rect.bottom - 6), 5);
    else
        path.addRectangle(0, 0, float(rect.right - rect.left), float(rect.bottom - rect.top));
    gdip::Graphics graphics;
    graphics.createFromHDC(dc);
    gdip::SolidBrush brush;
    brush.create(toArgb(entry.fillColour, entry.fillAlpha));
    graphics.fillPath(brush, path);
}

const ComponentSkin* componentAt(int recordIndex, int position) {
    WindowRecord* record = windowRecordAt(recordIndex);
    return record ? entryAt(record->componentSkins, position) : nullptr;
}

HDC cacheOf(int recordIndex) {
    const WindowRecord* record = windowRecordAt(recordIndex);
    return record ? record->cacheDC : nullptr;
}

HDC backdropDC(HWND backdrop) { return propHandle<HDC>(backdrop, kPropBackdropDC); }

// A backdrop window's fill counts only with a positive colour value.
bool hasBackdropFill(const ComponentSkin* entry) {
    return entry && static_cast<std::int32_t>(entry->fillColour) > 0;
}

} // namespace

HDC backgroundSnapshot(HWND hwnd, const RECT& rect) {
    const BackgroundSource source = locateBackgroundSource(hwnd, true);
    int r = source.recordIndex;
    int k = source.componentPosition;

    // A window with no backdrop above it and no skinned ancestor has no
    // background: nothing is made, so nothing stays registered.
    const bool noBackdrop = !source.found && !source.backdrop;
    if (noBackdrop && r == 0) {
        r = findOwnerRecord(hwnd);
        if (r == 0) return nullptr;
    }

    HDC dc = makeSnapshotSurface(rect.right - rect.left, rect.bottom - rect.top);
    if (!dc) return nullptr;

    if (source.found) {
        copyInto(dc, rect, cacheOf(r), offsetInOwner(hwnd));
        const ComponentSkin* entry = componentAt(r, componentSkinIndex(r, hwnd));
        if (entry && entry->fillColour != 0) fillComponent(dc, rect, *entry, true);
    } else if (source.backdrop == hwnd) {
        const auto sourceWindow = propHandle<HWND>(hwnd, kPropComponentBackdrop);
        if (sourceWindow) {
            copyInto(dc, rect, backdropDC(sourceWindow), offsetInWindow(sourceWindow, hwnd));
        } else if (int owner = findOwnerRecord(hwnd)) {
            copyInto(dc, rect, cacheOf(owner), offsetInRoot(hwnd));
        }
    } else if (source.backdrop) {
        copyInto(dc, rect, backdropDC(source.backdrop), offsetInWindow(source.backdrop, hwnd));
        if (r == 0) r = findOwnerRecord(hwnd);
        if (r == 0) return dc;
        k = componentSkinIndex(r, hwnd);
        if (k >= 1) {
            const ComponentSkin* entry = componentAt(r, k);
            if (hasBackdropFill(entry)) fillComponent(dc, rect, *entry, true);
        } else {
            const ComponentSkin* entry = componentAt(r, enclosingComponentSkin(r, hwnd, source.backdrop));
            if (hasBackdropFill(entry)) fillComponent(dc, rect, *entry, false);
        }
    } else {
        if (int own = componentSkinIndex(r, hwnd)) k = own;
        copyInto(dc, rect, cacheOf(r), offsetInRoot(hwnd));
        const ComponentSkin* entry = componentAt(r, k);
        if (entry && entry->fillColour != 0) fillComponent(dc, rect, *entry, false);
    }
    return dc;
}

HBITMAP makeVeiledBackground(HWND hwnd) {
    const RECT r = veilRect(hwnd);
    const int w = r.right - r.left, h = r.bottom - r.top;
    HDC dc = backgroundSnapshot(hwnd, r);
    if (!dc) return nullptr;
    {
        gdip::Graphics graphics;
        graphics.createFromHDC(dc);
        gdip::SolidBrush brush;
        brush.create(toArgb(0xFFFFFF, static_cast<std::uint8_t>(std::clamp(skinSettings.controlOpacity, 0, 255))));
        graphics.fillRectangle(brush, 0, 0, float(w), float(h));
    }
    return bitmapFromDC(dc, w, h);
}

// ---- window tests --------------------------------------------------------------

std::string windowClassName(HWND hwnd) {
    char buffer[256] = {};
    GetClassNameA(hwnd, buffer, 255);
    return buffer;
}

bool isOwnerDrawnListBox(HWND hwnd) {
    if (windowClassName(hwnd) != "ListBox") return false;
    const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    return (style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0;
}

bool isAutoRadioButton(HWND hwnd) {
    const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    return (style & 0x2) == 0 && (style & 0x4) == 0 && (style & 0x1) != 0 && (style & 0x8) != 0;
}

} // namespace skin
