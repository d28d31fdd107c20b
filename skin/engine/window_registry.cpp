#include "engine/window_registry.h"

#include "engine/skin_settings.h"
#include "engine/window_properties.h"

namespace skin {
namespace {

// Deletes the brush and bitmap that the colour-message handling last made
// for an edit field.
void deleteEditFieldBrush(const EditEntry& entry) {
    DeleteObject(propHandle<HGDIOBJ>(entry.hwnd, kPropBackBitmap));
    DeleteObject(propHandle<HGDIOBJ>(entry.hwnd, kPropBackBrush));
}

// Puts the first bitmap back into a memory DC, deletes the one that comes
// out and the DC itself.
HGDIOBJ dismantleMemoryDC(HDC dc, HGDIOBJ firstBitmap) {
    HGDIOBJ current = SelectObject(dc, firstBitmap);
    DeleteObject(current);
    DeleteDC(dc);
    return current;
}

void releaseCacheSurfaces(const WindowRecord& record) {
    HGDIOBJ deselected = dismantleMemoryDC(record.cacheDC, propHandle<HGDIOBJ>(record.hwnd, kPropCacheFirstBitmap));
    // "Ck_wtjbdx" normally names the bitmap just deleted; a handle is
    // never deleted twice.
    auto cacheBitmap = propHandle<HGDIOBJ>(record.hwnd, kPropCacheBitmap);
    if (cacheBitmap != deselected) DeleteObject(cacheBitmap);

    deselected = dismantleMemoryDC(record.captionCacheDC, record.captionCacheOldBitmap);
    if (record.captionCacheBitmap != deselected) DeleteObject(record.captionCacheBitmap);

    deselected = dismantleMemoryDC(record.bottomBarCacheDC, record.bottomBarCacheOldBitmap);
    if (record.bottomBarCacheBitmap != deselected) DeleteObject(record.bottomBarCacheBitmap);
}

template <class Entry> void setOwnerIndex(const std::vector<Entry>& list, const char* property, int index) {
    for (const Entry& entry : list) setPropValue(entry.hwnd, property, index);
}

// Stores a record's new index on the window and on every child of its lists,
// blank entries included.
void renumberRecord(const WindowRecord& record, int index) {
    setPropValue(record.hwnd, kPropListIndex, index);
    setOwnerIndex(record.scrolledControls, kPropOwnerIndex, index);
    setOwnerIndex(record.buttons, kPropOwnerIndex, index);
    setOwnerIndex(record.editFields, kPropOwnerIndex, index);
    setOwnerIndex(record.comboBoxes, kPropOwnerIndex, index);
    setOwnerIndex(record.listViews, kPropOwnerIndex, index);
    setOwnerIndex(record.upDowns, kPropOwnerIndex, index);
    setOwnerIndex(record.trackbars, kPropOwnerIndex, index);
    setOwnerIndex(record.progressBars, kPropOwnerIndex, index);
    setOwnerIndex(record.componentSkins, kPropOwnerIndex, index);
    setOwnerIndex(record.components, kPropComponentOwner, index);
}

} // namespace

int findWindowRecord(HWND hwnd) {
    const auto& records = skinSettings.windowRecords;
    for (std::size_t i = 0; i < records.size(); ++i)
        if (records[i]->hwnd == hwnd) return static_cast<int>(i + 1);
    return 0;
}

WindowRecord* windowRecordAt(int index) {
    auto& records = skinSettings.windowRecords;
    if (index < 1 || static_cast<std::size_t>(index) > records.size()) return nullptr;
    return records[static_cast<std::size_t>(index) - 1].get();
}

WindowRecord* windowRecordOf(HWND hwnd) {
    return windowRecordAt(static_cast<int>(propValue(hwnd, kPropListIndex)));
}

void unregisterWindow(HWND hwnd) {
    const int index = findWindowRecord(hwnd);
    if (index == 0) return;
    auto& records = skinSettings.windowRecords;
    const WindowRecord& record = *records[static_cast<std::size_t>(index) - 1];

    for (const EditEntry& entry : record.editFields) deleteEditFieldBrush(entry);
    releaseCacheSurfaces(record);

    records.erase(records.begin() + (index - 1));

    for (std::size_t i = 0; i < records.size(); ++i) renumberRecord(*records[i], static_cast<int>(i + 1));
}

} // namespace skin
