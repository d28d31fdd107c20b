// The skin engine object and its method table.
//
// Every method is a __stdcall function whose first parameter is the address
// of a slot holding the engine pointer (what a MessageThunk passes as
// `this`), followed by the method's own arguments; the callee removes them
// all. The table is a plain table of function pointers so that each method
// keeps its fixed position, which the thunks rely on.
#pragma once

#include "engine/control_entries.h"
#include "engine/message_thunk.h"
#include "engine/skin_settings.h"
#include "engine/skin_startup.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace gdip {
class Graphics;
}

namespace skin {

struct SkinEngine;
using EngineThis = SkinEngine* const*;

using DestroyMethod = void(__stdcall*)(EngineThis self);
using FrameWindowProcMethod = LRESULT(__stdcall*)(EngineThis self, HWND hwnd, UINT msg, WPARAM wParam,
                                                  LPARAM lParam);
using CaptionButtonClickedMethod = void(__stdcall*)(EngineThis self, int windowIndex, int buttonIndex);
using DrawButtonSeparatorsMethod = void(__stdcall*)(EngineThis self, int windowIndex, int button,
                                                    gdip::Graphics* graphics);
using RestoreCaptionBackgroundMethod = void(__stdcall*)(EngineThis self, int windowIndex, const RECT* rect);
using DrawCaptionButtonMethod = void(__stdcall*)(EngineThis self, int windowIndex, int button,
                                                 gdip::Graphics* graphics, int graphicsReady, int pressed,
                                                 int alpha);
using DrawButtonHighlightMethod = void(__stdcall*)(EngineThis self, gdip::Graphics* graphics, int windowIndex,
                                                   int button, int alpha);
using CaptionButtonAtMethod = int(__stdcall*)(EngineThis self, int windowIndex, int x, int y);
using MaximizeButtonIndexMethod = int(__stdcall*)(EngineThis self, int windowIndex);
using PresentWindowMethod = void(__stdcall*)(EngineThis self, int windowIndex, HDC dc);
using FrameMouseMethod = void(__stdcall*)(EngineThis self, int windowIndex, LPARAM lParam, const RECT* client);
// `title` null: not given.
using DrawCaptionMethod = void(__stdcall*)(EngineThis self, int windowIndex, gdip::Graphics* graphics,
                                           int graphicsReady, const char* title);
using LayoutCaptionButtonsMethod = void(__stdcall*)(EngineThis self, int windowIndex);
// `items` null: not given.
using SetBottomBarMethod = void(__stdcall*)(EngineThis self, int windowIndex, int height,
                                            const std::vector<BottomBarItem>* items);
using LayoutBottomBarMethod = void(__stdcall*)(EngineThis self, int windowIndex);
// Optional arguments are pointers to their values, null when not given.
using LoadBackgroundMethod = void(__stdcall*)(EngineThis self, const std::string& fileName, const Bytes& picture,
                                              const COLORREF* backColour, const COLORREF* accentColour,
                                              const int* placement);
using SetBackgroundStyleMethod = void(__stdcall*)(EngineThis self, int enableControls, const int* opacity,
                                                  const int* trackbarFrame);
using RenderWindowMethod = void(__stdcall*)(EngineThis self, int windowIndex, HDC dc, int paint);
using DrawBackgroundMethod = void(__stdcall*)(EngineThis self, gdip::Graphics* graphics, int windowIndex);
using DrawBorderMethod = void(__stdcall*)(EngineThis self, int windowIndex, gdip::Graphics* graphics);
using RestoreBottomBarBackgroundMethod = void(__stdcall*)(EngineThis self, int windowIndex, const RECT* rect);
using DrawBottomBarItemMethod = void(__stdcall*)(EngineThis self, int windowIndex, gdip::Graphics* graphics,
                                                 int itemNumber);
// Optional arguments are pointers to their values, null when not given.
using SkinWindowMethod = void(__stdcall*)(EngineThis self, HWND hwnd, const int* captionHeight, const int* framed,
                                          const int* resizable, const int* helpButton, const int* menuButton,
                                          const int* showCaptionText, const int* captionGloss,
                                          const int* bottomBarHeight, const std::vector<BottomBarItem>* bottomBarItems,
                                          const Bytes* ownPicture, const int* ownPlacement);
using SkinComponentMethod = void(__stdcall*)(EngineThis self, HWND hwnd, const int* enabled, COLORREF fillColour,
                                             const int* fillAlpha, const int* outlined);
using RegisterComponentMethod = void(__stdcall*)(EngineThis self, HWND hwnd, const COLORREF* keyColour,
                                                 COLORREF fillColour, int fillAlpha);

// 1-based positions in the method table.
enum MethodPosition {
    kDestroy = 1,
    kFrameWindowProc,
    kCaptionButtonClicked,
    kSkinWindow,
    kLoadBackground,
    kSetBackgroundStyle,
    kRenderWindow,
    kPresentWindow,
    kDrawBackground,
    kDrawBorder,
    kDrawButtonSeparators,
    kRestoreCaptionBackground,
    kRestoreBottomBarBackground,
    kDrawCaptionButton,
    kDrawButtonHighlight,
    kLayoutCaptionButtons,
    kCaptionButtonAt,
    kMaximizeButtonIndex,
    kBeginFrameDrag,
    kUpdateSizingCursor,
    kDrawCaption,
    kSetBottomBar,
    kLayoutBottomBar,
    kDrawBottomBarItem,
    kSkinComponent,
    kRegisterComponent,
    kMethodCount = kRegisterComponent
};

struct SkinEngineMethods {
    DestroyMethod destroy;
    FrameWindowProcMethod frameWindowProc;
    CaptionButtonClickedMethod captionButtonClicked;
    SkinWindowMethod skinWindow;
    LoadBackgroundMethod loadBackground;
    SetBackgroundStyleMethod setBackgroundStyle;
    RenderWindowMethod renderWindow;
    PresentWindowMethod presentWindow;
    DrawBackgroundMethod drawBackground;
    DrawBorderMethod drawBorder;
    DrawButtonSeparatorsMethod drawButtonSeparators;
    RestoreCaptionBackgroundMethod restoreCaptionBackground;
    RestoreBottomBarBackgroundMethod restoreBottomBarBackground;
    DrawCaptionButtonMethod drawCaptionButton;
    DrawButtonHighlightMethod drawButtonHighlight;
    LayoutCaptionButtonsMethod layoutCaptionButtons;
    CaptionButtonAtMethod captionButtonAt;
    MaximizeButtonIndexMethod maximizeButtonIndex;
    FrameMouseMethod beginFrameDrag;
    FrameMouseMethod updateSizingCursor;
    DrawCaptionMethod drawCaption;
    SetBottomBarMethod setBottomBar;
    LayoutBottomBarMethod layoutBottomBar;
    DrawBottomBarItemMethod drawBottomBarItem;
    SkinComponentMethod skinComponent;
    RegisterComponentMethod registerComponent;
};
static_assert(sizeof(SkinEngineMethods) == kMethodCount * sizeof(void*), "one pointer per method");

// Entry address of the method at a 1-based position; nullptr when the
// position is outside the table or the entry is null.
const void* methodEntry(const SkinEngineMethods& table, int position);

// The engine's own table: the methods that live in skin/engine. The controls
// library (skin/controls) makes the complete table by filling its own places
// into a copy of this one and hands it to createSkinEngine.
const SkinEngineMethods& skinEngineMethods();

struct SkinEngine {
    const SkinEngineMethods* methods = nullptr;
    // Window procedure of every skinned top-level window: calls frameWindowProc.
    MessageThunk frameProcThunk;
    // Sizing border and frame margin; 3 once a window has been skinned.
    std::int32_t borderWidth = 0;
    // Caption button under the mouse at the last caption hit test, 0 none.
    std::int32_t hotCaptionButton = 0;
    // Two-argument thunk that calls captionButtonClicked.
    MessageThunk buttonThunk;
    // First code byte of buttonThunk, 0 when it could not be built (which
    // disables caption-button clicks).
    std::uintptr_t buttonThunkEntry = 0;

