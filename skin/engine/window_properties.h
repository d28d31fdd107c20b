// Names of the window properties that link windows and controls to the
// engine's records, and small typed accessors for them.
#pragma once

#include <windows.h>

#include <cstdint>

namespace skin {

// On a skinned top-level window: its record index. On a skinned child
// control: its position in its kind's list of the owner record.
constexpr char kPropListIndex[] = "Hw_lbID";
// On a skinned child control: the owner window's record index.
constexpr char kPropOwnerIndex[] = "Hw_FuID";
// The previous window procedure of a skinned window or control.
constexpr char kPropOldProc[] = "Hw_hProc";
// First bitmap selected into the window's cache DC, and the current one.
constexpr char kPropCacheFirstBitmap[] = "Ck_Ycjdx";
constexpr char kPropCacheBitmap[] = "Ck_wtjbdx";
// On child controls: text colour, and the brush and bitmap last handed out
// for a WM_CTLCOLOR* message.
constexpr char kPropTextColour[] = "Kj_Ztys";
constexpr char kPropBackBrush[] = "Kj_dxjb";
constexpr char kPropBackBitmap[] = "Kj_wtjb";
// On registered components: position in `components`, previous procedure,
// owner's record index.
constexpr char kPropComponentIndex[] = "Kj_lbID";
constexpr char kPropComponentProc[] = "Kj_hProc";
constexpr char kPropComponentOwner[] = "Kj_FuID";
// On a skinned component: the backdrop window found above it, or 0.
constexpr char kPropComponentBackdrop[] = "Mb_zpf";
// Set by windows outside the engine: 1 marks a backdrop window, and its
// memory DC with the rendered background.
constexpr char kPropIsBackdrop[] = "Wxk_Zpf";
constexpr char kPropBackdropDC[] = "Wxk_Cj";

inline std::intptr_t propValue(HWND hwnd, const char* name) {
    return reinterpret_cast<std::intptr_t>(GetPropA(hwnd, name));
}

template <class Handle> Handle propHandle(HWND hwnd, const char* name) {
    return reinterpret_cast<Handle>(GetPropA(hwnd, name));
}

inline void setPropValue(HWND hwnd, const char* name, std::intptr_t value) {
    SetPropA(hwnd, name, reinterpret_cast<HANDLE>(value));
}

template <class Handle> void setPropHandle(HWND hwnd, const char* name, Handle value) {
    SetPropA(hwnd, name, reinterpret_cast<HANDLE>(value));
}

} // namespace skin
