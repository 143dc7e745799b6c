#pragma once

#include <windows.h>

#include <functional>

#include "band_code.h"
#include "dpi.h"
#include "gdi.h"

// A sunken box filled with one colour: a palette swatch or a band picture. It reports
// mouse clicks; the second click of a double-click is not a click. It takes the focus from
// the keyboard only, and shows it when keyboard cues are on; keys do nothing on it.
class ColourBox {
public:
    struct Params {
        HWND parent;
        int id;
        Twips rect;
        ColourValue colour;
        const Cursor* cursor;  // the owner's, which may change with the DPI
        bool visible;
        std::function<void()> onClick;
    };

    static bool Register(HINSTANCE instance);
    ColourBox() = default;
    ColourBox(const ColourBox&) = delete;
    ColourBox& operator=(const ColourBox&) = delete;

    bool Create(const Params& params, UINT dpi);
    void Place(UINT newDpi);
    void SetColour(ColourValue value);
    ColourValue Colour() const { return colour; }
    void Show(bool visible);

    HWND hwnd = nullptr;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void ChooseBrush();
    void Paint(HDC dc);

    Twips rect{};
    UINT dpi = 96;
    ColourValue colour = 0;
    Brush ownBrush;
    const Cursor* cursor = nullptr;
    std::function<void()> onClick;
    bool pressed = false;
};
