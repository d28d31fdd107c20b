// Button skin: push buttons, check boxes and radio buttons of skinned
// windows and of their components.
//
// Each painter draws with GDI+ into a memory DC that starts as the skinned
// background under the button, then copies the result onto the button. The
// owner-draw dispatch reaches push buttons from the skinned window (through
// the reflected WM_DRAWITEM) and from the component skins.
#include "controls/button_skin.h"

#include "engine/drawing_primitives.h"
#include "engine/frame_window_proc.h"
#include "engine/gdi_handles.h"
#include "engine/skin_settings.h"
#include "engine/window_properties.h"
#include "engine/window_registry.h"
#include "gdiplus/gdip.h"

#include <algorithm>
#include <string>
#include <utility>

namespace skin {
namespace {

constexpr char kFallbackFontName[] = "宋体";
constexpr int kFallbackFontSize = 12;
constexpr int kCheckPictureSize = 13;
constexpr COLORREF kDisabledTextColour = 0x808080;
// A label is never made smaller than this to fit its button.
constexpr float kSmallestLabelSize = 6;

// ---- entries -------------------------------------------------------------------------

struct ButtonRef {
    int ownerIndex = 0;
    int position = 0;
    WindowRecord* record = nullptr;
    ButtonEntry* entry = nullptr;
};

// The button's record and entry through its properties; the pointers are
// only good until the next message that may add entries or records.
ButtonRef buttonRef(HWND hwnd) {
    ButtonRef ref;
    ref.ownerIndex = static_cast<int>(propValue(hwnd, kPropOwnerIndex));
    ref.position = static_cast<int>(propValue(hwnd, kPropListIndex));
    ref.record = windowRecordAt(ref.ownerIndex);
    if (ref.record) {
        ButtonEntry* entry = entryAt(ref.record->buttons, ref.position);
        if (entry && entry->hwnd == hwnd) ref.entry = entry;
    }
    return ref;
}

UINT buttonType(HWND button) { return static_cast<UINT>(GetWindowLongA(button, GWL_STYLE)) & 0xF; }

bool isOwnerDrawnStyle(HWND button) {
    const auto style = static_cast<DWORD>(GetWindowLongA(button, GWL_STYLE));
    return (style | 0xB) == style;
}

// Appends (or fills the blank first) entry, subclasses the button and sets its properties.
int adoptButton(WindowRecord& record, int ownerIndex, HWND child, ButtonKind kind) {
    ButtonEntry entry;
    entry.hwnd = child;
    entry.kind = kind;
    entry.text = windowText(child);
    const int position = addControlEntry(record.buttons, std::move(entry));
    setPropValue(child, kPropListIndex, position);
    setPropValue(child, kPropOwnerIndex, ownerIndex);
    const auto previous = reinterpret_cast<WNDPROC>(
        SetWindowLongA(child, GWL_WNDPROC, reinterpret_cast<LONG>(&buttonWindowProc)));
    record.buttons[position - 1].oldWindowProc = previous;
    setPropHandle(child, kPropOldProc, previous);
    return position;
}

// ---- painting ------------------------------------------------------------------------

struct TextLook {
    std::string text;
    std::string fontName;
    int fontSize = 0;
    int fontStyle = 0;
};

// The entry's text and font. A font that was never read (a check box or
// radio button without a font of its own) is drawn in the skins' fixed
// font, so the label never disappears.
TextLook textLookOf(HWND hwnd) {
    TextLook look;
    const ButtonRef ref = buttonRef(hwnd);
    if (!ref.entry) return look;
    look.text = ref.entry->text;
    look.fontName = ref.entry->fontName.empty() ? kFallbackFontName : ref.entry->fontName;
    look.fontSize = ref.entry->fontSize > 0 ? ref.entry->fontSize : kFallbackFontSize;
    look.fontStyle = ref.entry->fontStyle;
    return look;
}

COLORREF textColourOf(HWND hwnd) {
    if (!IsWindowEnabled(hwnd)) return kDisabledTextColour;
    return static_cast<COLORREF>(propValue(hwnd, kPropTextColour));
}

// The label on one line. A label wider than the room it has (up to the
// button's right edge) is drawn in a smaller size that fits, rather than
// wrapped or cut off at the edge.
void drawLabel(gdip::Graphics& graphics, HWND hwnd, Gdiplus::Unit unit, const gdip::RectF& layout, float room,
               Gdiplus::StringAlignment align) {
    const TextLook look = textLookOf(hwnd);
    if (look.text.empty()) return;
    gdip::Font font;
    if (!font.createFromName(look.fontName, float(look.fontSize), look.fontStyle, unit)) return;
    gdip::StringFormat format;
    format.create(Gdiplus::StringFormatFlagsNoWrap);
    // Sizes do not scale the width exactly (glyphs snap to whole pixels), so
    // measure again after each step down.
    float size = float(look.fontSize);
    for (int step = 0; step < 4 && room > 0; ++step) {
        const float width = graphics.measureString(look.text, font, gdip::RectF(0, 0, 0, 0), &format).Width;
        if (width <= room) break;
        if (size <= kSmallestLabelSize) break;
        const float smaller = std::max(kSmallestLabelSize, std::min(size * room / width, size - 0.5f));
        gdip::Font fitting;
        if (!fitting.createFromName(look.fontName, smaller, look.fontStyle, unit)) break;
        font = std::move(fitting);
        size = smaller;
    }
    format.setAlign(align);
    format.setLineAlign(Gdiplus::StringAlignmentCenter);
    gdip::SolidBrush brush;
    brush.create(toArgb(textColourOf(hwnd)));
    graphics.drawString(look.text, font, layout, brush, &format);
}

void fillPath(gdip::Graphics& graphics, const gdip::GraphicsPath& path, std::uint32_t argb) {
    gdip::SolidBrush brush;
    brush.create(argb);
    graphics.fillPath(brush, path);
}

void fillPathGradient(gdip::Graphics& graphics, const gdip::GraphicsPath& path, gdip::PointF from,
                      std::uint32_t fromArgb, gdip::PointF to, std::uint32_t toArgbColour) {
    gdip::LinearGradientBrush brush;
    brush.create(from, to, fromArgb, toArgbColour);
    graphics.fillPath(brush, path);
}

void outlinePath(gdip::Graphics& graphics, const gdip::GraphicsPath& path, std::uint32_t argb) {
    gdip::Pen pen;
    pen.create(argb, 1);
    graphics.drawPath(pen, path);
}

gdip::GraphicsPath roundedRect(float x, float y, float w, float h) {
    gdip::GraphicsPath path;
    path.createPath();
    addRoundedRectPath(path, x, y, w, h, 5);
    return path;
}

COLORREF accent() { return skinSettings.accentColour; }

void drawPushFace(gdip::Graphics& graphics, UINT state, int w, int h) {
    const float fw = float(w), fh = float(h);
    const gdip::GraphicsPath r = roundedRect(0, 0, fw - 1, fh - 1);
    fillPath(graphics, r, toArgb(0xFFFFFF, 120));

    if (state & kButtonDisabled) {
        gdip::SolidBrush grey;
        grey.create(toArgb(0xC0C0C0));
        graphics.fillRectangle(grey, 0, 0, fw, fh);
        gdip::LinearGradientBrush sheen;
        sheen.create(gdip::PointF(0, 0), gdip::PointF(0, fh), toArgb(0xFFFFFF, 50), toArgb(0xFFFFFF, 50));
        sheen.setPresetBlend({toArgb(0xFFFFFF, 50), toArgb(0x000000, 10), toArgb(0xFFFFFF, 50)}, {0.0f, 0.6f, 1.0f});
        graphics.fillPath(sheen, r);
        outlinePath(graphics, r, toArgb(0x000000, 80));
        return;
    }

    fillPathGradient(graphics, r, gdip::PointF(0, 0), toArgb(0xFFFFFF, 0), gdip::PointF(0, fh - 1),
                     toArgb(0x808080, 60));
    gdip::GraphicsPath gloss;
    gloss.createPath();
    addTopRoundedPath(gloss, 0, 0, w - 1, h / 2, 5);
    fillPathGradient(graphics, gloss, gdip::PointF(0, 0), toArgb(0xFFFFFF, 50), gdip::PointF(0, float(h / 2)),
                     toArgb(0xFFFFFF, 10));

    if (state & kButtonHovered) {
        fillPathGradient(graphics, r, gdip::PointF(0, 0), toArgb(accent(), 60), gdip::PointF(0, fh - 1),
                         toArgb(accent(), 10));
        outlinePath(graphics, r, toArgb(accent(), 255));
    } else if (state & kButtonFocused) {
        drawGlowOutline(graphics, r, 3, kButtonGlowColour, 120);
        outlinePath(graphics, r, toArgb(0x000000, 70));
    } else {
        outlinePath(graphics, r, toArgb(0x000000, 120));
    }

    if (state & kButtonPressed) {
        const gdip::GraphicsPath inner = roundedRect(2, 2, fw - 3, fh - 3);
        fillPathGradient(graphics, inner, gdip::PointF(2, 2), toArgb(accent(), 60), gdip::PointF(2, fh - 2),
                         toArgb(0xFFFFFF, 100));
    }
}

void drawRadioFace(gdip::Graphics& graphics, HWND hwnd, UINT state, int h) {
    const float y0 = (float(h) - 12) / 2;
    gdip::Pen outer;
    outer.create(toArgb(0x000000, 200), 1);
    graphics.drawEllipse(outer, 2, y0, 12, 12);

    gdip::GraphicsPath inner;
    inner.createPath();
    inner.addEllipse(3, (float(h) - 11) / 2 + 1, 9, 9);
    outlinePath(graphics, inner, toArgb(0xFFFFFF));
    fillPath(graphics, inner, toArgb(0xFFFFFF));
    fillPathGradient(graphics, inner, gdip::PointF(3, y0 + 1), toArgb(0x000000, 100), gdip::PointF(10, y0 + 11),
                     toArgb(0x000000, 0));

    if (state & kButtonHovered) {
        fillPathGradient(graphics, inner, gdip::PointF(3, y0 + 1), toArgb(accent(), 100), gdip::PointF(11, y0 + 12),
                         toArgb(0x000000, 0));
        drawGlowOutline(graphics, inner, 2, kButtonGlowColour, 30);
    }

    if (SendMessageA(hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED) {
        gdip::GraphicsPath dot;
        dot.createPath();
        dot.addEllipse(5, y0 + 3, 6, 6);
        outlinePath(graphics, dot, toArgb(0x000000, 200));
        gdip::PathGradientBrush shine;
        shine.createFromPath(dot);
        shine.setCenterColour(toArgb(0xFFFFFF, 100));
        shine.setSurroundColours({toArgb(0x808000, 255)});
        graphics.fillPath(shine, dot);
    }
}

// The check-box picture, pixel by pixel: a near-black frame around a warm
// light-grey face that lightens to the right; the marked one has a dark blue
// frame and a two-pixel teal tick.
bool makeCheckPicture(gdip::Bitmap& bitmap, bool marked) {
    constexpr int n = kCheckPictureSize;
    if (!bitmap.create(n, n)) return false;
    const COLORREF frame = marked ? RGB(24, 81, 132) : RGB(3, 3, 3);
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            const bool edge = x == 0 || y == 0 || x == n - 1 || y == n - 1;
            const int t = x - 1;  // 0 .. n - 3 across the face
            const COLORREF face = RGB(235 + (249 - 235) * t / (n - 3), 233 + (246 - 233) * t / (n - 3),
                                      227 + (243 - 227) * t / (n - 3));
            bitmap.setPixel(x, y, toArgb(edge ? frame : face));
        }
    }
    if (marked) {
        static constexpr POINT tick[] = {{3, 6}, {4, 7}, {5, 8}, {6, 7}, {7, 6}, {8, 5}, {9, 4}};
        for (const POINT& p : tick) {
            bitmap.setPixel(p.x, p.y, toArgb(RGB(36, 110, 117)));
            bitmap.setPixel(p.x, p.y - 1, toArgb(RGB(36, 110, 117)));
        }
    }
    return true;
}

Bytes checkPicturePng(bool marked) {
    gdip::Bitmap bitmap;
    if (!makeCheckPicture(bitmap, marked)) return {};
    return bitmap.saveToBytes(gdip::kPngFormat);
}

void drawCheckFace(gdip::Graphics& graphics, HWND hwnd, UINT state, int h) {
    const int y1 = (h - 13) / 2;
    const bool checked = SendMessageA(hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
    gdip::Bitmap picture;
    if (makeCheckPicture(picture, checked))
        graphics.drawImageRect(picture, 0, float(y1), float(kCheckPictureSize), float(kCheckPictureSize));

    if (state & kButtonHovered) {
        gdip::GraphicsPath box;
        box.createPath();
        box.addRectangle(0, float(y1), 13, 13);
        const float top = float((h - 12) / 2);
        fillPathGradient(graphics, box, gdip::PointF(3, top + 1), toArgb(accent(), 100), gdip::PointF(11, top + 12),
                         toArgb(0x000000, 0));
        drawGlowOutline(graphics, box, 2, kButtonGlowColour, 30);
    }
}

// A w x h memory DC holding the background under the button's client area.
class ButtonCanvas {
public:
    ButtonCanvas(HWND hwnd, int w, int h) : w_(w), h_(h) {
        if (w > 0 && h > 0) dc_ = backgroundSnapshot(hwnd, RECT{0, 0, w, h});
    }
    ~ButtonCanvas() {
        if (dc_) releaseMemoryDC(dc_);
    }
    ButtonCanvas(const ButtonCanvas&) = delete;
    ButtonCanvas& operator=(const ButtonCanvas&) = delete;
    HDC dc() const { return dc_; }
    void copyTo(HDC target, int x, int y) const { BitBlt(target, x, y, w_, h_, dc_, 0, 0, SRCCOPY); }

private:
    int w_, h_;
    HDC dc_ = nullptr;
};

// Paints a check box or radio button onto its own DC.
template <class Face> void drawSelfPainted(HWND hwnd, Face face, float textLeft, float textRightMargin) {
    const RECT client = clientRectOf(hwnd);
    const int w = client.right - client.left, h = client.bottom - client.top;
    ButtonCanvas canvas(hwnd, w, h);
    if (!canvas.dc()) return;
    {
        gdip::Graphics graphics;
        if (!graphics.createFromHDC(canvas.dc())) return;
        graphics.setSmoothingMode(Gdiplus::SmoothingModeAntiAlias);
        face(graphics, h);
        drawLabel(graphics, hwnd, Gdiplus::UnitPixel, gdip::RectF(textLeft, 2, float(w) - textRightMargin, float(h)),
                  std::min(float(w) - textRightMargin, float(w) - textLeft - 2), Gdiplus::StringAlignmentNear);
    }
    WindowDC dc(hwnd);
    if (dc) canvas.copyTo(dc, 0, 0);
}

// ---- window procedure ----------------------------------------------------------------

LRESULT passOn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const auto previous = propHandle<WNDPROC>(hwnd, kPropOldProc);
    if (!previous) return DefWindowProcA(hwnd, msg, wParam, lParam);
    return CallWindowProcA(previous, hwnd, msg, wParam, lParam);
}

int kindOf(HWND hwnd) {
    const ButtonRef ref = buttonRef(hwnd);
    return ref.entry ? ref.entry->kind : PushButton;
}

void drawSelfPaintedKind(HWND hwnd, int kind, UINT state) {
    if (kind == RadioButton) drawRadioButton(hwnd, state);
    else if (kind == CheckBox) drawCheckBox(hwnd, state);
}

// Pass on, then draw a check box or radio button in its new state.
LRESULT passOnAndRepaint(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const int kind = kindOf(hwnd);
    if (kind == PushButton) return passOn(hwnd, msg, wParam, lParam);
    passOn(hwnd, msg, wParam, lParam);
    drawSelfPaintedKind(hwnd, kind, kind == RadioButton ? 1 : 0);
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

LRESULT onPaint(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const int kind = kindOf(hwnd);
    if (kind == PushButton) return passOn(hwnd, msg, wParam, lParam);
    {
        gdi::PaintDC paint(hwnd);
        drawSelfPaintedKind(hwnd, kind, 0);
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void setFocused(HWND hwnd, int focused) {
    const ButtonRef ref = buttonRef(hwnd);
    if (ref.entry) ref.entry->focused = focused;
}

void onSetText(HWND hwnd, LPARAM lParam) {
    const ButtonRef ref = buttonRef(hwnd);
    if (ref.entry) ref.entry->text = lParam ? reinterpret_cast<const char*>(lParam) : "";
}

void onMouseMove(HWND hwnd) {
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, hwnd, 0};
    TrackMouseEvent(&track);
    const ButtonRef ref = buttonRef(hwnd);
    if (!ref.record) return;
    ref.record->controlUnderMouse = ref.position;
    const bool enters = ref.record->hotControl != ref.position || ref.record->hotControlKind != 0;
    if (enters) repaintButton(hwnd, 0, true);
    // The painter may have run other code; look the record up again.
    if (WindowRecord* record = windowRecordAt(ref.ownerIndex)) {
        record->hotControl = record->controlUnderMouse;
        record->hotControlKind = 0;
    }
}

void onMouseLeave(HWND hwnd) {
    const ButtonRef ref = buttonRef(hwnd);
    if (ref.record) ref.record->hotControl = 0;
    repaintButton(hwnd, ref.entry && ref.entry->focused ? kButtonFocused : 0);
}

void onButtonUp(HWND hwnd) {
    const ButtonRef ref = buttonRef(hwnd);
    if (ref.record) ref.record->hotControl = 0;
}

LRESULT onReflectedDrawItem(WPARAM wParam, LPARAM lParam) {
    if (lParam) drawButtonItem(static_cast<int>(wParam), *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    return TRUE;
}

} // namespace

// ---- style tests and lookups ---------------------------------------------------------------

bool isPushButtonStyle(HWND button) {
    const UINT type = buttonType(button);
    if (type & 0x2) return false;
    if ((type & 0x1) && (type & 0x8)) return false;
    return (type & 0x4) == 0;
}

bool isCheckBoxStyle(HWND button) {
    const UINT type = buttonType(button);
    return (type & 0x2) && !(type & 0x4);
}

int findButtonEntry(int ownerIndex, HWND button) {
    WindowRecord* record = windowRecordAt(ownerIndex);
    if (!record) return 0;
    for (std::size_t i = 0; i < record->buttons.size(); ++i)
        if (record->buttons[i].hwnd == button) return static_cast<int>(i) + 1;
    return 0;
}

// ---- installers ----------------------------------------------------------------------------

void installPushButtons(int ownerIndex, HWND parent) {
    if (!skinSettings.controlSkinsEnabled) return;
    for (HWND child = FindWindowExA(parent, nullptr, "BUTTON", nullptr); child;
         child = FindWindowExA(parent, child, "BUTTON", nullptr)) {
        if (isOwnerDrawnStyle(child) || !isPushButtonStyle(child) || findButtonEntry(ownerIndex, child) != 0)
            continue;
        WindowRecord* record = windowRecordAt(ownerIndex);
        if (!record) return;
        const int position = adoptButton(*record, ownerIndex, child, PushButton);
        const auto style = static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE));
        SetWindowLongA(child, GWL_STYLE, static_cast<LONG>(style | 0xB));
        const ControlFont font = readControlFont(child);
        ButtonEntry& entry = record->buttons[position - 1];
        entry.fontName = font.name.empty() ? kFallbackFontName : font.name;
        entry.fontSize = font.size != 0 ? font.size : kFallbackFontSize;
        entry.fontStyle = font.style;
    }
}

void installCheckButtons(int ownerIndex, HWND parent) {
    if (!skinSettings.controlSkinsEnabled) return;
    for (HWND child = FindWindowExA(parent, nullptr, "BUTTON", nullptr); child;
         child = FindWindowExA(parent, child, "BUTTON", nullptr)) {
        if (isOwnerDrawnStyle(child) || !(isAutoRadioButton(child) || isCheckBoxStyle(child))) continue;
        WindowRecord* record = windowRecordAt(ownerIndex);
        if (!record) return;
        const int position =
            adoptButton(*record, ownerIndex, child, isCheckBoxStyle(child) ? CheckBox : RadioButton);
        const ControlFont font = readControlFont(child);
        ButtonEntry& entry = record->buttons[position - 1];
        entry.fontName = font.name;
        entry.fontSize = font.size;
        entry.fontStyle = font.style;
    }
}

// ---- window procedure ------------------------------------------------------------------------

LRESULT CALLBACK buttonWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_MOVE:
        InvalidateRect(hwnd, nullptr, TRUE);
        break;
    case WM_SETFOCUS:
        setFocused(hwnd, 1);
        break;
    case WM_KILLFOCUS:
        setFocused(hwnd, 0);
        break;
    case WM_SETTEXT:
        onSetText(hwnd, lParam);
        break;
    case WM_PAINT:
        return onPaint(hwnd, msg, wParam, lParam);
    case WM_ERASEBKGND: {
        const auto dc = reinterpret_cast<HDC>(wParam);
        SetBkMode(dc, TRANSPARENT);
        return static_cast<LRESULT>(SetTextColor(dc, static_cast<COLORREF>(propValue(hwnd, kPropTextColour))));
    }
    case WM_NCPAINT:
        return 1;
    case BM_SETCHECK:
    case WM_LBUTTONDOWN:
        return passOnAndRepaint(hwnd, msg, wParam, lParam);
    case WM_KEYDOWN:
        if (wParam == VK_SPACE) return passOnAndRepaint(hwnd, msg, wParam, lParam);
        break;
    case WM_MOUSEMOVE:
        onMouseMove(hwnd);
        break;
    case WM_MOUSELEAVE:
        onMouseLeave(hwnd);
        break;
    case WM_LBUTTONUP:
        onButtonUp(hwnd);
        break;
    case WM_LBUTTONDBLCLK:
        return 0;
    case kReflectedDrawItem:
        return onReflectedDrawItem(wParam, lParam);
    default:
        break;
    }
    return passOn(hwnd, msg, wParam, lParam);
}

