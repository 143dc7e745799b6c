#include "main_window.h"

#include <commctrl.h>

#include <vector>

#include "control_ids.h"
#include "fonts.h"
#include "resource_ids.h"
#include "screen_cursor.h"
#include "utf8.h"
#include "messages.h"
#include "window_proc.h"

namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr wchar_t kCaption[] = L"Korvalo 1.0  \u3000\u3000\u3000编程：Korvalo 项目组";

// The layout, in twips from the top-left corner of each control's container.
constexpr int kClientWidthTw = 8295;
constexpr int kClientHeightTw = 5235;
constexpr Twips kFrame1Tw{360, 120, 7575, 1935};
constexpr Twips kLabel1Tw{240, 1320, 7275, 360};
constexpr Twips kFrame2Tw{360, 2160, 7575, 1935};
constexpr Twips kFrame3Tw{240, 240, 3135, 1455};
constexpr Twips kImage1Tw{3360, 360, 960, 960};
constexpr Twips kLabel4Tw{3480, 1200, 735, 255};
constexpr Twips kFrame4Tw{4320, 240, 3015, 1455};
constexpr Twips kLabel2Tw{240, 360, 0, 0};
constexpr Twips kLabel3Tw{240, 960, 0, 0};
constexpr Twips kFrame5Tw{360, 4200, 7575, 855};
constexpr Twips kCommand1Tw{1200, 240, 1575, 495};
constexpr Twips kCommand2Tw{4560, 240, 1575, 495};

constexpr Twips SwatchTw(int code) {
    return {240 + 600 * code, 360, 495, 855};
}
constexpr Twips BandTw(int slot) {
    return {480 + 480 * slot, 360, 255, 855};
}

constexpr ColourValue kHighlight = kSystemColourFlag | COLOR_HIGHLIGHT;
constexpr ColourValue kNavy = 0x00800000;
constexpr ColourValue kRed = 0x000000FF;
constexpr ColourValue kBlue = 0x00FF0000;

// Posted to the main window whenever a button gains or loses the focus.
constexpr UINT kShowDefaultButton = WM_APP + 1;

// The dialog manager restyles the buttons itself after it has moved the focus, so the look is
// settled from the queue, once the focus has finished moving, however it moved.
LRESULT CALLBACK ReportFocus(HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                             DWORD_PTR form) noexcept {
    if (message == WM_SETFOCUS || message == WM_KILLFOCUS) {
        PostMessageW(reinterpret_cast<HWND>(form), kShowDefaultButton, 0, 0);
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(button, ReportFocus, id);
    }
    return DefSubclassProc(button, message, wParam, lParam);
}

HWND CreateButton(HWND form, HWND parent, int id, const wchar_t* caption, const Twips& rect,
                  UINT dpi, HFONT font) {
    HWND button = CreateChild(parent, id, L"BUTTON", caption,
                              WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, rect, dpi);
    if (button == nullptr ||
        !SetWindowSubclass(button, ReportFocus, 0, reinterpret_cast<DWORD_PTR>(form))) {
        return nullptr;
    }
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return button;
}

// A control that Tab reaches.
bool IsTabStop(HWND form, HWND control) {
    return IsChild(form, control) && IsWindowVisible(control) && IsWindowEnabled(control) &&
           (GetWindowLongW(control, GWL_STYLE) & WS_TABSTOP) != 0;
}

struct ThreadWindowsDisabled {
    HWND owner;
    HINSTANCE instance;
    // Each window with whether it was top-most.
    std::vector<std::pair<HWND, bool>> windows;
};

// Input methods keep windows of their own modules on this thread too; those are left alone.
bool IsProgramWindow(HWND window, HINSTANCE instance) {
    return IsWindow(window) &&
           reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE)) == instance;
}

