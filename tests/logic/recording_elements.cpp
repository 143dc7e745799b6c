#include "recording_elements.h"

#include <charconv>

namespace {

// Appends "name n1 n2 text" as one call, built in place: the fake is also what the logic
// benchmark measures against, so it should cost little beside the logic.
void Record(std::vector<std::string>& calls, std::string_view name,
            std::initializer_list<long long> numbers, std::string_view text = {}) {
    std::string& call = calls.emplace_back(name);
    for (long long number : numbers) {
        char digits[24];
        call += ' ';
        call.append(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
    }
    if (!text.empty() || numbers.size() == 0) {
        call += ' ';
        call += text;
    }
}

}  // namespace

ColourValue TestSwatchColour(int code) {
    return code == kGold ? 0x80000018u : 0x00100000u + static_cast<ColourValue>(code);
}

ColourValue RecordingElements::SwatchColour(int code) {
    Record(calls, "SwatchColour", {code});
    return TestSwatchColour(code);
}

void RecordingElements::SetBandColour(int slot, ColourValue colour) {
    Record(calls, "SetBandColour", {slot, colour});
    bandColour.at(slot) = colour;
}

void RecordingElements::ShowBand(int slot, bool visible) {
    Record(calls, visible ? "ShowBand" : "HideBand", {slot});
    bandVisible.at(slot) = visible;
}

void RecordingElements::SetResistanceText(std::string_view text) {
    Record(calls, "Label2", {}, text);
    resistanceText = text;
}

void RecordingElements::SetToleranceText(std::string_view text) {
    Record(calls, "Label3", {}, text);
    toleranceText = text;
}

void RecordingElements::ShowFlipped(bool visible) {
    calls.emplace_back(visible ? "ShowFlipped" : "HideFlipped");
    flipped = visible;
}

void RecordingElements::ShowMessage(std::string_view text) {
    Record(calls, "Message", {}, text);
}
