#pragma once

#include <windows.h>

#include "band_code.h"

inline constexpr ColourValue kSystemColourFlag = 0x80000000u;

// A colour value is resolved only when drawn, so system colours follow the colour scheme.
inline COLORREF ResolveColour(ColourValue value) {
    return (value & kSystemColourFlag) != 0 ? GetSysColor(static_cast<int>(value & 0xFF))
                                            : static_cast<COLORREF>(value);
}

struct PaletteColour {
    ColourValue value;
    const wchar_t* name;
};

// The swatch colours, indexed by band code.
inline constexpr PaletteColour kPalette[kColourCount] = {
    {0x00000000, L"黑"},
    {0x00404080, L"棕"},
    {0x000000FF, L"红"},
    {0x000080FF, L"橙"},
    {0x0000FFFF, L"黄"},
    {0x0000FF00, L"绿"},
    {0x00FF0000, L"蓝"},
    {0x00800080, L"紫"},
    {0x00808080, L"灰"},
    {0x00FFFFFF, L"白"},
    {kSystemColourFlag | COLOR_INFOBK, L"金"},
    {0x00E0E0E0, L"银"},
};

inline const wchar_t* ColourName(ColourValue value) {
    for (const PaletteColour& colour : kPalette) {
        if (colour.value == value) {
            return colour.name;
        }
    }
    return L"";
}