BOOL CALLBACK DisableOther(HWND window, LPARAM param) noexcept {
    auto& disabled = *reinterpret_cast<ThreadWindowsDisabled*>(param);
    if (window != disabled.owner && IsProgramWindow(window, disabled.instance) &&
        IsWindowVisible(window) && IsWindowEnabled(window)) {
        EnableWindow(window, FALSE);
        disabled.windows.push_back(
            {window, (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0});
    }
    return TRUE;
}

// A top-most window, the card, would stand over the box: it steps down while the box is up.
void SetTopMost(HWND window, bool topMost) {
    SetWindowPos(window, topMost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace

bool MainWindow::Register(HINSTANCE instance) {
    return RegisterWindowClass<MainWindow>(instance, kMainWindowClass,
                                           reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), 0,
                                           LoadIconW(instance, MAKEINTRESOURCEW(IDI_PORTRAIT))) &&
           FrameBox::Register(instance) && ColourBox::Register(instance);
}

MainWindow::MainWindow(HINSTANCE instance) : instance(instance) {}

MainWindow::~MainWindow() {
    Close();
}

// Made in its place for the primary monitor, so that it is not moved again when created.
HWND MainWindow::Create() {
    const RECT r = CentredFrame(kClientWidthTw, kClientHeightTw, kStyle, 0, SystemDpi());
    CreateWindowExW(0, kMainWindowClass, kCaption, kStyle, r.left, r.top, r.right - r.left,
                    r.bottom - r.top, nullptr, nullptr, instance, this);
    return hwnd;
}

void MainWindow::Close() {
    if (hwnd != nullptr) {
        DestroyWindow(hwnd);
    }
}

// Controls are created in tab order within each container, since z-order is tab order, and
// in their place for the window's DPI.
bool MainWindow::CreateControls() {
    HFONT standard = fonts.standard.Get();
    bool made = Frame1.Create({hwnd, kIdFrame1, kFrame1Tw, L"选择区", kHighlight}, dpi, standard) &&
                Label1.Create({.parent = Frame1.hwnd,
                               .id = kIdLabel1,
                               .rect = kLabel1Tw,
                               .text = L"黑 棕  红 橙 黄 绿 蓝 紫 灰  白 金 银"},
                              dpi, fonts.palette.Get());
    for (int code = 0; made && code < kColourCount; ++code) {
        made = Picture1[code].Create(
            {Frame1.hwnd, kIdPicture1 + code, SwatchTw(code), kPalette[code].value, &hand, true,
             [this, code] { Picture1_Click(code); }},
            dpi);
    }

    made = made &&
           Frame2.Create({hwnd, kIdFrame2, kFrame2Tw, L"结果区", kHighlight}, dpi, standard) &&
           Frame3.Create({Frame2.hwnd, kIdFrame3, kFrame3Tw, L"您选择的色环顺序", kNavy}, dpi,
                         standard);
    for (int slot = 0; made && slot < kSlotCount; ++slot) {
        made = Picture2[slot].Create(
            {Frame3.hwnd, kIdPicture2 + slot, BandTw(slot), kButtonFace, nullptr, false, nullptr},
            dpi);
    }
    made = made &&
           Frame4.Create({Frame2.hwnd, kIdFrame4, kFrame4Tw, L"对应的阻值", kHighlight}, dpi,
                         standard) &&
           Label2.Create({.parent = Frame4.hwnd,
                          .id = kIdLabel2,
                          .rect = kLabel2Tw,
                          .text = L"",
                          .textColour = kBlue,
                          .fitsText = true},
                         dpi, fonts.resistance.Get()) &&
           Label3.Create({.parent = Frame4.hwnd,
                          .id = kIdLabel3,
                          .rect = kLabel3Tw,
                          .text = L"",
                          .fitsText = true},
                         dpi, fonts.text.Get()) &&
           Label4.Create({.parent = Frame2.hwnd,
                          .id = kIdLabel4,
                          .rect = kLabel4Tw,
                          .text = L"自动翻转",
                          .textColour = kRed,
                          .visible = false},
                         dpi, standard) &&
           Frame5.Create({hwnd, kIdFrame5, kFrame5Tw, L"控制区", kHighlight}, dpi, standard);
    if (!made) {
        return false;
    }
    Command2 = CreateButton(hwnd, Frame5.hwnd, kIdCommand2, L"现在读阻值", kCommand2Tw, dpi,
                            fonts.text.Get());
    Command1 =
        CreateButton(hwnd, Frame5.hwnd, kIdCommand1, L"重来", kCommand1Tw, dpi, fonts.text.Get());
    return Command1 != nullptr && Command2 != nullptr;
}

bool MainWindow::CreateFonts() {
    fonts = {CreateChineseFont(Face::SongTi, 900, false, dpi),
             CreateChineseFont(Face::SongTi, 1800, true, dpi),
             CreateChineseFont(Face::SongTi, 2625, true, dpi),
             CreateChineseFont(Face::SongTi, 1200, false, dpi)};
    return fonts.standard.Get() != nullptr && fonts.palette.Get() != nullptr &&
           fonts.resistance.Get() != nullptr && fonts.text.Get() != nullptr;
}

// The controls take the new fonts before the old ones are freed with `oldFonts`.
void MainWindow::RelayOut(UINT newDpi) {
    dpi = newDpi;
    Fonts oldFonts = std::move(fonts);
    CreateFonts();
    for (FrameBox* frame : {&Frame1, &Frame2, &Frame3, &Frame4, &Frame5}) {
        frame->Place(dpi, fonts.standard.Get());
    }
    Label1.Place(dpi, fonts.palette.Get());
    Label2.Place(dpi, fonts.resistance.Get());
    Label3.Place(dpi, fonts.text.Get());
    Label4.Place(dpi, fonts.standard.Get());
    for (ColourBox& box : Picture1) {
        box.Place(dpi);
    }
    for (ColourBox& box : Picture2) {
        box.Place(dpi);
    }
    for (auto [button, rect] : {std::pair{Command1, kCommand1Tw}, {Command2, kCommand2Tw}}) {
        PlaceWindow(button, rect, dpi);
        SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.text.Get()), FALSE);
    }
    if (arrows.Get() != nullptr) {
        LoadArrows();
    }
    LoadHand();
}

