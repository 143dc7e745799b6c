#pragma once

#include <windows.h>

#include <functional>

#include "band_code.h"
#include "dpi.h"
#include "gdi.h"

// A sunken box filled with one colour: a palette swatch or a band picture. It reports
// mouse clicks; the second click of a double-click is not a click.
class ColourBox {
public:
    struct Params {
        HWND parent;
        int id;
        Twips rect;
        ColourValue colour;
        HCURSOR cursor;
        bool visible;
        std::function<void()> onClick;
    };

    static void Register(HINSTANCE instance);
    void Create(const Params& params, UINT dpi);
    void Place(UINT dpi);
    void SetColour(ColourValue value);
    ColourValue Colour() const { return colour; }
    void Show(bool visible);

    HWND hwnd = nullptr;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void Paint(HDC dc);

    Twips rect{};
    ColourValue colour = 0;
    Brush ownBrush;
    HCURSOR cursor = nullptr;
    std::function<void()> onClick;
    bool pressed = false;
};
