#pragma once

#include <windows.h>

#include "main_window.h"
#include "startup_card.h"

// The program's life: it creates the main window and the start-up card, runs the start-up
// sequence, and ends the message loop when the last of its windows has closed. The windows
// only report what happened to them.
class Program {
public:
    explicit Program(HINSTANCE instance);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    ~Program();

    // Loads and shows the main window, with the card in front. False when a window could not
    // be made; the user has been told.
    bool Start(int showCommand);
    int Run();

    MainWindow& Form() { return form; }
    StartupCard& Card() { return card; }

private:
    void Form_Load();
    void Form_Activate();
    void Timer1_Timer();
    void WindowClosed();

    HINSTANCE instance;
    MainWindow form;
    StartupCard card;
    int openWindows = 0;
    // Which of the two windows was last the program's active one.
    HWND lastActive = nullptr;
};

// One message as the program's loop handles it, `dialog` being the main window.
void Dispatch(MSG& message, HWND dialog);
