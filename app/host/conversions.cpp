#include "conversions.h"

#include <climits>

namespace host {
namespace {

// The half-width form of a full-width GBK character (two bytes), or 0 when
// the character has none that the number reader cares about.
char halfWidthForm(unsigned char lead, unsigned char trail) {
    if (lead == 0xA3 && trail >= 0xB0 && trail <= 0xB9) return char('0' + (trail - 0xB0));
    if (lead == 0xA3 && trail == 0xAB) return '+';
    if (lead == 0xA3 && trail == 0xAD) return '-';
    if (lead == 0xA1 && trail == 0xA1) return ' ';
    return 0;
}

bool isLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

// The text with the full-width digits, signs and space replaced by their
// half-width forms; any other double-byte character becomes a byte that no
// number can contain, so reading stops there.
std::string narrowed(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char byte = static_cast<unsigned char>(text[i]);
        if (isLeadByte(byte) && i + 1 < text.size()) {
            const char half = halfWidthForm(byte, static_cast<unsigned char>(text[i + 1]));
            out += half ? half : '\x01';
            ++i;
        } else {
            out += static_cast<char>(byte);
        }
    }
    return out;
}

}  // namespace

int textToInteger(const std::string& text) {
    const std::string s = narrowed(text);
    size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    long long value = 0;
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        value = value * 10 + (s[i] - '0');
        if (value > limit) value = limit;
    }
    return static_cast<int>(negative ? -value : value);
}

std::string integerToText(int value) { return std::to_string(value); }

}  // namespace host
