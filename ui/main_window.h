#pragma once

#include <windows.h>

#include <array>

#include "colour_box.h"
#include "elements.h"
#include "frame_box.h"
#include "gdi.h"
#include "label.h"
#include "resistor_reader.h"
#include "startup_card.h"

// Form1: the palette, the band pictures, the results and the two buttons. It owns the
// reading state and routes each user action to the reading logic.
class MainWindow : private Elements {
public:
    static void Register(HINSTANCE instance);
    explicit MainWindow(HINSTANCE instance);
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    ~MainWindow();

    HWND Create();
    void Form_Load();
    // Rebuilds fonts and layout for a DPI, as when the window moves to another monitor.
    void ApplyDpi(UINT newDpi, const RECT& suggested);

    const ResistorReader& Reader() const { return reader; }
    Elements& ElementsForTest() { return *this; }
    StartupCard& Card() { return card; }
    UINT Dpi() const { return dpi; }

    HWND hwnd = nullptr;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    struct Fonts {
        Font standard, palette, resistance, text;
    };

    void CreateControls();
    Fonts CreateFonts() const;
    void LayOut();
    void LoadArrows();

    void Form_Activate();
    void Timer1_Timer();
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
    HCURSOR hand = nullptr;

    FrameBox Frame1, Frame2, Frame3, Frame4, Frame5;
    Label Label1, Label2, Label3, Label4;
    std::array<ColourBox, kColourCount> Picture1;
    std::array<ColourBox, kSlotCount> Picture2;
    HWND Command1 = nullptr;
    HWND Command2 = nullptr;

    ResistorReader reader{*this};
    StartupCard card;
    HWND focusBeforeDeactivation = nullptr;
    bool everActivated = false;
};