// The arrows come in several sizes; the nearest one is drawn for this DPI. They are loaded
// when first shown, since a start never shows them.
void MainWindow::LoadArrows() {
    const int size = TwipsToPixels(kImage1Tw.width, dpi);
    arrows = Icon(static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(IDI_ARROWS), IMAGE_ICON, size, size, 0)));
    Frame2.SetPicture(arrows.Get(), kImage1Tw);
}

// The hand is drawn at 32, 48 and 64 pixels. The largest that this DPI's size reaches is
// shown as drawn, never stretched; the old one goes once nothing shows it.
void MainWindow::LoadHand() {
    const int wanted = ScaleFrom96(32, dpi);
    const int size = wanted >= 64 ? 64 : wanted >= 48 ? 48 : 32;
    Cursor old = std::move(hand);
    hand = Cursor(static_cast<HCURSOR>(
        LoadImageW(instance, MAKEINTRESOURCEW(IDC_POINTING_HAND), IMAGE_CURSOR, size, size, 0)));
    if (old.Get() != nullptr && GetCursor() == old.Get()) {
        SetCursor(hand.Get());
    }
}

// As a dialog does, the window notes the control that has the focus when it is left, and
// keeps the one it noted before when the focus is on no control of its own.
void MainWindow::SaveFocus() {
    if (HWND focus = GetFocus(); IsChild(hwnd, focus)) {
        focusToRestore = focus;
    }
}

// The focus goes back where it was when the window was last left; the first time, to
// 现在读阻值.
void MainWindow::RestoreFocus() {
    SetFocus(IsChild(hwnd, focusToRestore) ? focusToRestore : Command2);
}

// Enter presses the focused button, so it, and only it, looks like the default; with the
// focus on a swatch or a band neither does. While the focus is outside the window, in a
// message box or another program, the look stays as it was.
void MainWindow::ShowDefaultButton() {
    HWND focus = GetFocus();
    if (!IsChild(hwnd, focus)) {
        return;
    }
    for (HWND button : {Command1, Command2}) {
        const LONG look = button == focus ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        if ((GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK) != look) {
            SendMessageW(button, BM_SETSTYLE, static_cast<WPARAM>(look), TRUE);
        }
    }
}

// As a dialog answers WM_NEXTDLGCTL: the focus goes to the given control, or to the next or
// previous one in tab order, but only ever to a control that Tab reaches.
void MainWindow::MoveFocus(WPARAM wParam, LPARAM lParam) {
    HWND focus = GetFocus();
    HWND next = LOWORD(lParam) != 0
                    ? reinterpret_cast<HWND>(wParam)
                    : GetNextDlgTabItem(hwnd, IsChild(hwnd, focus) ? focus : nullptr, wParam != 0);
    if (IsTabStop(hwnd, next)) {
        SetFocus(next);
    }
}

// A window activated while minimised takes the focus only when it is restored, and then
// Windows gives it to the window itself, with WM_SETFOCUS.
void MainWindow::OnActivate(WPARAM wParam) {
    if (LOWORD(wParam) == WA_INACTIVE) {
        SaveFocus();
        return;
    }
    if (HIWORD(wParam) == 0) {
        RestoreFocus();
    }
    if (onActivated) {
        onActivated();
    }
}

void MainWindow::Picture1_Click(int code) {
    reader.Append(code);
}

void MainWindow::Command1_Click() {
    reader.Reset();
}