// ---- drawing ---------------------------------------------------------------------------------

void drawButtonItem(int ownerIndex, const DRAWITEMSTRUCT& item) {
    if (item.CtlType != ODT_BUTTON || !item.hwndItem) return;
    const int position = static_cast<int>(propValue(item.hwndItem, kPropListIndex));
    if (position < 1) return;
    WindowRecord* record = windowRecordAt(ownerIndex);
    if (!record) return;
    const ButtonEntry* entry = entryAt(record->buttons, position);
    if (!entry || entry->hwnd != item.hwndItem || entry->kind != PushButton) return;
    drawPushButton(item.hwndItem, item.hDC, item.itemState, item.rcItem);
}

void repaintButton(HWND hwnd, UINT state, bool mouseOver) {
    const UINT bits = state | (mouseOver ? kButtonHovered : 0);
    const int kind = kindOf(hwnd);
    if (kind == PushButton) {
        WindowDC dc(hwnd);
        if (dc) drawPushButton(hwnd, dc, bits, clientRectOf(hwnd));
        return;
    }
    drawSelfPaintedKind(hwnd, kind, bits);
}

void drawPushButton(HWND hwnd, HDC target, UINT state, const RECT& item) {
    const int w = item.right - item.left, h = item.bottom - item.top;
    ButtonCanvas canvas(hwnd, w, h);
    if (!canvas.dc() || !target) return;
    {
        gdip::Graphics graphics;
        if (!graphics.createFromHDC(canvas.dc())) return;
        graphics.setSmoothingMode(Gdiplus::SmoothingModeNone);
        drawPushFace(graphics, state, w, h);
        drawLabel(graphics, hwnd, Gdiplus::UnitWorld, gdip::RectF(0, 2, float(w), float(h)), float(w) - 4,
                  Gdiplus::StringAlignmentCenter);
    }
    canvas.copyTo(target, item.left, item.top);
}

