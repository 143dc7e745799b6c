#include "reading_oracle.h"

#include <algorithm>
#include <map>

#include "messages.h"

// The exact decimal value in the largest unit it reaches, with no trailing zeros.
std::string ExactCaption(std::int64_t digits, int exponent) {
    if (digits == 0) {
        return "0Ω";
    }
    std::string text = std::to_string(digits);
    const int leading = static_cast<int>(text.size()) - 1 + exponent;
    const int unitPower = leading >= 9 ? 9 : leading >= 6 ? 6 : leading >= 3 ? 3 : 0;
    const char* unit = leading >= 9 ? "GΩ" : leading >= 6 ? "MΩ" : leading >= 3 ? "KΩ" : "Ω";
    const int shift = exponent - unitPower;
    if (shift >= 0) {
        return text + std::string(shift, '0') + unit;
    }
    const size_t places = static_cast<size_t>(-shift);
    if (text.size() <= places) {
        text.insert(0, places - text.size() + 1, '0');
    }
    text.insert(text.size() - places, ".");
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') {
        text.pop_back();
    }
    return text + unit;
}

std::string ExpectedTolerance(int code) {
    static const std::map<int, std::string> known = {
        {1, "允许偏差±1%"},   {2, "允许偏差±2%"},  {5, "允许偏差±0.5%"}, {6, "允许偏差±0.25%"},
        {7, "允许偏差±0.1%"}, {10, "允许偏差±5%"}, {11, "允许偏差±10%"}};
    const auto it = known.find(code);
    return it == known.end() ? "允许偏差未知" : it->second;
}

void Model::Append(int code) {
    refusal.clear();
    if (entered.size() == 5) {
        refusal = kSixthBandMessage;
        return;
    }
    entered.push_back(code);
}

void Model::Reset() {
    refusal.clear();
    entered.clear();
    flipped = false;
    resistance.clear();
    tolerance.clear();
}

void Model::Evaluate() {
    refusal.clear();
    const size_t n = entered.size();
    if (n < 3) {
        refusal = kTooFewBandsMessage;
        return;
    }
    // Five bands need three digits in front, fewer need one.
    std::vector<int> reading = entered;
    const size_t looked = n == 5 ? 3 : 1;
    const auto notDigit = [](int c) { return c > 9; };
    const bool turned = std::any_of(reading.begin(), reading.begin() + looked, notDigit);
    if (turned) {
        std::reverse(reading.begin(), reading.end());
    }
    const size_t digitCount = n == 5 ? 3 : 2;
    if (std::any_of(reading.begin(), reading.begin() + digitCount, notDigit)) {
        refusal = kNotADigitMessage;
        return;
    }
    flipped = flipped || turned;
    std::int64_t digits = 0;
    for (size_t i = 0; i < digitCount; ++i) {
        digits = digits * 10 + reading[i];
    }
    const int m = reading[digitCount];
    const int exponent = m <= 9 ? m : 9 - m;
    resistance = ExactCaption(digits, exponent);
    tolerance = ExpectedTolerance(digitCount + 1 < n ? reading[digitCount + 1] : -1);
}
