#include "program.h"

#include <commctrl.h>

#include "control_ids.h"
#include "messages.h"
#include "screen_cursor.h"
#include "utf8.h"

namespace {

constexpr char kCannotStartMessage[] = "程序无法启动：无法创建窗口。";

void SayCannotStart() {
    MessageBoxW(nullptr, Widen(kCannotStartMessage).c_str(), Widen(kMessageTitle).c_str(), MB_OK);
}

}  // namespace

Program::Program(HINSTANCE instance) : instance(instance), form(instance) {
    form.onActivated = [this] {
        // Taking over from the card, or coming up at all, arms Timer1; coming back from
        // another program or a message box does not.
        if (lastActive != form.hwnd) {
            Form_Activate();
        }
        lastActive = form.hwnd;
    };
    form.onTimer1 = [this] { Timer1_Timer(); };
    form.onClosed = [this] { WindowClosed(); };
    card.onActivated = [this] { lastActive = card.hwnd; };
    card.onClosed = [this] { WindowClosed(); };
}

Program::~Program() {
    card.Close();
    form.Close();
}

bool Program::Start(int showCommand) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    // A window counts as open once it has been made.
    if (!MainWindow::Register(instance) || !StartupCard::Register(instance) ||
        form.Create() == nullptr) {
        SayCannotStart();
        return false;
    }
    ++openWindows;
    Form_Load();
    if (!card.IsOpen()) {
        SayCannotStart();
        return false;
    }
    // The window has one size. A shortcut set to run maximised, or any launcher, may still
    // ask for that; Windows would then fill the screen with it. It comes up at its normal
    // size and place instead, with SW_RESTORE, which Windows does not swap for the launcher's
    // own show state on a first show, as it does SW_SHOW and SW_SHOWNORMAL.
    ShowWindow(form.hwnd, showCommand == SW_SHOWMAXIMIZED ? SW_RESTORE : showCommand);
    // However the window was shown, minimised or never activated, the card goes after a
    // second; an activation only starts that second again.
    Form_Activate();
    return true;
}

int Program::Run() {
    MSG message{};
    for (;;) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            return static_cast<int>(message.wParam);
        }
        if (got == -1) {
            return 1;
        }
        Dispatch(message, form.hwnd);
    }
}

// Keys reach the main window's controls through the dialog manager: Tab walks them, and
// Enter and Space press the focused button.
void Dispatch(MSG& message, HWND dialog) {
    if (dialog != nullptr && IsDialogMessageW(dialog, &message)) {
        return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

// The card is drawn completely before the load goes on.
void Program::Form_Load() {
    SetScreenCursor(ScreenCursor::Hourglass);
    if (!card.Show(instance)) {
        return;
    }
    ++openWindows;
    SetWindowPos(card.hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    form.Initialise();
}

void Program::Form_Activate() {
    SetTimer(form.hwnd, kIdTimer1, 1000, nullptr);
}

void Program::Timer1_Timer() {
    KillTimer(form.hwnd, kIdTimer1);
    card.Close();
    SetScreenCursor(ScreenCursor::Default);
}

// The program lives while either window is open: closing the main window leaves the card,
// and Timer1 goes with the main window.
void Program::WindowClosed() {
    if (--openWindows == 0) {
        PostQuitMessage(0);
    }
}
