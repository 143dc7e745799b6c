#include "decimal_format.h"
#include "resistor_reader.h"

// Scales to the largest unit the value reaches. Many values of 10^9 ohms and more are not
// exact floats, so GΩ is written from the shortest text that reads back as the stored float:
// 4 700 000 256 reads 4.7GΩ, not 4.700000256GΩ. Every value that reaches MΩ is an exact
// float and keeps its fifteen digits; seven hide the float error below 10^6.
std::string ResistanceCaption(float ohms) {
    const double value = ohms;
    if (value / 1e9 >= 1) {
        return GigaText(ohms) + "GΩ";
    }
    if (const double mega = value / 1e6; mega >= 1) {
        return SignificantText(mega, 15) + "MΩ";
    }
    if (const float kilo = ohms / 1000.0f; kilo >= 1) {
        return SignificantText(kilo, 7) + "KΩ";
    }
    return SignificantText(ohms, 7) + "Ω";
}

void ResistorReader::ShowResistance() {
    window.SetResistanceText(ResistanceCaption(ResistanceValue));
}
