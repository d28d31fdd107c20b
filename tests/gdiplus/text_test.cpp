// Fonts and text: system-code-page text reaches GDI+ as the same characters,
// fonts are made from family names in world units, from GDI fonts, and
// report their family.
#include "codepage.h"
#include "gdiplus_support.h"

using namespace gdip;
using gdiptest::Canvas;

namespace {

// Pixels of `text` drawn in black on a blank canvas.
template <class Text>
std::vector<ARGB> render(const Text& text, const Font& font) {
    Canvas canvas(120, 30);
    SolidBrush black;
    EXPECT_TRUE(black.create(0xFF000000));
    EXPECT_TRUE(canvas.graphics.drawString(text, font, RectF(0, 0, 120, 30), black));
    std::vector<ARGB> pixels;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 120; ++x) pixels.push_back(canvas.pixel(x, y));
    }
    return pixels;
}

int inkedPixels(const std::vector<ARGB>& pixels) {
    int count = 0;
    for (ARGB p : pixels) count += (p >> 24) != 0;
    return count;
}

}  // namespace

TEST(GdipText, SystemCodePageTextReachesGdiplusAsTheSameCharacters) {
    ASSERT_CODE_PAGE_936();
    Font font;
    ASSERT_TRUE(font.createFromName("宋体", 16));

    const std::vector<ARGB> fromGbk = render(std::string_view("老板键ABC"), font);
    const std::vector<ARGB> fromUtf16 = render(std::wstring_view(L"老板键ABC"), font);
    ASSERT_GT(inkedPixels(fromUtf16), 20) << "the font draws nothing";
    EXPECT_EQ(fromUtf16, fromGbk);
    // Converted byte by byte the text would draw differently.
    EXPECT_NE(fromUtf16, render(std::wstring_view(L"\x00C0\x00CF\x00B0\x00E5\x00BC\x00FC"
                                                  L"ABC"),
                                font));

    Canvas canvas(1, 1);
    const RectF unlimited;
    const RectF gbkBox = canvas.graphics.measureString("中文", font, unlimited);
    const RectF utf16Box = canvas.graphics.measureString(L"中文", font, unlimited);
    EXPECT_GT(utf16Box.Width, 0);
    EXPECT_EQ(utf16Box.Width, gbkBox.Width);
    EXPECT_EQ(utf16Box.Height, gbkBox.Height);
}

TEST(GdipText, FontFromAMissingFamilyFailsAndStaysEmpty) {
    Font font;
    EXPECT_FALSE(font.createFromName("No Such Family 4711", 12));
    EXPECT_TRUE(font.isEmpty());
    EXPECT_EQ(Gdiplus::FontFamilyNotFound, lastStatus);
}

TEST(GdipText, FontFromNameDefaultsToRegularInWorldUnits) {
    // GDI+ reads the style back from the face it found, so this needs a face
    // of regular weight (the Chinese face here is medium, which reads as
    // bold). The system's font configuration brings one of these.
    const char* family = nullptr;
    for (const char* candidate : {"DejaVu Sans", "Liberation Sans", "Bitstream Vera Sans"}) {
        FontFamily probe;
        if (probe.createFromName(candidate)) {
            probe.deleteFontFamily();
            family = candidate;
            break;
        }
    }
    ASSERT_NE(nullptr, family) << "no regular-weight face installed";

    Font font;
    ASSERT_TRUE(font.createFromName(family, 12));
    EXPECT_EQ(Gdiplus::UnitWorld, font.getUnit());
    EXPECT_EQ(Gdiplus::FontStyleRegular, font.getStyle());
    EXPECT_EQ(12.0f, font.getSize());

    ASSERT_TRUE(font.createFromName(family, 12, Gdiplus::FontStyleItalic, Gdiplus::UnitPixel));
    EXPECT_EQ(Gdiplus::UnitPixel, font.getUnit());
    EXPECT_EQ(Gdiplus::FontStyleItalic, font.getStyle());
}

TEST(GdipText, FontReportsAFamilyWhoseNameMakesTheSameFamily) {
    Font font;
    ASSERT_TRUE(font.createFromName("宋体", 12));
    FontFamily family;
    ASSERT_TRUE(font.getFamily(family));
    const std::string name = family.getFamilyName();
    const std::wstring wideName = family.getFamilyNameW();
    EXPECT_FALSE(name.empty());
    EXPECT_FALSE(wideName.empty());
    EXPECT_TRUE(family.deleteFontFamily());

    FontFamily again;
    ASSERT_TRUE(again.createFromName(name)) << name;
    EXPECT_EQ(wideName, again.getFamilyNameW());
    EXPECT_TRUE(again.deleteFontFamily());
}

TEST(GdipText, FontFromDcUsesTheGdiFontWhenGiven) {
    HDC screen = GetDC(nullptr);
    HFONT gdiFont = CreateFontA(-20, 0, 0, 0, FW_BOLD, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "宋体");
    ASSERT_NE(nullptr, gdiFont);

    Font font;
    ASSERT_TRUE(font.createFromDC(screen, gdiFont));
    EXPECT_EQ(20.0f, font.getSize());
    EXPECT_EQ(Gdiplus::FontStyleBold, font.getStyle() & Gdiplus::FontStyleBold);

    // Without a readable GDI font: the font selected into the DC. A handle
    // that is not a font (GetObjectA reads a pen as a LOGPEN) counts as none.
    Font dcFont;
    ASSERT_TRUE(dcFont.createFromDC(screen));
    const auto familyName = [](const Font& f) {
        FontFamily family;
        if (!f.getFamily(family)) return std::string();
        std::string name = family.getFamilyName();
        family.deleteFontFamily();
        return name;
    };
    ASSERT_TRUE(font.createFromDC(screen, reinterpret_cast<HFONT>(GetStockObject(BLACK_PEN))));
    EXPECT_NE(20.0f, font.getSize());
    EXPECT_EQ(dcFont.getSize(), font.getSize());
    EXPECT_EQ(familyName(dcFont), familyName(font));

    DeleteObject(gdiFont);
    ReleaseDC(nullptr, screen);
}

TEST(GdipText, StringFormatAlignsTextInItsRectangle) {
    Font font;
    ASSERT_TRUE(font.createFromName("宋体", 12));
    SolidBrush black;
    ASSERT_TRUE(black.create(0xFF000000));
    StringFormat format;
    ASSERT_TRUE(format.create());
    ASSERT_TRUE(format.setAlign(Gdiplus::StringAlignmentFar));
    ASSERT_TRUE(format.setLineAlign(Gdiplus::StringAlignmentCenter));

    Canvas canvas(100, 40);
    ASSERT_TRUE(canvas.graphics.drawString("WW", font, RectF(0, 0, 100, 40), black, &format));
    int leftInk = 0, rightInk = 0, topInk = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 100; ++x) {
            if ((canvas.pixel(x, y) >> 24) == 0) continue;
            (x < 50 ? leftInk : rightInk)++;
            topInk += y < 10;
        }
    }
    EXPECT_EQ(0, leftInk);
    EXPECT_GT(rightInk, 0);
    EXPECT_EQ(0, topInk);
}
