#pragma once

#include <array>
#include <string>
#include <string_view>

#include "band_code.h"
#include "elements.h"

using BandSlots = std::array<BandCode, kSlotCount>;

// The reading state of the main window: the band register and the last resistance, with
// every operation that reads or changes them. The register always holds the bands in the
// order they were clicked; a reading turns a copy of it.
class ResistorReader {
public:
    explicit ResistorReader(Elements& elements) : window(elements) {}

    void Initialise();
    void Append(int code);
    void Reset();
    void Evaluate();

private:
    static bool CheckOrientation(BandSlots& reading);
    void ShowResistance();

    Elements& window;
    BandSlots BandCodes{EMPTY_BAND, EMPTY_BAND, EMPTY_BAND, EMPTY_BAND, EMPTY_BAND};
    BandCode BandCount = 0;
    float ResistanceValue = 0;
};

std::string ResistanceCaption(float ohms);
std::string_view ToleranceCaption(BandCode code);
