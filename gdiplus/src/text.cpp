#include "gdiplus/text.h"

#include "gdiplus/graphics.h"
#include "natives.h"

namespace gdip {

using Gdiplus::GpFontCollection;
using Gdiplus::GpFontFamily;
using Gdiplus::GpGraphics;

// ---- Font ----------------------------------------------------------------

Font& Font::operator=(Font&& other) noexcept {
    if (this != &other) {
        deleteFont();
        takeFrom(other);
    }
    return *this;
}

bool Font::deleteFont() {
    if (!font_) return false;
    const bool ok = record(flat::GdipDeleteFont(font_));
    setHandle(nullptr);
    return ok;
}

bool Font::createFromFamily(const FontFamily& family, float size, int style, Gdiplus::Unit unit) {
    deleteFont();
    font_ = nullptr;
    const Status status =
        flat::GdipCreateFont(nativeOf<GpFontFamily>(family), size, style, unit, &font_);
    return finishCreate(status, font_);
}

bool Font::createFromName(std::string_view familyName, float size, int style, Gdiplus::Unit unit) {
    return createFromName(std::wstring_view(fromSystemText(familyName)), size, style, unit);
}

bool Font::createFromName(std::wstring_view familyName, float size, int style, Gdiplus::Unit unit) {
    deleteFont();
    // The family is only needed to make the font.
    FontFamily family;
    if (!family.createFromName(familyName)) return false;  // lastStatus tells why
    const bool ok = createFromFamily(family, size, style, unit);
    const Status fontStatus = lastStatus;
    family.deleteFontFamily();
    lastStatus = fontStatus;
    return ok;
}

bool Font::createFromDC(HDC hdc, HFONT hfont) {
    deleteFont();
    font_ = nullptr;
    // Only a font object has a LOGFONT to read: GetObjectA would also "read"
    // a pen or a brush handed over by mistake (as a LOGPEN or LOGBRUSH), so
    // any other handle falls back to the DC's own font.
    LOGFONTA logFont{};
    Status status;
    if (hfont && GetObjectType(hfont) == OBJ_FONT &&
        GetObjectA(hfont, sizeof logFont, &logFont) != 0) {
        status = flat::GdipCreateFontFromLogfontA(hdc, &logFont, &font_);
    } else {
        status = flat::GdipCreateFontFromDC(hdc, &font_);
    }
    return finishCreate(status, font_);
}

bool Font::createDefaultGuiFont() {
    deleteFont();
    font_ = nullptr;
    LOGFONTA logFont{};
    if (GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof logFont, &logFont) == 0) {
        return record(Gdiplus::GenericError);
    }
    HDC screen = GetDC(nullptr);
    const Status status = flat::GdipCreateFontFromLogfontA(screen, &logFont, &font_);
    ReleaseDC(nullptr, screen);
    return finishCreate(status, font_);
}

bool Font::getFamily(FontFamily& family) const {
    GpFontFamily* native = nullptr;
    const bool ok = record(flat::GdipGetFamily(font_, &native));
    family.setHandle(ok ? native : nullptr);
    return ok;
}

int Font::getStyle() const {
    INT style = 0;
    return record(flat::GdipGetFontStyle(font_, &style)) ? style : 0;
}

float Font::getSize() const {
    float size = 0;
    return record(flat::GdipGetFontSize(font_, &size)) ? size : 0;
}

Gdiplus::Unit Font::getUnit() const {
    Gdiplus::Unit unit = Gdiplus::UnitWorld;
    return record(flat::GdipGetFontUnit(font_, &unit)) ? unit : Gdiplus::UnitWorld;
}

float Font::getHeight(const Graphics* graphics) const {
    float height = 0;
    return record(flat::GdipGetFontHeight(font_, nativeOf<GpGraphics>(graphics), &height)) ? height
                                                                                           : 0;
}

// ---- FontFamily ------------------------------------------------------------

FontFamily& FontFamily::operator=(FontFamily&& other) noexcept {
    if (this != &other) takeFrom(other);  // owns nothing: the old family is not deleted
    return *this;
}

bool FontFamily::deleteFontFamily() {
    if (!family_) return false;
    const bool ok = record(flat::GdipDeleteFontFamily(family_));
    setHandle(nullptr);
    return ok;
}

