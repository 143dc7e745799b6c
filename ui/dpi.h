#pragma once

#include <windows.h>

// A position and size in twips, relative to the containing window's client area.
struct Twips {
    int left, top, width, height;
};

// The window's DPI: from the window itself on Windows 10 1607 and later, from its monitor on
// Windows 8.1, and the system's on Windows 7.
UINT DpiOfWindow(HWND hwnd);
// Makes the functions of later systems look missing, so that tests can run the paths of
// older ones.
void HideNewerDpiFunctions(bool hide);
// The DPI a new top-level window on the primary monitor is made for.
UINT SystemDpi();
int TwipsToPixels(int twips, UINT dpi);
int PointsToPixels(int hundredthsOfPoint, UINT dpi);
int ScaleFrom96(int pixels, UINT dpi);
RECT ToPixels(const Twips& twips, UINT dpi);

// A child window created in its place for `dpi`; `param` reaches WM_NCCREATE.
HWND CreateChild(HWND parent, int id, const wchar_t* className, const wchar_t* text, DWORD style,
                 DWORD exStyle, const Twips& rect, UINT dpi, void* param = nullptr);
void PlaceWindow(HWND hwnd, const Twips& twips, UINT dpi);
// The frame of a top-level window whose client area is the given size in twips, centred on
// the primary monitor's work area; and the same applied to a window, which is left alone
// when it is already there.
RECT CentredFrame(int clientWidthTw, int clientHeightTw, DWORD style, DWORD exStyle, UINT dpi);
void SizeToClientAndCentre(HWND hwnd, int clientWidthTw, int clientHeightTw, UINT dpi);

// Asks Windows 10 1607 to scale a top-level window's title bar and borders with its DPI; for
// WM_NCCREATE. Later systems do it anyway, earlier ones cannot.
void EnableNonClientDpiScaling(HWND hwnd);
// WM_GETDPISCALEDSIZE, which the headers give only to programs for Windows 10.
inline constexpr UINT kWmGetDpiScaledSize = 0x02E4;
// WM_GETDPISCALEDSIZE (Windows 10 1703 and later): the frame that holds the client area of the
// given size at the new DPI, exactly, so that the place suggested next needs no correction.
// Unanswered, Windows would scale the title bar and borders linearly with the rest.
LRESULT AnswerDpiScaledSize(HWND hwnd, WPARAM wParam, LPARAM lParam, int clientWidthTw,
                            int clientHeightTw);
// The place the system suggests on a DPI change, with the frame that holds the client area
// of the given size at the new DPI; for a minimised window, its restore placement.
void TakeSuggestedPlace(HWND hwnd, const RECT& suggested, int clientWidthTw, int clientHeightTw,
                        UINT dpi);

// WM_DPICHANGED: `relayOut(dpi)` makes the new fonts and places every child; then the window
// moves where the system suggests and repaints.
template <typename RelayOut>
void FollowDpiChange(HWND hwnd, WPARAM wParam, LPARAM lParam, int clientWidthTw, int clientHeightTw,
                     RelayOut relayOut) {
    const auto dpi = static_cast<UINT>(LOWORD(wParam));
    relayOut(dpi);
    TakeSuggestedPlace(hwnd, *reinterpret_cast<const RECT*>(lParam), clientWidthTw, clientHeightTw,
                       dpi);
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}
