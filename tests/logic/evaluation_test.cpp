#include <gtest/gtest.h>

#include <vector>

#include "recording_elements.h"
#include "messages.h"

namespace {

struct Case {
    std::vector<int> entered;
    bool flipped;
    double stored;
    const char* resistance;
    const char* tolerance;
};

const Case kReadings[] = {
    {{1, 0, 2, 10}, false, 1000, "1KΩ", "允许偏差±5%"},
    {{10, 2, 0, 1}, true, 1000, "1KΩ", "允许偏差±5%"},
    {{4, 7, 11}, false, 0.469999998807907, "0.47Ω", "允许偏差未知"},
    {{4, 7, 10, 10}, false, 4.69999980926514, "4.7Ω", "允许偏差±5%"},
    {{0, 0, 0}, false, 0, "0Ω", "允许偏差未知"},
    {{6, 8, 5}, false, 6800000, "6.8MΩ", "允许偏差未知"},
    {{4, 7, 8}, false, 4700000256, "4.7GΩ", "允许偏差未知"},
    {{1, 0, 9, 6}, false, 1e10, "10GΩ", "允许偏差±0.25%"},
    {{9, 9, 9}, false, 99000000512, "99GΩ", "允许偏差未知"},
    {{2, 2, 0, 0, 1}, false, 220, "220Ω", "允许偏差±1%"},
    {{1, 0, 0, 1, 1}, false, 1000, "1KΩ", "允许偏差±1%"},
    {{4, 7, 5, 10, 2}, false, 47.5, "47.5Ω", "允许偏差±2%"},
    {{9, 9, 9, 9, 5}, false, 998999982080, "999GΩ", "允许偏差±0.5%"},
    // Three bands from the wrong end read as the same three bands the right way round.
    {{10, 7, 4}, true, 4.69999980926514, "4.7Ω", "允许偏差未知"},
    {{11, 2, 2}, true, 0.219999998807907, "0.22Ω", "允许偏差未知"},
    // Every tolerance colour, in the four-band and the five-band place.
    {{1, 0, 0, 7}, false, 10, "10Ω", "允许偏差±0.1%"},
    {{1, 0, 0, 11}, false, 10, "10Ω", "允许偏差±10%"},
    {{1, 0, 0, 0, 0}, false, 100, "100Ω", "允许偏差未知"},
    {{1, 0, 0, 0, 3}, false, 100, "100Ω", "允许偏差未知"},
    {{1, 0, 0, 0, 4}, false, 100, "100Ω", "允许偏差未知"},
    {{1, 0, 0, 0, 8}, false, 100, "100Ω", "允许偏差未知"},
    {{1, 0, 0, 0, 9}, false, 100, "100Ω", "允许偏差未知"},
    {{1, 0, 0, 0, 6}, false, 100, "100Ω", "允许偏差±0.25%"},
    // Silver multiplies by a hundredth.
    {{9, 9, 11, 10}, false, 0.99, "0.99Ω", "允许偏差±5%"},
    {{1, 0, 11}, false, 0.1, "0.1Ω", "允许偏差未知"},
};

TEST(Evaluation, ReadsTheResistanceAndTolerance) {
    for (const Case& c : kReadings) {
        ReaderFixture f;
        f.Enter(c.entered);
        f.reader.Evaluate();
        const std::string name = ::testing::PrintToString(c.entered);
        EXPECT_EQ(f.window.flipped, c.flipped) << name;
        EXPECT_EQ(f.reader.Value(), static_cast<float>(c.stored)) << name;
        EXPECT_EQ(f.window.resistanceText, c.resistance) << name;
        EXPECT_EQ(f.window.toleranceText, c.tolerance) << name;
    }
}

TEST(Evaluation, FewerThanThreeBandsOnlyShowsTheMessage) {
    for (int count = 0; count < 3; ++count) {
        ReaderFixture f;
        f.Enter({10, 2, 0, 1});
        f.reader.Evaluate();
        f.reader.Reset();
        for (int i = 0; i < count; ++i) {
            f.reader.Append(10);
        }
        const auto codes = f.reader.Codes();
        const float value = f.reader.Value();
        f.window.calls.clear();
        f.reader.Evaluate();
        EXPECT_EQ(f.window.calls,
                  std::vector<std::string>{std::string("Message ") + kTooFewBandsMessage});
        EXPECT_EQ(f.reader.Codes(), codes);
        EXPECT_EQ(f.reader.Value(), value);
        EXPECT_FALSE(f.window.flipped);
    }
}

}  // namespace
