#include <gtest/gtest.h>

#include <sstream>

#include "messages.h"
#include "recording_elements.h"

namespace {

// What the window shows after a run of actions: a band code clicks that swatch, "=" reads
// and "R" starts over. The last action's message, if any, comes first.
std::string Shown(const char* actions) {
    ReaderFixture f;
    std::istringstream in(actions);
    for (std::string action; in >> action;) {
        f.window.calls.clear();
        if (action == "=") {
            f.reader.Evaluate();
        } else if (action == "R") {
            f.reader.Reset();
        } else {
            f.reader.Append(std::stoi(action));
        }
    }
    std::string shown;
    if (f.window.calls.size() == 1 && f.window.calls[0].starts_with("Message ")) {
        shown = f.window.calls[0].substr(8) + " / ";
    }
    return shown + f.window.resistanceText + " " + f.window.toleranceText +
           (f.window.flipped ? " 自动翻转" : "");
}

TEST(Evaluation, EveryReadingBelongsToTheBandsOnTheScreen) {
    const std::string refused = std::string(kNotADigitMessage) + " / ";
    const std::string tooFew = std::string(kTooFewBandsMessage) + " / ";
    const std::pair<const char*, std::string> cases[] = {
        {"1 0 2 10 = =", "1KΩ 允许偏差±5%"},
        {"10 2 0 1 = =", "1KΩ 允许偏差±5% 自动翻转"},
        {"4 7 11 =", "0.47Ω 允许偏差未知"},
        {"4 7 10 10 =", "4.7Ω 允许偏差±5%"},
        {"0 0 0 =", "0Ω 允许偏差未知"},
        {"6 8 5 =", "6.8MΩ 允许偏差未知"},
        {"4 7 8 =", "4.7GΩ 允许偏差未知"},
        {"1 0 9 6 =", "10GΩ 允许偏差±0.25%"},
        {"9 9 9 =", "99GΩ 允许偏差未知"},
        {"2 2 0 0 1 =", "220Ω 允许偏差±1%"},
        {"4 7 5 10 2 =", "47.5Ω 允许偏差±2%"},
        {"9 9 9 9 5 =", "999GΩ 允许偏差±0.5%"},
        {"9 9 11 10 =", "0.99Ω 允许偏差±5%"},
        {"1 0 0 7 =", "10Ω 允许偏差±0.1%"},
        {"1 0 0 0 9 =", "100Ω 允许偏差未知"},
        // Three bands from the wrong end read as the same three bands the right way round.
        {"10 7 4 =", "4.7Ω 允许偏差未知 自动翻转"},
        {"11 2 2 =", "0.22Ω 允许偏差未知 自动翻转"},
        // A band added after a reversed reading is read with the bands as clicked.
        {"10 2 0 1 = 5 =", "51KΩ 允许偏差±5% 自动翻转"},
        {"10 7 4 = 2 =", "240MΩ 允许偏差±5% 自动翻转"},
        {"11 0 1 = 2 =", "21Ω 允许偏差±10% 自动翻转"},
        // Five bands turn when any of the first three cannot be a digit; the fourth is
        // never looked at.
        {"11 1 0 0 1 =", "1KΩ 允许偏差±10% 自动翻转"},
        {"1 0 0 10 2 =", "10Ω 允许偏差±2%"},
        // Gold or silver in a digit place either way round is refused, as are fewer than
        // three bands, and the screen keeps what it showed.
        {"1 0 10 10 = 1 =", refused + "1Ω 允许偏差±5%"},
        {"10 7 11 = =", refused + " "},
        {"1 10 2 10 =", refused + " "},
        {"10 4 7 10 = = =", refused + " "},
        {"1 0 10 2 2 =", refused + " "},
        {"1 2 10 11 1 =", refused + " "},
        {"10 2 0 1 = 10 =", refused + "1KΩ 允许偏差±5% 自动翻转"},
        {"=", tooFew + " "},
        {"10 2 0 1 = R 10 10 =", tooFew + " "},
        // The indication stays raised until the next start over.
        {"10 2 0 1 = R 1 0 2 10 =", "1KΩ 允许偏差±5%"},
        {"10 2 0 1 = R", " "},
    };
    for (const auto& [actions, shown] : cases) {
        EXPECT_EQ(Shown(actions), shown) << actions;
    }
}

}  // namespace
