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
// corner. The label owns its colours: its container reflects WM_CTLCOLORSTATIC back to it.
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

    Label() = default;
    Label(const Label&) = delete;
    Label& operator=(const Label&) = delete;

    bool Create(const Params& params, UINT dpi, HFONT font);
    void Place(UINT dpi, HFONT font);
    void SetText(const std::wstring& text);
    void Show(bool visible);
    // For a container's WM_CTLCOLORSTATIC: the brush of the Label that `control` is, or 0
    // for any other static control.
    static LRESULT Reflect(WPARAM dc, LPARAM control);

    HWND hwnd = nullptr;

private:
    static LRESULT CALLBACK Subclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR self) noexcept;
    LRESULT CtlColor(HDC dc) const;
    void FitText();

    Twips rect{};
    ColourValue textColour = kButtonText;
    ColourValue background = kButtonFace;
    Brush ownBrush;
    HFONT font = nullptr;
    bool fitsText = false;
};
