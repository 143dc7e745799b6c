#pragma once

#include <windows.h>

#include <functional>

#include "gdi.h"
#include "label.h"

// FrmBQ: the borderless green card with the name, version and year that stands in front
// while the main window comes up.
class StartupCard {
public:
    static void Register(HINSTANCE instance);
    StartupCard() = default;
    StartupCard(const StartupCard&) = delete;
    StartupCard& operator=(const StartupCard&) = delete;
    ~StartupCard();

    void Show(HINSTANCE instance);
    void Close();
    bool IsOpen() const { return hwnd != nullptr; }
    // Whether the card was the active window since the last call.
    bool TakeActivation();

    std::function<void()> onClosed;
    HWND hwnd = nullptr;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void CreateDrawingTools();
    void LoadPortrait();
    void ApplyDpi(UINT newDpi, const RECT& suggested);
    void Paint(HDC dc);
    bool OnSurface(POINT at) const;

    UINT dpi = 96;
    Font titleFont, textFont;
    Pen linePens[2];
    Icon portrait;
    Brush green;
    Label Label1, Label2, Label3, Label4;
    bool wasActive = false;
    bool shown = false;
};
