// Text objects: Font, FontFamily, FontCollection and StringFormat.
#pragma once

#include "gdiplus/gdip_base.h"

namespace gdip {

class FontCollection;
class Graphics;
class FontFamily;

class Font : public GdipObject {
public:
    Font() = default;
    ~Font() { deleteFont(); }
    Font(Font&& other) noexcept { takeFrom(other); }
    Font& operator=(Font&& other) noexcept;

    bool deleteFont();
    bool createFromFamily(const FontFamily& family, float size, int style = 0,
                          Gdiplus::Unit unit = Gdiplus::UnitWorld);
    // From a family name among the installed fonts: system-code-page text or
    // UTF-16. Style 0 is regular; the unit defaults to world units.
    bool createFromName(std::string_view familyName, float size, int style = 0,
                        Gdiplus::Unit unit = Gdiplus::UnitWorld);
    bool createFromName(std::wstring_view familyName, float size, int style = 0,
                        Gdiplus::Unit unit = Gdiplus::UnitWorld);
    // From the GDI font `hfont` when it is given and is a font, else from the
    // font selected into `hdc`.
    bool createFromDC(HDC hdc, HFONT hfont = nullptr);
    // The stock DEFAULT_GUI_FONT, measured on the screen.
    bool createDefaultGuiFont();

    // The font's family into `family`, which the caller deletes
    // (deleteFontFamily) when done.
    bool getFamily(FontFamily& family) const;
    int getStyle() const;                                       // 0 on failure
    float getSize() const;                                      // 0 on failure
    Gdiplus::Unit getUnit() const;                              // UnitWorld on failure
    float getHeight(const Graphics* graphics = nullptr) const;  // 0 on failure

private:
    void setNative(void* native) override { font_ = static_cast<Gdiplus::GpFont*>(native); }
    Gdiplus::GpFont* font_ = nullptr;
};

// A font family. It owns nothing: its users delete it explicitly.
class FontFamily : public GdipObject {
public:
    FontFamily() = default;
    FontFamily(FontFamily&& other) noexcept { takeFrom(other); }
    FontFamily& operator=(FontFamily&& other) noexcept;

    bool deleteFontFamily();
    // A missing collection means the installed fonts.
    bool createFromName(std::string_view name, const FontCollection* collection = nullptr);
    bool createFromName(std::wstring_view name, const FontCollection* collection = nullptr);
    bool createGenericSansSerif();

    // The family name in the OEM code page or as UTF-16; empty on failure.
    std::string getFamilyName(LANGID language = 0) const;
    std::wstring getFamilyNameW(LANGID language = 0) const;
    bool isStyleAvailable(int style) const;

private:
    void setNative(void* native) override { family_ = static_cast<Gdiplus::GpFontFamily*>(native); }
    Gdiplus::GpFontFamily* family_ = nullptr;
};

// A font collection. It owns nothing (the installed collection belongs to
// GDI+).
class FontCollection : public GdipObject {
public:
    FontCollection() = default;
    FontCollection(FontCollection&& other) noexcept { takeFrom(other); }
    FontCollection& operator=(FontCollection&& other) noexcept;

    bool createInstalled();
    int getFamilyCount() const;  // 0 on failure
    // Up to `count` families (pointers the caller deletes); a count below 1
    // sets lastStatus to InvalidParameter without a call.
    std::vector<Gdiplus::GpFontFamily*> getFamilyList(int count) const;

private:
    void setNative(void* native) override {
        collection_ = static_cast<Gdiplus::GpFontCollection*>(native);
    }
    Gdiplus::GpFontCollection* collection_ = nullptr;
};

class StringFormat : public GdipObject {
public:
    StringFormat() = default;
    ~StringFormat() { deleteStringFormat(); }
    StringFormat(StringFormat&& other) noexcept { takeFrom(other); }
    StringFormat& operator=(StringFormat&& other) noexcept;

    bool deleteStringFormat();
    bool create(int formatFlags = 0, LANGID language = 0);
    bool setFlags(int formatFlags);
    bool setAlign(Gdiplus::StringAlignment align);
    bool setLineAlign(Gdiplus::StringAlignment align);
    bool setTrimming(Gdiplus::StringTrimming trimming);
    Gdiplus::StringAlignment getAlign() const;      // near on failure
    Gdiplus::StringAlignment getLineAlign() const;  // near on failure

private:
    void setNative(void* native) override {
        format_ = static_cast<Gdiplus::GpStringFormat*>(native);
    }
    Gdiplus::GpStringFormat* format_ = nullptr;
};

}  // namespace gdip
