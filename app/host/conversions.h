// Number and text conversions of the window host. Texts are code-page-936
// (GBK) byte strings, as the A functions hand them out.
#pragma once
#include <string>

namespace host {

// Reads the decimal number at the start of a text. Full-width digits, signs
// and the full-width space count as their half-width forms; then leading
// blanks (space, tab), an optional sign and decimal digits are read up to the
// first other character. No digits gives 0. Values beyond the 32-bit range
// saturate at its ends.
int textToInteger(const std::string& text);

// The decimal text of a number ("-12", "0", "65536").
std::string integerToText(int value);

}  // namespace host
