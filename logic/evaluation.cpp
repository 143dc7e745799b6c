#include <algorithm>
#include <iterator>

#include "resistor_reader.h"
#include "messages.h"

namespace {

// Exponents run from -2 (silver) to 9 (white). The compiler rounds each constant correctly,
// so no reading depends on a C runtime's pow.
constexpr int kMinExponent = 9 - kSilver;
constexpr double kPowersOfTen[] = {1e-2, 1e-1, 1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
static_assert(std::size(kPowersOfTen) == 9 - kMinExponent + 1);

// Black to white multiply by 10^code; gold and silver divide by 10 and 100.
int MultiplierExponent(BandCode code) {
    return code > 9 ? 9 - code : code;
}

}  // namespace

// Every press reads the bands on the screen afresh, so a second press gives the same
// reading, and a band added after a reading is read with all the others.
void ResistorReader::Evaluate() {
    if (BandCodes[2] == EMPTY_BAND) {
        window.ShowMessage(kTooFewBandsMessage);
        return;
    }
    BandSlots reading = BandCodes;
    const bool turned = CheckOrientation(reading);

    // Slot 4 tells four bands (two digits) from five (three digits).
    const int digitSlots = reading[4] == EMPTY_BAND ? 2 : 3;
    // Gold or silver still standing where a digit must be, either way round, is no resistor.
    if (std::any_of(reading.begin(), reading.begin() + digitSlots, CannotBeDigit)) {
        window.ShowMessage(kNotADigitMessage);
        return;
    }
    if (turned) {
        window.ShowFlipped(true);
    }
    int digits = 0;
    for (int slot = 0; slot < digitSlots; ++slot) {
        digits = digits * 10 + reading[slot];
    }
    const int exponent = MultiplierExponent(reading[digitSlots]);

    // Computed in double and rounded once to single: the float nearest the exact product.
    ResistanceValue = static_cast<float>(digits * kPowersOfTen[exponent - kMinExponent]);
    ShowResistance();
    window.SetToleranceText(ToleranceCaption(reading[digitSlots + 1]));
}
