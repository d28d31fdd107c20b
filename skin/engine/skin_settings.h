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
// An accent colour given as this (-1) follows the background colour.
constexpr COLORREF kFollowBackground = 0xFFFFFFFF;

// How the background picture is placed in a window's client area.
enum BackgroundPlacement {
    PlaceLeftFaded = 0,    // faded right and bottom, natural size at the top left
    PlaceRightFaded = 1,   // faded left and bottom, natural size at the top right
    PlaceCentred = 2,      // natural size, centred
    PlaceStretched = 3,    // stretched over the client area
    PlaceMirrorTiled = 4,  // a strip of copies along the top, every second one mirrored
};

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
