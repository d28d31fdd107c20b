// The engine's process-wide settings and lists.
#pragma once

#include "engine/control_entries.h"
#include "engine/window_registry.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace skin {

// A memory DC handed out by backgroundSnapshot and not yet released.
struct MemoryDCEntry {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;  // created for the DC and selected into it
    HGDIOBJ oldBitmap = nullptr;
};

constexpr COLORREF kDefaultAccentColour = 0xDDCA22;
constexpr int kDefaultControlOpacity = 160;

struct SkinSettings {
    std::uintptr_t gdiplusToken = 0;
    HICON appIcon = nullptr;
    // Cleared by the first WM_SIZE of any skinned window.
    bool firstSizePending = true;
    // Master switch of the control skins.
    bool controlSkinsEnabled = true;
    // Alpha of the white veil over the background inside controls.
    int controlOpacity = kDefaultControlOpacity;
    bool controlOpacitySet = false;
    int trackbarFrame = 1;
    COLORREF accentColour = kDefaultAccentColour;
    COLORREF backgroundColour = 0;
    int backgroundPlacement = 0;
    Bytes backgroundPicture;
    std::vector<std::unique_ptr<WindowRecord>> windowRecords;
    std::vector<MemoryDCEntry> memoryDCs;
};

extern SkinSettings skinSettings;

} // namespace skin
