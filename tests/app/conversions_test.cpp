// Text to integer and back, on code-page-936 texts.
#include "codepage.h"
#include "host/conversions.h"

#include <climits>

namespace {

struct TextCase {
    const char* text;
    int value;
};

TEST(TextToInteger, ReadsLeadingNumberAfterBlanksAndSign) {
    ASSERT_CODE_PAGE_936();
    const TextCase cases[] = {
        {"", 0},
        {"123", 123},
        {"  42", 42},
        {"\t\t7", 7},
        {" \t 8x", 8},
        {"+15", 15},
        {"-15", -15},
        {"- 15", 0},       // the sign must touch the digits
        {"+-1", 0},
        {"12abc34", 12},
        {"abc", 0},
        {"0x1F", 0},
        {"007", 7},
        {"\n5", 0},        // only space and tab are blanks
        {"65592 ", 65592},
        {"3.9", 3},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        {"99999999999", INT_MAX},   // beyond the range: saturates
        {"-99999999999", INT_MIN},
    };
    for (const TextCase& c : cases) EXPECT_EQ(host::textToInteger(c.text), c.value) << '"' << c.text << '"';
}

TEST(TextToInteger, FullWidthDigitsSignsAndSpaceCountAsHalfWidth) {
    ASSERT_CODE_PAGE_936();
    const TextCase cases[] = {
        {"１２３", 123},
        {"０", 0},
        {"９８７６５４３２１０", INT_MAX},
        {"１2３", 123},          // mixed widths
        {"－４５", -45},
        {"＋４５", 45},
        {"　　６", 6},           // full-width spaces
        {"　\t 6", 6},
        {"１２号窗口", 12},      // stops at the first other character
        {"窗口１２", 0},
        {"一二三", 0},           // Chinese numerals are not digits
        {"１，０００", 1},
    };
    for (const TextCase& c : cases) EXPECT_EQ(host::textToInteger(c.text), c.value) << c.text;
}

TEST(TextToInteger, TruncatedDoubleByteCharacterEndsTheNumber) {
    const std::string text = std::string("12") + '\xA3';  // a lead byte without its trail byte
    EXPECT_EQ(host::textToInteger(text), 12);
    EXPECT_EQ(host::textToInteger(std::string("\xA3", 1)), 0);
}

TEST(IntegerToText, WritesDecimal) {
    EXPECT_EQ(host::integerToText(0), "0");
    EXPECT_EQ(host::integerToText(65592), "65592");
    EXPECT_EQ(host::integerToText(-7), "-7");
    EXPECT_EQ(host::textToInteger(host::integerToText(INT_MIN)), INT_MIN);
}

}  // namespace
