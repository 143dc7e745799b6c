#pragma once

#include <string_view>

#include "band_code.h"

// The main window's elements as the reading logic uses them. Texts are UTF-8.
class Elements {
public:
    virtual ColourValue SwatchColour(int code) = 0;                // Picture1(code)
    virtual void SetBandColour(int slot, ColourValue colour) = 0;  // Picture2(slot)
    virtual void ShowBand(int slot, bool visible) = 0;             // Picture2(slot)
    virtual void SetResistanceText(std::string_view text) = 0;     // Label2
    virtual void SetToleranceText(std::string_view text) = 0;      // Label3
    virtual void ShowFlipped(bool visible) = 0;                    // Image1, then Label4
    virtual void ShowMessage(std::string_view text) = 0;           // modal, titled "提示"

protected:
    ~Elements() = default;
};
