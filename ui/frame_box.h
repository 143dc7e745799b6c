#pragma once

#include <windows.h>

#include "band_code.h"
#include "dpi.h"

// A captioned group frame that contains its own child windows. It can also show a picture
// of its own, which is how the arrows of the flipped indication are drawn.
class FrameBox {
public:
    struct Params {
        HWND parent;
        int id;
        Twips rect;
        const wchar_t* caption;
        ColourValue captionColour;
    };

    static bool Register(HINSTANCE instance);
    FrameBox() = default;
    FrameBox(const FrameBox&) = delete;
    FrameBox& operator=(const FrameBox&) = delete;

    bool Create(const Params& params, UINT dpi, HFONT font);
    void Place(UINT dpi, HFONT font);
    void SetPicture(HICON icon, const Twips& where);
    void ShowPicture(bool visible);

    HWND hwnd = nullptr;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void Paint(HDC dc);

    Twips rect{};
    ColourValue captionColour = 0;
    HFONT font = nullptr;
    UINT dpi = 96;
    HICON picture = nullptr;
    Twips pictureRect{};
    bool pictureVisible = false;
};
