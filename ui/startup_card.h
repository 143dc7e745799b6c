#pragma once

#include <windows.h>

#include <functional>

#include "gdi.h"
#include "label.h"

// FrmBQ: the borderless green card with the name, version and year that stands in front
// while the main window comes up. It closes itself when clicked, and reports to the program
// when it becomes active and when it has closed.
class StartupCard {
public:
    static bool Register(HINSTANCE instance);
    StartupCard() = default;
    StartupCard(const StartupCard&) = delete;
    StartupCard& operator=(const StartupCard&) = delete;
    ~StartupCard();

    // Creates and shows the card, drawn completely before this returns.
    bool Show(HINSTANCE instance);
    void Close();
    bool IsOpen() const { return hwnd != nullptr; }

    std::function<void()> onActivated;
    std::function<void()> onClosed;
    HWND hwnd = nullptr;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    bool CreateDrawingTools();
    bool CreateTexts();
    void LoadPortrait();
    void RelayOut(UINT newDpi);
    void Paint(HDC dc);
    bool OnSurface(LPARAM at) const;
    void Form_Click();

    UINT dpi = 96;
    Font titleFont, textFont;
    Pen linePens[2];
    Icon portrait;
    Brush green;
    Label Label1, Label2, Label3, Label4;
    bool pressedOnSurface = false;
};
