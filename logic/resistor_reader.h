#pragma once

#include <array>
#include <string>

#include "band_code.h"
#include "elements.h"

// The reading state of the main window: the band register and the last resistance, with
// every operation that reads or changes them.
class ResistorReader {
public:
    explicit ResistorReader(Elements& elements) : window(elements) {}

    void Initialise();
    void Append(int code);
    void Reset();
    void Evaluate();
    void CheckOrientation();
    void ShowResistance();

    const std::array<BandCode, kSlotCount>& Codes() const { return BandCodes; }
    int Count() const { return BandCount; }
    float Value() const { return ResistanceValue; }

private:
    Elements& window;
    std::array<BandCode, kSlotCount> BandCodes{EMPTY_BAND, EMPTY_BAND, EMPTY_BAND, EMPTY_BAND,
                                               EMPTY_BAND};
    BandCode BandCount = 0;
    float ResistanceValue = 0;
};

std::string ResistanceCaption(float ohms);
std::string ToleranceCaption(BandCode code);
