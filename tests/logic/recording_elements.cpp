#include "recording_elements.h"

ColourValue TestSwatchColour(int code) {
    return code == kGold ? 0x80000018u : 0x00100000u + static_cast<ColourValue>(code);
}

ColourValue RecordingElements::SwatchColour(int code) {
    calls.push_back("SwatchColour " + std::to_string(code));
    return TestSwatchColour(code);
}

void RecordingElements::SetBandColour(int slot, ColourValue colour) {
    calls.push_back("SetBandColour " + std::to_string(slot) + " " + std::to_string(colour));
    bandColour.at(slot) = colour;
}

void RecordingElements::ShowBand(int slot, bool visible) {
    calls.push_back((visible ? "ShowBand " : "HideBand ") + std::to_string(slot));
    bandVisible.at(slot) = visible;
}

void RecordingElements::SetResistanceText(std::string_view text) {
    calls.push_back("Label2 " + std::string(text));
    resistanceText = text;
}

void RecordingElements::SetToleranceText(std::string_view text) {
    calls.push_back("Label3 " + std::string(text));
    toleranceText = text;
}

void RecordingElements::ShowFlipped(bool visible) {
    calls.push_back(visible ? "ShowFlipped" : "HideFlipped");
    flipped = visible;
}

void RecordingElements::ShowMessage(std::string_view text) {
    calls.push_back("Message " + std::string(text));
}
