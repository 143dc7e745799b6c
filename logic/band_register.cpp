#include "resistor_reader.h"
#include "messages.h"

void ResistorReader::Initialise() {
    window.ShowFlipped(false);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        window.ShowBand(slot, false);
        BandCodes[slot] = EMPTY_BAND;
    }
    BandCount = 0;
}

// The result texts and the flipped indication stay as they are: a reading stays on screen
// until the next evaluation or reset.
void ResistorReader::Append(int code) {
    if (!IsColourCode(code)) {
        return;
    }
    if (BandCount >= kSlotCount) {
        window.ShowMessage(kSixthBandMessage);
        return;
    }
    // The colour is set before the picture shows, so a hidden picture's old colour never
    // flashes up.
    window.SetBandColour(BandCount, window.SwatchColour(code));
    window.ShowBand(BandCount, true);
    BandCodes[BandCount] = static_cast<BandCode>(code);
    ++BandCount;
}

// Start-up's empty register, with the result texts emptied too.
void ResistorReader::Reset() {
    window.SetResistanceText("");
    window.SetToleranceText("");
    Initialise();
}
