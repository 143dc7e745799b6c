#include <gtest/gtest.h>

#include <vector>

#include "recording_elements.h"
#include "resistor_reader.h"

namespace {

using Calls = std::vector<std::string>;

// The window's controls may show anything before the load; the result texts keep what the
// layout gave them.
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
}

TEST(BandRegister, AppendSetsTheColourBeforeShowingTheNextPicture) {
    ReaderFixture f;
    f.Enter({2});
    EXPECT_EQ(f.window.calls,
              (Calls{"SwatchColour 2", "SetBandColour 0 " + std::to_string(TestSwatchColour(2)),
                     "ShowBand 0"}));
}

TEST(BandRegister, CodesOutsideThePaletteAreIgnored) {
    ReaderFixture f;
    for (int code : {-1, 12, 20, 32767}) {
        f.reader.Append(code);
    }
    EXPECT_TRUE(f.window.calls.empty());
}

}  // namespace
