#pragma once

#include <array>
#include <string>
#include <vector>

#include "elements.h"

// Stands in for the main window: records every call in order and keeps what a person
// would see.
class RecordingElements : public Elements {
public:
    ColourValue SwatchColour(int code) override;
    void SetBandColour(int slot, ColourValue colour) override;
    void ShowBand(int slot, bool visible) override;
    void SetResistanceText(std::string_view text) override;
    void SetToleranceText(std::string_view text) override;
    void ShowFlipped(bool visible) override;
    void ShowMessage(std::string_view text) override;

    std::vector<std::string> calls;
    std::array<ColourValue, kSlotCount> bandColour{};
    std::array<bool, kSlotCount> bandVisible{};
    std::string resistanceText;
    std::string toleranceText;
    bool flipped = false;
};

// A swatch colour per code, gold as a system-colour reference as in the real palette.
ColourValue TestSwatchColour(int code);

#include <initializer_list>

#include "resistor_reader.h"

// A freshly loaded reader, its start-up calls already cleared.
struct ReaderFixture {
    RecordingElements window;
    ResistorReader reader{window};

    ReaderFixture() {
        reader.Initialise();
        window.calls.clear();
    }
    template <typename Codes>
    void Enter(const Codes& codes) {
        for (int code : codes) {
            reader.Append(code);
        }
    }
    void Enter(std::initializer_list<int> codes) { Enter<>(codes); }
};
