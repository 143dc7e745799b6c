#include <algorithm>

#include "resistor_reader.h"

// A band that cannot be a digit where a digit must stand means the bands were entered from
// the other end, so the reading takes them reversed. Only the reading's copy turns: the
// register and the band pictures keep the order the user clicked. True when it turned.
bool ResistorReader::CheckOrientation(BandSlots& reading) {
    int reversed = 0;
    if (reading[4] == EMPTY_BAND) {
        if (!CannotBeDigit(reading[0])) {
            return false;
        }
        // Three bands turn around on their own three slots, so an empty slot never moves
        // in front of an entered band.
        reversed = reading[3] == EMPTY_BAND ? 3 : 4;
    } else {
        if (std::none_of(reading.begin(), reading.begin() + 3, CannotBeDigit)) {
            return false;
        }
        reversed = 5;
    }
    std::reverse(reading.begin(), reading.begin() + reversed);
    return true;
}