void drawRadioButton(HWND hwnd, UINT state) {
    drawSelfPainted(
        hwnd, [&](gdip::Graphics& graphics, int h) { drawRadioFace(graphics, hwnd, state, h); }, 18, 0);
}

void drawCheckBox(HWND hwnd, UINT state) {
    drawSelfPainted(
        hwnd, [&](gdip::Graphics& graphics, int h) { drawCheckFace(graphics, hwnd, state, h); }, 17, 19);
}

void drawGlowOutline(gdip::Graphics& graphics, const gdip::GraphicsPath& path, int count, COLORREF colour,
                     std::uint8_t alpha) {
    gdip::Pen pen;
    if (!pen.create(toArgb(colour, alpha), 1)) return;
    for (int i = 1; i <= count; ++i) {
        pen.setWidth(float(i));
        graphics.drawPath(pen, path);
    }
}

Bytes checkBoxImage() { return checkPicturePng(false); }
Bytes checkMarkImage() { return checkPicturePng(true); }

// ---- font ----------------------------------------------------------------------------------

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
    // A font asked for by character height (negative lfHeight) has that
    // height as its em size; some GDI+ builds report the ascent instead,
    // which draws every label a size too large.
    LOGFONTA logFont{};
    if (font && GetObjectA(font, sizeof logFont, &logFont) == sizeof logFont && logFont.lfHeight < 0)
        result.size = -logFont.lfHeight;
    result.style = gdipFont.getStyle();
    return result;
}

} // namespace skin
