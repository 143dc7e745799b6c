#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "control_ids.h"
#include "main_window.h"
#include "ui_support.h"

// A loaded and shown main window whose start-up has finished: the first tick of Timer1 has
// closed the card and restored the cursor.
class MainWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { MainWindow::Register(GetModuleHandleW(nullptr)); }

    void SetUp() override {
        form = std::make_unique<MainWindow>(GetModuleHandleW(nullptr));
        ASSERT_NE(form->Create(), nullptr);
        form->Form_Load();
        ShowWindow(form->hwnd, SW_SHOW);
        SetForegroundWindow(form->hwnd);
        Pump(50, form->hwnd);
        SendMessageW(form->hwnd, WM_TIMER, kIdTimer1, 0);
        Pump(50, form->hwnd);
    }

    void TearDown() override {
        form.reset();
        Pump(20);
        TakeQuit();
    }

    // Looked up once: a search through all the windows per use would dominate long runs.
    HWND Control(int id) {
        HWND& control = controls[id];
        if (control == nullptr) {
            control = FindControl(form->hwnd, id);
        }
        return control;
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

    std::unique_ptr<MainWindow> form;
    std::map<int, HWND> controls;
};
