#include <gtest/gtest.h>

#include <vector>

#include "recording_elements.h"
#include "resistor_reader.h"
#include "messages.h"

namespace {

using Calls = std::vector<std::string>;
constexpr BandCode E = EMPTY_BAND;

// The window's controls may show anything before the load; the register starts empty.
TEST(BandRegister, InitialiseLowersTheIndicationAndHidesEveryBandButLeavesTheLabels) {
    RecordingElements window;
    window.bandVisible.fill(true);
    window.flipped = true;
    window.resistanceText = "layout";
    ResistorReader reader(window);
    reader.Initialise();
    EXPECT_EQ(window.bandVisible, (std::array<bool, 5>{}));
    EXPECT_FALSE(window.flipped);
    EXPECT_EQ(window.resistanceText, "layout");
    EXPECT_EQ(reader.Count(), 0);
    EXPECT_EQ(reader.Codes(), (std::array<BandCode, 5>{E, E, E, E, E}));
}

TEST(BandRegister, AppendSetsTheColourBeforeShowingTheNextPicture) {
    ReaderFixture f;
    f.Enter({2});
    EXPECT_EQ(f.window.calls,
              (Calls{"SwatchColour 2", "SetBandColour 0 " + std::to_string(TestSwatchColour(2)),
                     "ShowBand 0"}));
}

TEST(BandRegister, SixthBandOnlyShowsTheMessage) {
    ReaderFixture f;
    f.Enter({4, 4, 4, 4, 4});
    f.window.calls.clear();
    f.reader.Append(9);
    EXPECT_EQ(f.window.calls, (Calls{std::string("Message ") + kSixthBandMessage}));
    EXPECT_EQ(f.reader.Count(), 5);
    EXPECT_EQ(f.reader.Codes(), (std::array<BandCode, 5>{4, 4, 4, 4, 4}));
}

TEST(BandRegister, CodesOutsideThePaletteAreIgnored) {
    ReaderFixture f;
    for (int code : {-1, 12, 20, 32767}) {
        f.reader.Append(code);
    }
    EXPECT_TRUE(f.window.calls.empty());
    EXPECT_EQ(f.reader.Count(), 0);
}

TEST(BandRegister, ResetClearsTheScreenAndTheNextBandLandsInSlotZero) {
    ReaderFixture f;
    f.Enter({10, 2, 0, 1});
    f.reader.Evaluate();
    f.reader.Reset();
    EXPECT_EQ(f.window.bandVisible, (std::array<bool, 5>{}));
    EXPECT_EQ(f.window.toleranceText, "");
    f.Enter({6});
    EXPECT_EQ(f.reader.Codes(), (std::array<BandCode, 5>{6, E, E, E, E}));
    EXPECT_TRUE(f.window.bandVisible[0]);
    EXPECT_FALSE(f.window.bandVisible[1]);
    EXPECT_EQ(f.window.bandColour[0], TestSwatchColour(6));
    EXPECT_FALSE(f.window.flipped);
    EXPECT_EQ(f.window.resistanceText, "");
}

TEST(BandRegister, AppendAfterAReadingLeavesTheReadingOnScreen) {
    ReaderFixture f;
    f.Enter({10, 2, 0, 1});
    f.reader.Evaluate();
    f.window.calls.clear();
    f.Enter({5});
    for (const std::string& call : f.window.calls) {
        EXPECT_EQ(call.find("Label"), std::string::npos) << call;
        EXPECT_EQ(call.find("Flipped"), std::string::npos) << call;
    }
    EXPECT_EQ(f.window.resistanceText, "1KΩ");
    EXPECT_TRUE(f.window.flipped);
    EXPECT_EQ(f.reader.Codes(), (std::array<BandCode, 5>{10, 2, 0, 1, 5}));
}

}  // namespace
