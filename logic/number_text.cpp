#include "number_text.h"

#include <charconv>
#include <system_error>

// Rounds to the given number of significant digits and writes the shortest form: plain
// decimals while the leading digit's power of ten is within -4 and digits - 1, exponent
// notation ("4.7E-09") outside. to_chars keeps this independent of locale and C runtime.
std::string SignificantText(double value, int digits) {
    char buffer[64];
    auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
    if (error != std::errc{}) {
        return {};
    }
    std::string text(buffer, end);
    for (char& c : text) {
        if (c == 'e') {
            c = 'E';
        }
    }
    return text;
}

// The fewest digits that read back as the same float, multiplied by 10^decimalShift, in
// plain decimals. The float nearest 9 × 10^9 is 8 999 999 488; its shortest text is 9E+09,
// the value the bands gave, where a fixed count of digits would show 8.999999.
std::string ShortestText(float value, int decimalShift) {
    char buffer[32];
    auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    if (error != std::errc{} || value < 0) {
        return {};
    }
    const std::string text(buffer, end);
    const size_t e = text.find('e');
    std::string digits = text.substr(0, 1) + (e > 2 ? text.substr(2, e - 2) : "");
    int exponent = 0;
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+'), text.data() + text.size(),
                    exponent);
    if (digits == "0") {
        return "0";
    }
    // Digits in front of the decimal point.
    const int whole = exponent + 1 + decimalShift;
    const int count = static_cast<int>(digits.size());
    if (whole <= 0) {
        return "0." + std::string(-whole, '0') + digits;
    }
    if (whole >= count) {
        return digits + std::string(whole - count, '0');
    }
    return digits.substr(0, whole) + "." + digits.substr(whole);
}

std::string IntegerText(int value) {
    char buffer[16];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return error == std::errc{} ? std::string(buffer, end) : std::string();
}