void MainWindow::Command2_Click() {
    reader.Evaluate();
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            // No DPI change arrives for the DPI a window is created at.
            dpi = DpiOfWindow(hwnd);
            LoadHand();
            if (!CreateFonts() || !CreateControls()) {
                return -1;
            }
            SizeToClientAndCentre(hwnd, kClientWidthTw, kClientHeightTw, dpi);
            // Focus cues stay hidden until the keyboard is used, as in a dialog.
            SendMessageW(hwnd, WM_CHANGEUISTATE,
                         MAKEWPARAM(UIS_INITIALIZE, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
            return 0;
        case WM_NCCREATE:
            // Windows 10 1607 scales the title bar and borders for the DPI only when asked.
            EnableNonClientDpiScaling(hwnd);
            break;
        case kWmGetDpiScaledSize:
            return AnswerDpiScaledSize(hwnd, wParam, lParam, kClientWidthTw, kClientHeightTw);
        case WM_DPICHANGED:
            FollowDpiChange(hwnd, wParam, lParam, kClientWidthTw, kClientHeightTw,
                            [this](UINT newDpi) { RelayOut(newDpi); });
            return 0;
        case WM_SYSCOLORCHANGE:
            // The system repaints every window itself.
            ForwardSysColorChangeToDescendants(hwnd);
            return 0;
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) {
                if (LOWORD(wParam) == kIdCommand1) {
                    Command1_Click();
                } else if (LOWORD(wParam) == kIdCommand2) {
                    Command2_Click();
                }
            }
            return 0;
        case kShowDefaultButton:
            ShowDefaultButton();
            return 0;
        case WM_NEXTDLGCTL:
            MoveFocus(wParam, lParam);
            return 0;
        case DM_GETDEFID: {
            // Enter presses the focused button, as in a dialog.
            HWND focus = GetFocus();
            if (focus == Command1 || focus == Command2) {
                return MAKELRESULT(GetDlgCtrlID(focus), DC_HASDEFID);
            }
            return 0;
        }
        case WM_ACTIVATE:
            OnActivate(wParam);
            return 0;
        case WM_SETFOCUS:
            RestoreFocus();
            return 0;
        case WM_SYSCOMMAND:
            // Minimising takes the focus from the control before the window is left.
            if ((wParam & 0xFFF0) == SC_MINIMIZE) {
                SaveFocus();
            }
            break;
        case WM_TIMER:
            if (wParam == kIdTimer1 && onTimer1) {
                onTimer1();
            }
            return 0;
        case WM_SETCURSOR:
            if (ApplyScreenCursor(lParam)) {
                return TRUE;
            }
            break;
        case WM_DESTROY:
            KillTimer(hwnd, kIdTimer1);
            if (onClosed) {
                onClosed();
            }
            return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

ColourValue MainWindow::SwatchColour(int code) {
    return Picture1.at(code).Colour();
}

void MainWindow::SetBandColour(int slot, ColourValue colour) {
    Picture2.at(slot).SetColour(colour);
}

void MainWindow::ShowBand(int slot, bool visible) {
    Picture2.at(slot).Show(visible);
}

void MainWindow::SetResistanceText(std::string_view text) {
    Label2.SetText(Widen(text));
}

void MainWindow::SetToleranceText(std::string_view text) {
    Label3.SetText(Widen(text));
}

void MainWindow::ShowFlipped(bool visible) {
    if (visible && arrows.Get() == nullptr) {
        LoadArrows();
    }
    Frame2.ShowPicture(visible);
    Label4.Show(visible);
}

// Modal to the whole program: the box disables the main window, its owner, and the card is
// disabled here until the box is gone, so that nothing of the program takes input meanwhile.
// The box opens in front of the card.
void MainWindow::ShowMessage(std::string_view text) {
    ThreadWindowsDisabled others{hwnd, instance, {}};
    EnumThreadWindows(GetCurrentThreadId(), DisableOther, reinterpret_cast<LPARAM>(&others));
    for (auto [window, topMost] : others.windows) {
        if (topMost) {
            SetTopMost(window, false);
        }
    }
    MessageBoxW(hwnd, Widen(text).c_str(), Widen(kMessageTitle).c_str(), MB_OK);
    // The card may have closed meanwhile, on its timer, and its handle gone to another window.
    for (auto [window, topMost] : others.windows) {
        if (IsProgramWindow(window, instance)) {
            EnableWindow(window, TRUE);
            if (topMost) {
                SetTopMost(window, true);
            }
        }
    }
}
