#include <algorithm>

#include "resistor_reader.h"

namespace {

// Gold, silver and an empty slot can never be a significant digit.
bool CannotBeDigit(BandCode code) {
    return code > 9;
}

}  // namespace

// A band that cannot be a digit where a digit must stand means the bands were entered from
// the other end. The codes are reversed into reading order; the band pictures keep the
// order the user clicked, and the flipped indication tells that the reading used the
// reverse.
void ResistorReader::CheckOrientation() {
    int reversed = 0;
    if (BandCodes[4] == EMPTY_BAND) {
        if (!CannotBeDigit(BandCodes[0])) {
            return;
        }
        // Three bands turn around on their own three slots, so an empty slot never moves
        // in front of an entered band.
        reversed = BandCodes[3] == EMPTY_BAND ? 3 : 4;
    } else if (IsColourCode(BandCodes[4])) {
        if (!CannotBeDigit(BandCodes[0]) && !CannotBeDigit(BandCodes[1]) &&
            !CannotBeDigit(BandCodes[2])) {
            return;
        }
        reversed = 5;
    } else {
        return;
    }
    std::reverse(BandCodes.begin(), BandCodes.begin() + reversed);
    window.ShowFlipped(true);
}
