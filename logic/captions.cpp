#include <charconv>

#include "resistor_reader.h"

// A reading is digits × 10^e, with at most three digits, so in the largest unit it reaches it
// has at most two decimals. The float nearest it lies far closer to a whole number of
// hundredths than half of one, so rounding to hundredths gives back the bands' own value:
// 4 700 000 256 reads 4.7GΩ.
std::string ResistanceCaption(float ohms) {
    struct Unit {
        double size;
        const char* name;
    };
    static constexpr Unit kUnits[] = {{1e9, "GΩ"}, {1e6, "MΩ"}, {1e3, "KΩ"}, {1, "Ω"}};
    const Unit* unit = kUnits;
    while (ohms < unit->size && unit->size > 1) {
        ++unit;
    }
    const auto hundredths = static_cast<unsigned long long>(ohms / unit->size * 100 + 0.5);
    char digits[24];
    std::string text(digits, std::to_chars(digits, digits + sizeof digits, hundredths / 100).ptr);
    if (const auto fraction = hundredths % 100; fraction != 0) {
        text += '.';
        text += static_cast<char>('0' + fraction / 10);
        if (fraction % 10 != 0) {
            text += static_cast<char>('0' + fraction % 10);
        }
    }
    return text + unit->name;
}

std::string_view ToleranceCaption(BandCode code) {
    switch (code) {
        case 1:
            return "允许偏差±1%";
        case 2:
            return "允许偏差±2%";
        case 5:
            return "允许偏差±0.5%";
        case 6:
            return "允许偏差±0.25%";
        case 7:
            return "允许偏差±0.1%";
        case kGold:
            return "允许偏差±5%";
        case kSilver:
            return "允许偏差±10%";
        default:
            return "允许偏差未知";
    }
}

void ResistorReader::ShowResistance() {
    window.SetResistanceText(ResistanceCaption(ResistanceValue));
}
