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

// The fewest significant digits that read back as the same float, the nearer where two do,
// in units of 10^9. The float nearest 9 × 10^9 is 8 999 999 488: its shortest text is 9, the
// value the bands gave, where a fixed count of digits would show 8.999999. Every float from
// 2^24 up is a whole number, and these stay far below 2^53, so each candidate converts to
// double exactly and is rounded to float once, as reading it back would.
std::string GigaText(float ohms) {
    const auto exact = static_cast<std::uint64_t>(ohms);
    const auto readsBack = [ohms](std::uint64_t candidate) {
        return static_cast<float>(static_cast<double>(candidate)) == ohms;
    };
    std::uint64_t step = 1;
    while (step <= exact / 10) {
        step *= 10;
    }
    for (;; step /= 10) {
        const std::uint64_t down = exact / step * step;
        const std::uint64_t up = down + step;
        const bool downBack = readsBack(down);
        const bool upBack = readsBack(up);
        if (!downBack && !upBack) {
            continue;  // at the latest, down is the float itself once step is 1
        }
        const bool takeDown = downBack && (!upBack || exact - down < up - exact);
        std::string text = DecimalDigits(takeDown ? down : up);
        const int whole = static_cast<int>(text.size()) - 9;
        text.erase(text.find_last_not_of('0') + 1);
        return PlainDecimal(text, whole);
    }
}

std::string IntegerText(int value) {
    return DecimalDigits(value);
}
