#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <random>
#include <vector>

#include "recording_elements.h"
#include "texts.h"

namespace {

// The float nearest digits × 10^exponent, found with exact integer arithmetic (readings stay
// below 2^42, so 64 bits hold every step): scale the
// rational to 24 significant bits, then round half to even.
float NearestFloat(std::int64_t digits, int exponent) {
    if (digits == 0) {
        return 0;
    }
    std::uint64_t num = static_cast<std::uint64_t>(digits);
    std::uint64_t den = 1;
    for (int i = 0; i < exponent; ++i) {
        num *= 10;
    }
    for (int i = 0; i > exponent; --i) {
        den *= 10;
    }
    int binaryExponent = 0;
    while (num >= (den << 24)) {
        den <<= 1;
        ++binaryExponent;
    }
    while (num < (den << 23)) {
        num <<= 1;
        --binaryExponent;
    }
    auto q = static_cast<std::uint32_t>(num / den);
    const std::uint64_t twiceRest = 2 * (num % den);
    if (twiceRest > den || (twiceRest == den && (q & 1) != 0)) {
        ++q;
    }
    return std::ldexp(static_cast<float>(q), binaryExponent);
}

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

// What a person expects of the window, kept as plain lists instead of slots.
struct Model {
    std::vector<int> entered;  // in click order, as the band pictures show them
    std::vector<int> reading;  // in the order the next reading takes them
    bool flipped = false;
    std::string resistance, tolerance;
    float value = 0;
    std::vector<std::string> expectedCalls;  // only for refusals

    void Append(int code) {
        if (entered.size() == 5) {
            expectedCalls = {std::string("Message ") + kSixthBandMessage};
            return;
        }
        entered.push_back(code);
        reading.push_back(code);
    }
    void Reset() {
        entered.clear();
        reading.clear();
        flipped = false;
        resistance.clear();
        tolerance.clear();
    }
    void Evaluate() {
        const size_t n = reading.size();
        if (n < 3) {
            expectedCalls = {std::string("Message ") + kTooFewBandsMessage};
            return;
        }
        // Five bands need three digits in front, fewer need one.
        const size_t looked = n == 5 ? 3 : 1;
        if (std::any_of(reading.begin(), reading.begin() + looked, [](int c) { return c > 9; })) {
            std::reverse(reading.begin(), reading.end());
            flipped = true;
        }
        const size_t digitCount = n == 5 ? 3 : 2;
        std::int64_t digits = 0;
        for (size_t i = 0; i < digitCount; ++i) {
            digits = digits * 10 + reading[i];
        }
        const int m = reading[digitCount];
        const int exponent = m <= 9 ? m : 9 - m;
        value = NearestFloat(digits, exponent);
        resistance = ExactCaption(digits, exponent);
        tolerance = ExpectedTolerance(digitCount + 1 < n ? reading[digitCount + 1] : -1);
    }
};

void ExpectAgrees(const ReaderFixture& f, const Model& model, const std::string& where) {
    const size_t n = model.reading.size();
    ASSERT_EQ(f.reader.Count(), static_cast<int>(n)) << where;
    for (size_t slot = 0; slot < kSlotCount; ++slot) {
        const int code = slot < n ? model.reading[slot] : EMPTY_BAND;
        ASSERT_EQ(f.reader.Codes()[slot], code) << where << " slot " << slot;
        ASSERT_EQ(f.window.bandVisible[slot], slot < n) << where << " slot " << slot;
        if (slot < n) {
            ASSERT_EQ(f.window.bandColour[slot], TestSwatchColour(model.entered[slot])) << where;
        }
    }
    ASSERT_EQ(f.window.flipped, model.flipped) << where;
    ASSERT_EQ(f.window.resistanceText, model.resistance) << where;
    ASSERT_EQ(f.window.toleranceText, model.tolerance) << where;
    ASSERT_EQ(f.reader.Value(), model.value) << where;
}

std::string Describe(const std::vector<int>& codes) {
    return ::testing::PrintToString(codes);
}

TEST(Exhaustive, EveryEntryReadsTheNearestFloatAndItsExactDecimal) {
    for (int count = 3; count <= 5; ++count) {
        const int total = static_cast<int>(std::pow(12, count));
        for (int index = 0; index < total; ++index) {
            std::vector<int> codes;
            for (int i = 0, rest = index; i < count; ++i, rest /= 12) {
                codes.push_back(rest % 12);
            }
            ReaderFixture f;
            Model model;
            for (int code : codes) {
                f.reader.Append(code);
                model.Append(code);
            }
            for (int round = 0; round < 2; ++round) {
                f.reader.Evaluate();
                model.Evaluate();
                ExpectAgrees(f, model, Describe(codes));
                if (::testing::Test::HasFatalFailure()) {
                    return;
                }
            }
        }
    }
}

TEST(Exhaustive, RandomClicksKeepTheRegisterAndScreenInStep) {
    std::mt19937 random(20261208);
    for (int run = 0; run < 300; ++run) {
        ReaderFixture f;
        Model model;
        std::string history;
        for (int action = 0; action < 100; ++action) {
            const int roll = static_cast<int>(random() % 20);
            f.window.calls.clear();
            model.expectedCalls.clear();
            if (roll < 12) {
                const int code = static_cast<int>(random() % 12);
                history += " +" + std::to_string(code);
                f.reader.Append(code);
                model.Append(code);
            } else if (roll < 18) {
                history += " =";
                f.reader.Evaluate();
                model.Evaluate();
            } else {
                history += " R";
                f.reader.Reset();
                model.Reset();
            }
            if (!model.expectedCalls.empty()) {
                ASSERT_EQ(f.window.calls, model.expectedCalls) << history;
            }
            ExpectAgrees(f, model, history);
            if (::testing::Test::HasFatalFailure()) {
                return;
            }
        }
    }
}

}  // namespace
