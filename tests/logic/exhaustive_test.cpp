#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

#include "reading_oracle.h"
#include "recording_elements.h"
#include "messages.h"

namespace {

void ExpectAgrees(const ReaderFixture& f, const Model& model, const std::string& where) {
    const size_t n = model.entered.size();
    for (size_t slot = 0; slot < kSlotCount; ++slot) {
        ASSERT_EQ(f.window.bandVisible[slot], slot < n) << where << " slot " << slot;
        if (slot < n) {
            ASSERT_EQ(f.window.bandColour[slot], TestSwatchColour(model.entered[slot])) << where;
        }
    }
    ASSERT_EQ(f.window.flipped, model.flipped) << where;
    ASSERT_EQ(f.window.resistanceText, model.resistance) << where;
    ASSERT_EQ(f.window.toleranceText, model.tolerance) << where;
}

std::string Describe(const std::vector<int>& codes) {
    return ::testing::PrintToString(codes);
}

// Every entry of three to five bands, read fresh: its exact decimal value, or the refusal. A second
// press reads the same, and so does reading any shorter entry first and then adding the rest of the
// bands.
TEST(Exhaustive, EveryEntryReadsTheSameHoweverItWasReached) {
    int entries = 0, refused = 0;
    for (int count = 3; count <= 5; ++count) {
        const int total = static_cast<int>(std::pow(12, count));
        for (int index = 0; index < total; ++index, ++entries) {
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
            f.window.calls.clear();
            f.reader.Evaluate();
            model.Evaluate();
            ExpectAgrees(f, model, Describe(codes));
            const std::vector<std::string> fresh = f.window.calls;
            if (!model.refusal.empty()) {
                ++refused;
                ASSERT_EQ(fresh, std::vector<std::string>{"Message " + model.refusal});
            }
            f.window.calls.clear();
            f.reader.Evaluate();
            ASSERT_EQ(f.window.calls, fresh) << "second press " << Describe(codes);

            for (int prefix = 3; prefix < count; ++prefix) {
                ReaderFixture g;
                g.Enter(std::vector<int>(codes.begin(), codes.begin() + prefix));
                g.reader.Evaluate();
                g.Enter(std::vector<int>(codes.begin() + prefix, codes.end()));
                g.window.calls.clear();
                g.reader.Evaluate();
                ASSERT_EQ(g.window.calls, fresh) << "after " << prefix << " " << Describe(codes);
            }
            if (::testing::Test::HasFatalFailure()) {
                return;
            }
        }
    }
    std::printf("exhaustive: %d of %d entries refused\n", refused, entries);
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
            if (!model.refusal.empty()) {
                ASSERT_EQ(f.window.calls, std::vector<std::string>{"Message " + model.refusal})
                    << history;
            }
            ExpectAgrees(f, model, history);
            if (::testing::Test::HasFatalFailure()) {
                return;
            }
        }
    }
}

}  // namespace