bool FontFamily::createFromName(std::string_view name, const FontCollection* collection) {
    return createFromName(std::wstring_view(fromSystemText(name)), collection);
}

bool FontFamily::createFromName(std::wstring_view name, const FontCollection* collection) {
    family_ = nullptr;
    const std::wstring terminated(name);
    const Status status = flat::GdipCreateFontFamilyFromName(
        terminated.c_str(), nativeOf<GpFontCollection>(collection), &family_);
    return finishCreate(status, family_);
}

bool FontFamily::createGenericSansSerif() {
    family_ = nullptr;
    const Status status = flat::GdipGetGenericFontFamilySansSerif(&family_);
    return finishCreate(status, family_);
}

std::wstring FontFamily::getFamilyNameW(LANGID language) const {
    WCHAR name[LF_FACESIZE] = {};  // 64 bytes
    if (!record(flat::GdipGetFamilyName(family_, name, language))) return {};
    name[LF_FACESIZE - 1] = L'\0';
    return name;
}

std::string FontFamily::getFamilyName(LANGID language) const {
    return toOemText(getFamilyNameW(language));
}

bool FontFamily::isStyleAvailable(int style) const {
    BOOL available = FALSE;
    return record(flat::GdipIsStyleAvailable(family_, style, &available)) && available;
}

// ---- FontCollection ----------------------------------------------------------

FontCollection& FontCollection::operator=(FontCollection&& other) noexcept {
    if (this != &other) takeFrom(other);
    return *this;
}

bool FontCollection::createInstalled() {
    collection_ = nullptr;
    const Status status = flat::GdipNewInstalledFontCollection(&collection_);
    return finishCreate(status, collection_);
}

int FontCollection::getFamilyCount() const {
    INT count = 0;
    return record(flat::GdipGetFontCollectionFamilyCount(collection_, &count)) ? count : 0;
}

std::vector<GpFontFamily*> FontCollection::getFamilyList(int count) const {
    if (count < 1) {
        record(Gdiplus::InvalidParameter);
        return {};
    }
    std::vector<GpFontFamily*> families(static_cast<std::size_t>(count), nullptr);
    INT found = 0;
    if (!record(
            flat::GdipGetFontCollectionFamilyList(collection_, count, families.data(), &found))) {
        return {};
    }
    families.resize(static_cast<std::size_t>(found < 0 ? 0 : found));
    return families;
}

// ---- StringFormat ------------------------------------------------------------

StringFormat& StringFormat::operator=(StringFormat&& other) noexcept {
    if (this != &other) {
        deleteStringFormat();
        takeFrom(other);
    }
    return *this;
}

bool StringFormat::deleteStringFormat() {
    if (!format_) return false;
    const bool ok = record(flat::GdipDeleteStringFormat(format_));
    setHandle(nullptr);
    return ok;
}

bool StringFormat::create(int formatFlags, LANGID language) {
    deleteStringFormat();
    format_ = nullptr;
    const Status status = flat::GdipCreateStringFormat(formatFlags, language, &format_);
    return finishCreate(status, format_);
}

bool StringFormat::setFlags(int formatFlags) {
    return record(flat::GdipSetStringFormatFlags(format_, formatFlags));
}

bool StringFormat::setAlign(Gdiplus::StringAlignment align) {
    return record(flat::GdipSetStringFormatAlign(format_, align));
}

bool StringFormat::setLineAlign(Gdiplus::StringAlignment align) {
    return record(flat::GdipSetStringFormatLineAlign(format_, align));
}

bool StringFormat::setTrimming(Gdiplus::StringTrimming trimming) {
    return record(flat::GdipSetStringFormatTrimming(format_, trimming));
}

Gdiplus::StringAlignment StringFormat::getAlign() const {
    Gdiplus::StringAlignment align = Gdiplus::StringAlignmentNear;
    return record(flat::GdipGetStringFormatAlign(format_, &align)) ? align
                                                                   : Gdiplus::StringAlignmentNear;
}

Gdiplus::StringAlignment StringFormat::getLineAlign() const {
    Gdiplus::StringAlignment align = Gdiplus::StringAlignmentNear;
    return record(flat::GdipGetStringFormatLineAlign(format_, &align))
               ? align
               : Gdiplus::StringAlignmentNear;
}

}  // namespace gdip
