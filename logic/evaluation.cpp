#include <cstdint>
#include <iterator>
#include <limits>

#include "decimal_format.h"
#include "resistor_reader.h"
#include "messages.h"

namespace {

// Exponents run from 9 - EMPTY_BAND to 9. The compiler rounds each constant correctly, so
// no reading depends on a C runtime's pow.
constexpr int kMinExponent = 9 - EMPTY_BAND;
constexpr double kPowersOfTen[] = {1e-11, 1e-10, 1e-9, 1e-8, 1e-7, 1e-6, 1e-5,
                                   1e-4,  1e-3,  1e-2, 1e-1, 1e0,  1e1,  1e2,
                                   1e3,   1e4,   1e5,  1e6,  1e7,  1e8,  1e9};
static_assert(std::size(kPowersOfTen) == 9 - kMinExponent + 1);

// The largest digit value, three slots of EMPTY_BAND, still fits the 16-bit band arithmetic.
static_assert(EMPTY_BAND * 111 <= std::numeric_limits<std::int16_t>::max());

// Black to white multiply by 10^code; gold and silver divide by 10 and 100.
int MultiplierExponent(BandCode code) {
    return code > 9 ? 9 - code : code;
}

}  // namespace

std::string ToleranceCaption(BandCode code) {
    switch (code) {
        case 1:
        case 2:
            return "允许偏差±" + IntegerText(code) + "%";
        case 5:
            return "允许偏差±0.5%";
        case 6:
            return "允许偏差±0.25%";
        case 7:
            return "允许偏差±0.1%";
        case kGold:
            return "允许偏差±5%";
        case kSilver:
            return "允许偏差±10%";
        default:
            return "允许偏差未知";
    }
}

void ResistorReader::Evaluate() {
    if (BandCodes[2] == EMPTY_BAND) {
        window.ShowMessage(kTooFewBandsMessage);
        return;
    }
    CheckOrientation();

    // Slot 4 tells four bands (two digits) from five (three digits).
    int digitSlots = 0;
    if (BandCodes[4] == EMPTY_BAND) {
        digitSlots = 2;
    } else if (IsColourCode(BandCodes[4])) {
        digitSlots = 3;
    } else {
        return;
    }
    int digits = 0;
    for (int slot = 0; slot < digitSlots; ++slot) {
        digits = digits * 10 + BandCodes[slot];
    }
    const int exponent = MultiplierExponent(BandCodes[digitSlots]);

    // Computed in double and rounded once to single: the float nearest the exact product.
    ResistanceValue = static_cast<float>(digits * kPowersOfTen[exponent - kMinExponent]);
    ShowResistance();
    window.SetToleranceText(ToleranceCaption(BandCodes[digitSlots + 1]));
}
