#pragma once

#include <windows.h>

#include <array>
#include <functional>

#include "colour_box.h"
#include "elements.h"
#include "frame_box.h"
#include "gdi.h"
#include "label.h"
#include "resistor_reader.h"

// Form1: the palette, the band pictures, the results and the two buttons. It owns the
// reading state and routes each user action to the reading logic. It reports to the program
// when it becomes active, when Timer1 fires and when it has closed.
class MainWindow : private Elements {
public:
    static bool Register(HINSTANCE instance);
    explicit MainWindow(HINSTANCE instance);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    ~MainWindow();

    HWND Create();
    void Close();
    void Initialise() { reader.Initialise(); }

    std::function<void()> onActivated;
    std::function<void()> onTimer1;
    std::function<void()> onClosed;
    HWND hwnd = nullptr;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    struct Fonts {
        Font standard, palette, resistance, text;
    };

    bool CreateFonts();
    bool CreateControls();
    void RelayOut(UINT newDpi);
    void LoadArrows();
    void LoadHand();
    void SaveFocus();
    void RestoreFocus();
    void ShowDefaultButton();
    void MoveFocus(WPARAM wParam, LPARAM lParam);
    void OnActivate(WPARAM wParam);

    void Picture1_Click(int code);
    void Command1_Click();
    void Command2_Click();

    // Elements
    ColourValue SwatchColour(int code) override;
    void SetBandColour(int slot, ColourValue colour) override;
    void ShowBand(int slot, bool visible) override;
    void SetResistanceText(std::string_view text) override;
    void SetToleranceText(std::string_view text) override;
    void ShowFlipped(bool visible) override;
    void ShowMessage(std::string_view text) override;

    HINSTANCE instance;
    UINT dpi = 96;
    Fonts fonts;
    Icon arrows;
    Cursor hand;

    FrameBox Frame1, Frame2, Frame3, Frame4, Frame5;
    Label Label1, Label2, Label3, Label4;
    std::array<ColourBox, kColourCount> Picture1;
    std::array<ColourBox, kSlotCount> Picture2;
    HWND Command1 = nullptr;
    HWND Command2 = nullptr;
    // The control that had the focus when the window was last deactivated.
    HWND focusToRestore = nullptr;

    ResistorReader reader{*this};
};
