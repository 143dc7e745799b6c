#include <gtest/gtest.h>

#include <vector>

#include "recording_elements.h"

namespace {

constexpr BandCode E = EMPTY_BAND;
using Slots = std::array<BandCode, 5>;

struct Case {
    std::vector<int> entered;
    Slots afterFirst;
    Slots afterSecond;
    bool raised;
};

// Each case is evaluated twice: a corrected order stays put, and an order that fails the
// test both ways round turns at every evaluation.
const Case kCases[] = {
    {{1, 0, 2, 10}, {1, 0, 2, 10, E}, {1, 0, 2, 10, E}, false},
    {{10, 2, 0, 1}, {1, 0, 2, 10, E}, {1, 0, 2, 10, E}, true},
    {{2, 2, 0, 0, 1}, {2, 2, 0, 0, 1}, {2, 2, 0, 0, 1}, false},
    {{11, 1, 0, 0, 1}, {1, 0, 0, 1, 11}, {1, 0, 0, 1, 11}, true},
    {{1, 11, 0, 0, 1}, {1, 0, 0, 11, 1}, {1, 0, 0, 11, 1}, true},
    // Gold or silver in slot 3 alone is never looked at.
    {{1, 0, 0, 10, 2}, {1, 0, 0, 10, 2}, {1, 0, 0, 10, 2}, false},
    {{1, 0, 0, 11}, {1, 0, 0, 11, E}, {1, 0, 0, 11, E}, false},
    // Gold or silver at both ends alternates between the two orders, as does gold in
    // the middle of five.
    {{10, 4, 7, 10}, {10, 7, 4, 10, E}, {10, 4, 7, 10, E}, true},
    {{10, 1, 2, 3, 11}, {11, 3, 2, 1, 10}, {10, 1, 2, 3, 11}, true},
    {{1, 0, 10, 2, 2}, {2, 2, 10, 0, 1}, {1, 0, 10, 2, 2}, true},
    // Three bands turn around on their own slots; the empty slots stay at the end.
    {{10, 7, 4}, {4, 7, 10, E, E}, {4, 7, 10, E, E}, true},
    {{11, 0, 1}, {1, 0, 11, E, E}, {1, 0, 11, E, E}, true},
    {{4, 7, 10}, {4, 7, 10, E, E}, {4, 7, 10, E, E}, false},
    {{10, 7, 11}, {11, 7, 10, E, E}, {10, 7, 11, E, E}, true},
};

TEST(Orientation, ReversesEntriesThatCanOnlyBeBackwards) {
    for (const Case& c : kCases) {
        ReaderFixture f;
        f.Enter(c.entered);
        f.reader.Evaluate();
        EXPECT_EQ(f.reader.Codes(), c.afterFirst) << ::testing::PrintToString(c.entered);
        EXPECT_EQ(f.window.flipped, c.raised);
        f.reader.Evaluate();
        EXPECT_EQ(f.reader.Codes(), c.afterSecond) << ::testing::PrintToString(c.entered);
        EXPECT_EQ(f.window.flipped, c.raised);
        EXPECT_EQ(f.reader.Count(), static_cast<int>(c.entered.size()));
    }
}

TEST(Orientation, NeverTouchesTheBandPictures) {
    ReaderFixture f;
    f.Enter({10, 2, 0, 1});
    f.window.calls.clear();
    f.reader.CheckOrientation();
    EXPECT_EQ(f.window.calls, std::vector<std::string>{"ShowFlipped"});
    for (int slot = 0; slot < 4; ++slot) {
        EXPECT_EQ(f.window.bandColour[slot], TestSwatchColour(std::vector{10, 2, 0, 1}[slot]));
    }
}

TEST(Orientation, IndicationStaysRaisedUntilReset) {
    ReaderFixture f;
    f.Enter({10, 2, 0, 1});
    f.reader.Evaluate();
    f.reader.Reset();
    EXPECT_FALSE(f.window.flipped);
    f.Enter({1, 0, 2, 10});
    f.reader.Evaluate();
    EXPECT_FALSE(f.window.flipped);
    f.reader.Reset();
    f.Enter({11, 0, 1});
    f.reader.Evaluate();
    f.Enter({2});
    f.reader.Evaluate();
    EXPECT_TRUE(f.window.flipped);
}

}  // namespace
