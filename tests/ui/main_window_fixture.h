#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "control_ids.h"
#include "program.h"
#include "ui_support.h"

// The program's own start: the main window loaded, then shown, with the card still up.
class ProgramStartTest : public ::testing::Test {
protected:
    void SetUp() override {
        program = std::make_unique<Program>(GetModuleHandleW(nullptr));
        form = &program->Form();
        ASSERT_TRUE(program->Start(SW_SHOW));
        SetForegroundWindow(form->hwnd);
        shownAt = GetTickCount();
        Pump(20, form->hwnd);
    }

    void TearDown() override {
        program.reset();
        Pump(20);
        TakeQuit();
    }

    std::unique_ptr<Program> program;
    MainWindow* form = nullptr;
    DWORD shownAt = 0;
};

// A main window whose start-up has finished: the first tick of Timer1 has closed the card
// and restored the cursor.
class MainWindowTest : public ProgramStartTest {
public:
    HWND Control(int id) {
        HWND& control = controls[id];
        if (control == nullptr) {
            control = FindControl(form->hwnd, id);
        }
        return control;
    }

protected:
    void SetUp() override {
        ProgramStartTest::SetUp();
        SendMessageW(form->hwnd, WM_TIMER, kIdTimer1, 0);
        Pump(50, form->hwnd);
    }
    HWND Swatch(int code) { return Control(kIdPicture1 + code); }
    HWND Band(int slot) { return Control(kIdPicture2 + slot); }

    void Enter(std::initializer_list<int> codes) {
        for (int code : codes) {
            Click(Swatch(code));
        }
        Pump(20, form->hwnd);
    }
    void Press(int buttonId) {
        Click(Control(buttonId));
        Pump(20, form->hwnd);
    }

    std::map<int, HWND> controls;
};
