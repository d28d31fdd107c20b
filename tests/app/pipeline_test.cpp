#include "codepage.h"
#include <cstring>

TEST(Pipeline, ChineseLiteralsAreGbk) {
    ASSERT_CODE_PAGE_936();
    const char* text = "假";
    ASSERT_EQ(std::strlen(text), 2u);
    EXPECT_EQ((unsigned char)text[0], 0xBCu);
    EXPECT_EQ((unsigned char)text[1], 0xD9u);
}
