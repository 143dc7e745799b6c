#include "decimal_format.h"

#include <bit>
#include <charconv>
#include <cstdint>
#include <system_error>
#include <vector>

// Every number is turned into text from its exact binary value with integer arithmetic, so
// the text depends on neither the C runtime nor the locale, and no library formatter with
// tables for every floating-point type is linked in.

namespace {

// The exact decimal digits of a finite double above zero: value = digits × 10^lastPower.
struct ExactDecimal {
    std::string digits;
    int lastPower = 0;
};

ExactDecimal ExactDigits(double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const int biased = static_cast<int>((bits >> 52) & 0x7FF);
    std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
    if (biased != 0) {
        mantissa |= std::uint64_t{1} << 52;
    }
    int exponent = (biased != 0 ? biased : 1) - 1075;

    // A number in base 10^9, least significant limb first.
    constexpr std::uint32_t kBase = 1000000000;
    std::vector<std::uint32_t> limbs;
    for (; mantissa != 0; mantissa /= kBase) {
        limbs.push_back(static_cast<std::uint32_t>(mantissa % kBase));
    }
    auto multiply = [&limbs](std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (std::uint32_t& limb : limbs) {
            carry += std::uint64_t{limb} * factor;
            limb = static_cast<std::uint32_t>(carry % kBase);
            carry /= kBase;
        }
        for (; carry != 0; carry /= kBase) {
            limbs.push_back(static_cast<std::uint32_t>(carry % kBase));
        }
    };
    // m × 2^e is multiplied out for e ≥ 0; below, it is m × 5^-e × 10^e.
    ExactDecimal exact;
    while (exponent > 0) {
        const int step = exponent < 30 ? exponent : 30;
        multiply(std::uint32_t{1} << step);
        exponent -= step;
    }
    while (exponent < 0) {
        const int step = -exponent < 13 ? -exponent : 13;
        std::uint32_t power = 1;
        for (int i = 0; i < step; ++i) {
            power *= 5;
        }
        multiply(power);
        exact.lastPower -= step;
        exponent += step;
    }
    for (size_t i = limbs.size(); i-- > 0;) {
        char chunk[9];
        std::uint32_t limb = limbs[i];
        for (int d = 8; d >= 0; --d, limb /= 10) {
            chunk[d] = static_cast<char>('0' + limb % 10);
        }
        exact.digits.append(chunk, 9);
    }
    exact.digits.erase(0, exact.digits.find_first_not_of('0'));
    return exact;
}

double Power10(int exponent) {
    double power = 1;
    for (; exponent > 0; --exponent) {
        power *= 10;
    }
    for (; exponent < 0; ++exponent) {
        power /= 10;
    }
    return power;
}

// Significant digits with no trailing zero, written in plain decimals with `whole` of them
// in front of the point: "0.0047", "9", "1500", "12.5".
std::string PlainDecimal(const std::string& digits, int whole) {
    const int count = static_cast<int>(digits.size());
    if (whole <= 0) {
        std::string text(static_cast<size_t>(2 - whole), '0');
        text[1] = '.';
        return text + digits;
    }
    if (whole >= count) {
        return digits + std::string(static_cast<size_t>(whole - count), '0');
    }
    return digits.substr(0, static_cast<size_t>(whole)) + "." +
           digits.substr(static_cast<size_t>(whole));
}

template <typename Integer>
std::string DecimalDigits(Integer value) {
    char buffer[24];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return error == std::errc{} ? std::string(buffer, end) : std::string();
}

}  // namespace

// Rounds to the given number of significant digits, ties to even, and writes the shortest
// form: plain decimals while the leading digit's power of ten is within -4 and digits - 1,
// exponent notation ("4.7E-09") outside.
std::string SignificantText(double value, int significant) {
    if (!(value > 0) || value > 1.7976931348623157e308) {
        return value == 0 ? "0" : "";
    }
    auto [digits, lastPower] = ExactDigits(value);
    int leading = lastPower + static_cast<int>(digits.size()) - 1;
    if (static_cast<int>(digits.size()) > significant) {
        const size_t kept = static_cast<size_t>(significant);
        const char next = digits[kept];
        const bool restNonZero = digits.find_first_not_of('0', kept + 1) != std::string::npos;
        digits.resize(kept);
        const bool odd = (digits.back() - '0') % 2 == 1;
        if (next > '5' || (next == '5' && (restNonZero || odd))) {
            size_t at = kept;
            while (at > 0 && digits[at - 1] == '9') {
                digits[--at] = '0';
            }
            if (at == 0) {
                digits.insert(digits.begin(), '1');
                digits.pop_back();
                ++leading;
            } else {
                ++digits[at - 1];
            }
        }
    }
    digits.erase(digits.find_last_not_of('0') + 1);

    if (leading < -4 || leading >= significant) {
        std::string text = digits;
        if (digits.size() > 1) {
            text.insert(1, 1, '.');
        }
        const int magnitude = leading < 0 ? -leading : leading;
        text += leading < 0 ? "E-" : "E+";
        if (magnitude < 10) {
            text += '0';
        }
        return text + IntegerText(magnitude);
    }
    return PlainDecimal(digits, leading + 1);
}

// The fewest significant digits that read back as the same float, nearest to it where there
// is a choice, and ties to even; then multiplied by 10^decimalShift. The float nearest
// 9 × 10^9 is 8 999 999 488: its shortest text is 9E+09, the value the bands gave, where a
// fixed count of digits would show 8.999999. Worked in integers for the whole-number floats
// the GΩ range holds (all from 2^23 up); any other float gets its nine digits, which always
// read back.
std::string ShortestText(float value, int decimalShift) {
    if (value == 0) {
        return "0";
    }
    const auto bits = std::bit_cast<std::uint32_t>(value);
    const int biased = static_cast<int>((bits >> 23) & 0xFF);
    const std::uint64_t mantissa = (bits & 0x7FFFFF) | 0x800000;
    const int exponent = biased - 150;
    if ((bits >> 31) != 0 || biased == 0 || exponent < 0 || exponent > 36) {
        return SignificantText(static_cast<double>(value) * Power10(decimalShift), 9);
    }
    // In quarters, so that the half-way points to the neighbouring floats are whole. A
    // float read back from decimals rounds to even, so an even one keeps its half-way points.
    const std::uint64_t quarters = mantissa << (exponent + 2);
    const std::uint64_t above = std::uint64_t{1} << (exponent + 1);
    const std::uint64_t below = mantissa == 0x800000 && biased > 1 ? above / 2 : above;
    const bool inclusive = mantissa % 2 == 0;
    const std::uint64_t low = quarters - below + (inclusive ? 0 : 1);
    const std::uint64_t high = quarters + above - (inclusive ? 0 : 1);

    std::uint64_t digits = 0;
    int power = 0;
    std::uint64_t step = 4;  // 10^power in quarters
    for (int p = 0; p <= 17 && step <= high; ++p, step *= 10) {
        const std::uint64_t first = (low + step - 1) / step;
        const std::uint64_t last = high / step;
        if (first > last) {
            continue;
        }
        std::uint64_t nearest = quarters / step;
        const std::uint64_t rest = quarters % step;
        if (2 * rest > step || (2 * rest == step && nearest % 2 == 1)) {
            ++nearest;
        }
        digits = nearest < first ? first : nearest > last ? last : nearest;
        power = p;
    }
    std::string text = DecimalDigits(digits);
    const int whole = static_cast<int>(text.size()) + power + decimalShift;
    text.erase(text.find_last_not_of('0') + 1);
    return PlainDecimal(text, whole);
}

std::string IntegerText(int value) {
    return DecimalDigits(value);
}
