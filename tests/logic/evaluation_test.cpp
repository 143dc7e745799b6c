#include <gtest/gtest.h>

#include <vector>

#include "recording_elements.h"
#include "messages.h"

namespace {

constexpr BandCode E = EMPTY_BAND;

struct Case {
    std::vector<int> entered;
    std::array<BandCode, 5> slots;
    double stored;
    const char* resistance;
    const char* tolerance;
};

const Case kReadings[] = {
    {{1, 0, 2, 10}, {1, 0, 2, 10, E}, 1000, "1KΩ", "允许偏差±5%"},
    {{10, 2, 0, 1}, {1, 0, 2, 10, E}, 1000, "1KΩ", "允许偏差±5%"},
    {{4, 7, 11}, {4, 7, 11, E, E}, 0.469999998807907, "0.47Ω", "允许偏差未知"},
    {{4, 7, 10, 10}, {4, 7, 10, 10, E}, 4.69999980926514, "4.7Ω", "允许偏差±5%"},
    {{0, 0, 0}, {0, 0, 0, E, E}, 0, "0Ω", "允许偏差未知"},
    {{6, 8, 5}, {6, 8, 5, E, E}, 6800000, "6.8MΩ", "允许偏差未知"},
    {{4, 7, 8}, {4, 7, 8, E, E}, 4700000256, "4.7GΩ", "允许偏差未知"},
    {{1, 0, 9, 6}, {1, 0, 9, 6, E}, 1e10, "10GΩ", "允许偏差±0.25%"},
    {{9, 9, 9}, {9, 9, 9, E, E}, 99000000512, "99GΩ", "允许偏差未知"},
    {{1, 10, 2, 10}, {1, 10, 2, 10, E}, 2000, "2KΩ", "允许偏差±5%"},
    {{2, 2, 0, 0, 1}, {2, 2, 0, 0, 1}, 220, "220Ω", "允许偏差±1%"},
    {{1, 0, 0, 1, 1}, {1, 0, 0, 1, 1}, 1000, "1KΩ", "允许偏差±1%"},
    {{4, 7, 5, 10, 2}, {4, 7, 5, 10, 2}, 47.5, "47.5Ω", "允许偏差±2%"},
    {{1, 0, 10, 2, 2}, {2, 2, 10, 0, 1}, 230, "230Ω", "允许偏差±1%"},
    {{9, 9, 9, 9, 5}, {9, 9, 9, 9, 5}, 998999982080, "999GΩ", "允许偏差±0.5%"},
    // Three bands from the wrong end read as the same three bands the right way round.
    {{10, 7, 4}, {4, 7, 10, E, E}, 4.69999980926514, "4.7Ω", "允许偏差未知"},
    {{11, 2, 2}, {2, 2, 11, E, E}, 0.219999998807907, "0.22Ω", "允许偏差未知"},
    // Every tolerance colour, in the four-band and the five-band place.
    {{1, 0, 0, 7}, {1, 0, 0, 7, E}, 10, "10Ω", "允许偏差±0.1%"},
    {{1, 0, 0, 11}, {1, 0, 0, 11, E}, 10, "10Ω", "允许偏差±10%"},
    {{1, 0, 0, 0, 0}, {1, 0, 0, 0, 0}, 100, "100Ω", "允许偏差未知"},
    {{1, 0, 0, 0, 3}, {1, 0, 0, 0, 3}, 100, "100Ω", "允许偏差未知"},
    {{1, 0, 0, 0, 4}, {1, 0, 0, 0, 4}, 100, "100Ω", "允许偏差未知"},
    {{1, 0, 0, 0, 8}, {1, 0, 0, 0, 8}, 100, "100Ω", "允许偏差未知"},
    {{1, 0, 0, 0, 9}, {1, 0, 0, 0, 9}, 100, "100Ω", "允许偏差未知"},
    {{1, 0, 0, 0, 6}, {1, 0, 0, 0, 6}, 100, "100Ω", "允许偏差±0.25%"},
    // Silver multiplies by a hundredth; gold in a digit slot counts as ten.
    {{9, 9, 11, 10}, {9, 9, 11, 10, E}, 0.99, "0.99Ω", "允许偏差±5%"},
    {{1, 0, 11}, {1, 0, 11, E, E}, 0.1, "0.1Ω", "允许偏差未知"},
    {{1, 2, 10, 11, 1}, {1, 11, 10, 2, 1}, 22000, "22KΩ", "允许偏差±1%"},
};

TEST(Evaluation, ReadsTheResistanceAndTolerance) {
    for (const Case& c : kReadings) {
        ReaderFixture f;
        f.Enter(c.entered);
        f.reader.Evaluate();
        const std::string name = ::testing::PrintToString(c.entered);
        EXPECT_EQ(f.reader.Codes(), c.slots) << name;
        EXPECT_EQ(f.reader.Value(), static_cast<float>(c.stored)) << name;
        EXPECT_EQ(f.window.resistanceText, c.resistance) << name;
        EXPECT_EQ(f.window.toleranceText, c.tolerance) << name;
    }
}

TEST(Evaluation, WritesResistanceBeforeTolerance) {
    ReaderFixture f;
    f.Enter({2, 2, 0, 0, 1});
    f.window.calls.clear();
    f.reader.Evaluate();
    ASSERT_EQ(f.window.calls.size(), 2u);
    EXPECT_EQ(f.window.calls[0], "Label2 220Ω");
    EXPECT_EQ(f.window.calls[1], "Label3 允许偏差±1%");
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

TEST(Evaluation, ResetLeavesTheStoredValue) {
    ReaderFixture f;
    f.Enter({4, 7, 2});
    f.reader.Evaluate();
    f.reader.Reset();
    EXPECT_EQ(f.reader.Value(), 4700.0f);
}

}  // namespace
