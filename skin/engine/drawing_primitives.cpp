#include "engine/drawing_primitives.h"

#include "engine/skin_settings.h"
#include "engine/window_properties.h"
#include "engine/window_registry.h"

#include <cmath>

namespace skin {

// ---- colour ----------------------------------------------------------------

std::uint32_t toArgb(COLORREF colour, std::uint8_t alpha) {
    const std::uint32_t r = GetRValue(colour), g = GetGValue(colour), b = GetBValue(colour);
    return (std::uint32_t(alpha) << 24) | (r << 16) | (g << 8) | b;
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
    HDC copyDC = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, w, h);
    HGDIOBJ previous = SelectObject(copyDC, bitmap);
    BitBlt(copyDC, 0, 0, w, h, dc, 0, 0, SRCCOPY);
    SelectObject(copyDC, previous);
    DeleteDC(copyDC);
    releaseMemoryDC(dc);
    return bitmap;
}

// ---- geometry ----------------------------------------------------------------

namespace {

constexpr int kAssumedScrollBarSize = 17;

RECT windowRect(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

} // namespace

RECT veilRect(HWND hwnd) {
    const RECT window = windowRect(hwnd);
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
    const RECT b = windowRect(base), r = windowRect(hwnd);
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
