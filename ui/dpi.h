#pragma once

#include <windows.h>

// A position and size in twips, relative to the containing window's client area.
struct Twips {
    int left, top, width, height;
};

void EnableDpiAwareness();
UINT DpiOfWindow(HWND hwnd);
int TwipsToPixels(int twips, UINT dpi);
int PointsToPixels(int hundredthsOfPoint, UINT dpi);
int ScaleFrom96(int pixels, UINT dpi);
RECT ToPixels(const Twips& twips, UINT dpi);
void PlaceWindow(HWND hwnd, const Twips& twips, UINT dpi);
RECT WindowRectForClient(int width, int height, DWORD style, DWORD exStyle, UINT dpi);
void CenterOnWorkArea(HWND hwnd);
