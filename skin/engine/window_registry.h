// The registry of skinned top-level windows: one WindowRecord per window in
// skinSettings.windowRecords, found through window properties.
#pragma once

#include "engine/control_entries.h"
#include "gdiplus/tooltip.h"

#include <windows.h>

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace skin {

enum CaptionButtonKind { CloseButton = 0, MaximizeButton = 1, MinimizeButton = 2, MenuButton = 3, HelpButton = 4 };

struct FloatRect {
    float x = 0, y = 0, width = 0, height = 0;
};

struct CaptionButton {
    int width = 0;   // 26, 38 for the close button
    int height = 0;  // 18
    Bytes image;     // glyph (PNG)
    Bytes altImage;  // maximise button: the restore glyph
    int kind = CloseButton;
    std::string tooltip;
    FloatRect rect;  // client coordinates, set by the caption-button layout
};

// A caption button fading into or out of its hover look.
struct FadeState {
    int button = 0;  // 1-based, 0 none
    int step = 0;    // 0..8
};

// Everything the engine knows about one skinned top-level window. Boolean
// fields hold 0 or 1. The member initialisers are the values a record has
// before skinWindow fills in the window's own ones. Every control list
// except captionButtons starts with one blank entry (handle 0).
struct WindowRecord {
    HWND hwnd = nullptr;
    int captionHeight = 25;
    int helpButton = 0;
    int menuButton = 0;
    int minimizeButton = 0;
    int maximizeButton = 0;
    int closeButton = 1;
    int showCaptionText = 1;
    int captionGloss = 0;
    WNDPROC oldWindowProc = nullptr;
    Bytes ownPicture;
    int ownPlacement = 0;
    COLORREF ownColour = 0;
    std::vector<CaptionButton> captionButtons;
    int buttonStripX = 0;
    int buttonStripY = 0;
    int buttonStripWidth = 0;
    int buttonStripHeight = 22;
    HBITMAP captionCacheOldBitmap = nullptr;
    HBITMAP captionCacheBitmap = nullptr;
    HBITMAP bottomBarCacheOldBitmap = nullptr;
    HBITMAP bottomBarCacheBitmap = nullptr;
    int maximized = 0;
    int minimized = 0;
    int minTrackWidth = 200;
    int minTrackHeight = 150;
    int maxTrackWidth = 0;
    int maxTrackHeight = 0;
    int resizable = 1;
    int framed = 1;
    COLORREF captionTextColour = 0xFFFFFF;
    COLORREF captionGlowColour = 0x808080;
    std::string captionFontName = "宋体";
    int captionFontSize = 12;
    int captionFontStyle = 1;
    int hoverButton = 0;
    int hotControlKind = 0;
    HWND hotControlParent = nullptr;
    // Tooltips of the caption buttons, one tool per button.
    gdip::ToolTip toolTip;
    int bottomBarHeight = 0;
    IntRect bottomBarRect;
    std::vector<BottomBarItem> bottomBarItems = std::vector<BottomBarItem>(1);
    std::vector<IntRect> bottomBarItemRects = std::vector<IntRect>(1);
    // Set only when a bottom bar is made.
    int bottomBarFontStyle = 0;
    COLORREF bottomBarTextColour = 0;
    std::string bottomBarFontName;
    int bottomBarFontSize = 0;
    std::vector<ButtonEntry> buttons = std::vector<ButtonEntry>(1);
    std::vector<EditEntry> editFields = std::vector<EditEntry>(1);
    std::vector<ListTypeSkin> scrolledControls = std::vector<ListTypeSkin>(1);
    std::vector<TrackbarSkin> trackbars = std::vector<TrackbarSkin>(1);
    std::vector<ProgressSkin> progressBars = std::vector<ProgressSkin>(1);
    std::vector<ComboEntry> comboBoxes = std::vector<ComboEntry>(1);
    std::vector<UpDownSkin> upDowns = std::vector<UpDownSkin>(1);
    std::vector<HeaderSkin> listViews = std::vector<HeaderSkin>(1);
    std::vector<TransparentComponent> components = std::vector<TransparentComponent>(1);
    int cacheDirty = 0;
    HDC cacheDC = nullptr;
    HDC captionCacheDC = nullptr;
    HDC bottomBarCacheDC = nullptr;
    int hotControl = 0;
    int controlUnderMouse = 0;
    std::vector<ComponentSkin> componentSkins = std::vector<ComponentSkin>(1);
    int mouseInside = 0;
    FadeState fadeIn;
    FadeState fadeOut;
    int hoverTimerOn = 0;
};

// 1-based index of the first record whose hwnd is the handle, 0 when none.
int findWindowRecord(HWND hwnd);

// The record at a 1-based index, nullptr outside the registry. Records are
// held by pointer, so a record stays where it is while others are added or
// removed; a caller that may have destroyed a window (SendMessage of a
// close, for example) must look its record up again afterwards.
WindowRecord* windowRecordAt(int index);

// The record of a skinned top-level window, through its "Hw_lbID".
WindowRecord* windowRecordOf(HWND hwnd);

// Adds a control to one of a record's lists: the entry goes into the blank
// first entry while the list holds exactly that one blank entry (handle 0),
// otherwise it is appended. Returns the entry's 1-based position, which the
// caller stores as the control's "Hw_lbID" (or "Kj_lbID").
template <class Entry> int addControlEntry(std::vector<Entry>& list, Entry entry) {
    if (list.size() == 1 && list.front().hwnd == nullptr) {
        list.front() = std::move(entry);
        return 1;
    }
    list.push_back(std::move(entry));
    return static_cast<int>(list.size());
}

// The entry at a 1-based position of a list, nullptr outside it.
template <class Entry> Entry* entryAt(std::vector<Entry>& list, int position) {
    if (position < 1 || static_cast<std::size_t>(position) > list.size()) return nullptr;
    return &list[static_cast<std::size_t>(position) - 1];
}

// Removes the window's record on WM_NCDESTROY: deletes the edit fields'
// background brushes and the record's cache surfaces, drops the record and
// renumbers the properties of every remaining record and its children.
void unregisterWindow(HWND hwnd);

} // namespace skin
