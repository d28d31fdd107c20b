// Button skin: push buttons, check boxes and radio buttons.
//
// Not painted by the skin yet: the installers leave the buttons as they are
// and the owner-draw dispatch draws nothing. The font reader is used by the
// component skins already.
#include "controls/control_skins.h"

#include "engine/gdi_handles.h"
#include "gdiplus/gdip.h"

namespace skin {

void installPushButtons(int /*ownerIndex*/, HWND /*parent*/) {}

void installCheckButtons(int /*ownerIndex*/, HWND /*parent*/) {}

void drawButtonItem(int /*ownerIndex*/, const DRAWITEMSTRUCT& /*item*/) {}

ControlFont readControlFont(HWND control) {
    ControlFont result;
    const auto font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    WindowDC dc(control);
    if (!dc) return result;
    gdip::Font gdipFont;
    if (!gdipFont.createFromDC(dc, font)) return result;
    gdip::FontFamily family;
    if (gdipFont.getFamily(family)) result.name = family.getFamilyName();
    result.size = static_cast<int>(gdipFont.getSize());
    result.style = gdipFont.getStyle();
    return result;
}

} // namespace skin