    // Methods.
    static void __stdcall destroy(EngineThis self);
    // The skinned window procedure (frame_window_proc.cpp).
    static LRESULT __stdcall frameWindowProc(EngineThis self, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static void __stdcall captionButtonClicked(EngineThis self, int windowIndex, int buttonIndex);

    // Caption buttons (caption_buttons.cpp). Buttons are 1-based positions in
    // the record's captionButtons. With graphicsReady 0 a drawing method makes
    // its own graphics on the window's cacheDC and copies what it drew to the
    // window; with 1 it draws into the caller's graphics and copies nothing.
    static void __stdcall drawButtonSeparators(EngineThis self, int windowIndex, int button,
                                               gdip::Graphics* graphics);
    static void __stdcall restoreCaptionBackground(EngineThis self, int windowIndex, const RECT* rect);
    // pressed and alpha 0 stand for "not given".
    static void __stdcall drawCaptionButton(EngineThis self, int windowIndex, int button, gdip::Graphics* graphics,
                                            int graphicsReady, int pressed, int alpha);
    static void __stdcall drawButtonHighlight(EngineThis self, gdip::Graphics* graphics, int windowIndex, int button,
                                              int alpha);
    static int __stdcall captionButtonAt(EngineThis self, int windowIndex, int x, int y);
    static int __stdcall maximizeButtonIndex(EngineThis self, int windowIndex);

    // Frame and caption (frame_and_caption.cpp). `client` is the client
    // rectangle the window procedure read.
    // Moves the window by its caption or sizes it by its frame; returns once
    // the system's move or size loop has ended.
    static void __stdcall beginFrameDrag(EngineThis self, int windowIndex, LPARAM lParam, const RECT* client);
    static void __stdcall updateSizingCursor(EngineThis self, int windowIndex, LPARAM lParam, const RECT* client);
    // The caption icon and title; without a title, the window text.
    static void __stdcall drawCaption(EngineThis self, int windowIndex, gdip::Graphics* graphics, int graphicsReady,
                                      const char* title);
    // Copies the cached rendering onto dc, the visible opaque children
    // excluded. A DC handed in stays the caller's (a paint DC is ended by
    // EndPaint); with dc 0 the window's own DC is taken and released.
    static void __stdcall presentWindow(EngineThis self, int windowIndex, HDC dc);

    // Background picture and window rendering (background_rendering.cpp).
    // Stores the picture that every skinned window draws behind its
    // controls (from the file when fileName is not empty, else the bytes)
    // and renders every visible skinned window again. An accent colour of
    // kFollowBackground makes the accent follow the background colour.
    static void __stdcall loadBackground(EngineThis self, const std::string& fileName, const Bytes& picture,
                                         const COLORREF* backColour, const COLORREF* accentColour,
                                         const int* placement);
    static void __stdcall setBackgroundStyle(EngineThis self, int enableControls, const int* opacity,
                                             const int* trackbarFrame);
    // Renders the window's cache again. With paint 1 the result is also
    // copied to the window through a DC of its own; a DC handed in (the
    // paint DC of WM_PAINT) stays the caller's.
    static void __stdcall renderWindow(EngineThis self, int windowIndex, HDC dc, int paint);
    static void __stdcall drawBackground(EngineThis self, gdip::Graphics* graphics, int windowIndex);
    static void __stdcall drawBorder(EngineThis self, int windowIndex, gdip::Graphics* graphics);
    // Copies a rectangle of the bottom-bar snapshot back into the cache.
    static void __stdcall restoreBottomBarBackground(EngineThis self, int windowIndex, const RECT* rect);
    // itemNumber 0 stands for "not given", which draws item 1.
    static void __stdcall drawBottomBarItem(EngineThis self, int windowIndex, gdip::Graphics* graphics,
                                            int itemNumber);

    // Methods that live in the controls library. The engine reaches them only
    // through `methods`, never by name, so it links without that library.
    static void __stdcall layoutCaptionButtons(EngineThis self, int windowIndex);
    static void __stdcall setBottomBar(EngineThis self, int windowIndex, int height,
                                       const std::vector<BottomBarItem>* items);
    static void __stdcall layoutBottomBar(EngineThis self, int windowIndex);
    // Takes over a top-level window: its record, caption buttons and their
    // tooltips, the control skins of its children and the frame thunk as its
    // procedure (window_skinning.cpp). A window is taken over once.
    static void __stdcall skinWindow(EngineThis self, HWND hwnd, const int* captionHeight, const int* framed,
                                     const int* resizable, const int* helpButton, const int* menuButton,
                                     const int* showCaptionText, const int* captionGloss, const int* bottomBarHeight,
                                     const std::vector<BottomBarItem>* bottomBarItems, const Bytes* ownPicture,
                                     const int* ownPlacement);
    // Container components (group boxes, tab controls, ...) that paint the
    // skinned background under themselves and skin their children, and
    // components made transparent by a key colour (component_skins.cpp).
    static void __stdcall skinComponent(EngineThis self, HWND hwnd, const int* enabled, COLORREF fillColour,
                                        const int* fillAlpha, const int* outlined);
    static void __stdcall registerComponent(EngineThis self, HWND hwnd, const COLORREF* keyColour,
                                            COLORREF fillColour, int fillAlpha);
};

// The engine made by createSkinEngine, nullptr before it or after
// destroySkinEngine.
SkinEngine* theSkinEngine();

} // namespace skin
