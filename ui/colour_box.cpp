#include "colour_box.h"

#include "colours.h"
#include "control_ids.h"
#include "screen_cursor.h"
#include "window_proc.h"

bool ColourBox::Register(HINSTANCE instance) {
    // CS_DBLCLKS turns the second press of a double-click into WM_LBUTTONDBLCLK, which is
    // not a click. The box paints all of itself, so it needs no background brush.
    return RegisterWindowClass<ColourBox>(instance, kColourBoxClass, nullptr, CS_DBLCLKS);
}

bool ColourBox::Create(const Params& params, UINT atDpi) {
    rect = params.rect;
    dpi = atDpi;
    cursor = params.cursor;
    onClick = params.onClick;
    const DWORD visible = params.visible ? WS_VISIBLE : 0;
    colour = params.colour;
    ChooseBrush();
    CreateChild(params.parent, params.id, kColourBoxClass, ColourName(colour), WS_TABSTOP | visible,
                WS_EX_CLIENTEDGE, rect, dpi, this);
    return hwnd != nullptr;
}

void ColourBox::Place(UINT newDpi) {
    dpi = newDpi;
    PlaceWindow(hwnd, rect, dpi);
}

// The value is kept as given; a system colour is looked up at each paint. The window text
// names the colour, so screen readers can tell the bands.
void ColourBox::SetColour(ColourValue value) {
    colour = value;
    ChooseBrush();
    SetWindowTextW(hwnd, ColourName(value));
    InvalidateRect(hwnd, nullptr, TRUE);
}

void ColourBox::ChooseBrush() {
    ownBrush = (colour & kSystemColourFlag) != 0 ? Brush() : Brush(CreateSolidBrush(colour));
}

void ColourBox::Show(bool visible) {
    ShowWindow(hwnd, visible ? SW_SHOWNA : SW_HIDE);
}

void ColourBox::Paint(HDC dc) {
    RECT client;
    GetClientRect(hwnd, &client);
    HBRUSH brush = ownBrush.Get() != nullptr ? ownBrush.Get()
                                             : GetSysColorBrush(static_cast<int>(colour & 0xFF));
    FillRect(dc, &client, brush);
    if (GetFocus() == hwnd && (SendMessageW(hwnd, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) == 0) {
        const int inset = ScaleFrom96(2, dpi);
        InflateRect(&client, -inset, -inset);
        DrawFocusRect(dc, &client);
    }
}

LRESULT ColourBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (ServePaint(hwnd, message, wParam, [this](HDC dc) { Paint(dc); })) {
        return 0;
    }
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT && cursor != nullptr && cursor->Get() != nullptr) {
                if (!ApplyScreenCursor(lParam)) {
                    SetCursor(cursor->Get());
                }
                return TRUE;
            }
            break;
        case WM_LBUTTONDOWN:
            pressed = true;
            SetCapture(hwnd);
            return 0;
        case WM_LBUTTONUP: {
            const bool wasPressed = pressed;
            pressed = false;
            if (GetCapture() == hwnd) {
                ReleaseCapture();
            }
            RECT client;
            GetClientRect(hwnd, &client);
            const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            if (wasPressed && PtInRect(&client, at) && onClick) {
                onClick();
            }
            return 0;
        }
        case WM_CAPTURECHANGED:
            pressed = false;
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            InvalidateRect(hwnd, nullptr, FALSE);
            return 0;
        case WM_UPDATEUISTATE:
            InvalidateRect(hwnd, nullptr, FALSE);
            break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}
