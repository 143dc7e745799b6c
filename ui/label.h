#pragma once

#include <windows.h>

#include <string>

#include "band_code.h"
#include "colours.h"
#include "dpi.h"
#include "gdi.h"

inline constexpr ColourValue kButtonText = kSystemColourFlag | COLOR_BTNTEXT;
inline constexpr ColourValue kButtonFace = kSystemColourFlag | COLOR_BTNFACE;

// A static text. A self-sizing label fits its box to its text on one line, from its top-left
// corner. The label owns its colours; its container hands WM_CTLCOLORSTATIC on to it.
class Label {
public:
    struct Params {
        HWND parent;
        int id;
        Twips rect;
        const wchar_t* text;
        ColourValue textColour = kButtonText;
        ColourValue background = kButtonFace;
        DWORD style = SS_LEFT;  // SS_CENTER, SS_NOTIFY to take clicks
        bool fitsText = false;
        bool visible = true;
    };

    void Create(const Params& params, UINT dpi, HFONT font);
    void Place(UINT dpi, HFONT font);
    void SetText(const std::wstring& text);
    void Show(bool visible);
    // For a container's WM_CTLCOLORSTATIC: the label's brush, or 0 when it is no Label.
    static LRESULT AnswerCtlColor(WPARAM dc, LPARAM control);

    HWND hwnd = nullptr;

private:
    void FitText();

    Twips rect{};
    ColourValue textColour = kButtonText;
    ColourValue background = kButtonFace;
    Brush ownBrush;
    HFONT font = nullptr;
    bool fitsText = false;
};
