#include "startup_card.h"

#include <iterator>

#include "control_ids.h"
#include "dpi.h"
#include "fonts.h"
#include "resource_ids.h"
#include "screen_cursor.h"
#include "window_proc.h"

namespace {

constexpr ColourValue kGreen = 0x0000FF00;
constexpr COLORREF kPink = RGB(255, 128, 128);
constexpr COLORREF kPaleYellow = RGB(255, 255, 192);

constexpr int kClientWidthTw = 4680;
constexpr int kClientHeightTw = 2535;
constexpr Twips kImage1Tw{120, 240, 1440, 1440};
// The name and the version take the size of their text from these corners.
constexpr Twips kLabel1Tw{1620, 360, 0, 0};
constexpr Twips kLabel2Tw{2520, 1080, 0, 0};
constexpr Twips kLabel3Tw{1800, 1560, 2295, 600};
constexpr Twips kLabel4Tw{600, 1800, 495, 240};

// Line1 to Line4 and Line5 to Line8: two frames of lines, each open at the top-left
// corner where the portrait stands.
struct LineFrame {
    COLORREF colour;
    int widthPx;
    POINT pointsTw[5];
};
constexpr LineFrame kLineFrames[2] = {
    {kPink, 3, {{960, 120}, {4560, 120}, {4560, 2400}, {120, 2400}, {120, 960}}},
    {kPaleYellow, 2, {{1200, 240}, {4440, 240}, {4440, 2280}, {240, 2280}, {240, 1200}}},
};

constexpr DWORD kStyle = WS_POPUP | WS_CLIPCHILDREN;
// No taskbar button of its own: the card belongs with the main window's.
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW;

}  // namespace

bool StartupCard::Register(HINSTANCE instance) {
    // The card paints all of itself in green.
    return RegisterWindowClass<StartupCard>(instance, kCardWindowClass, nullptr);
}

StartupCard::~StartupCard() {
    Close();
}

// Modeless and without an owner, made in its place for the primary monitor.
bool StartupCard::Show(HINSTANCE instance) {
    green = Brush(CreateSolidBrush(kGreen));
    const RECT r = CentredFrame(kClientWidthTw, kClientHeightTw, kStyle, kExStyle, SystemDpi());
    CreateWindowExW(kExStyle, kCardWindowClass, L"Form2", kStyle, r.left, r.top, r.right - r.left,
                    r.bottom - r.top, nullptr, nullptr, instance, this);
    if (hwnd == nullptr) {
        return false;
    }
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);
    return true;
}

void StartupCard::Close() {
    if (hwnd != nullptr) {
        DestroyWindow(hwnd);
    }
}

// Fonts and pens are made once per DPI, not at each paint.
bool StartupCard::CreateDrawingTools() {
    titleFont = CreateChineseFont(Face::LiShu, 1575, true, dpi);
    textFont = CreateChineseFont(Face::SongTi, 1200, false, dpi);
    bool made = titleFont.Get() != nullptr && textFont.Get() != nullptr;
    for (size_t i = 0; i < std::size(kLineFrames); ++i) {
        linePens[i] = Pen(
            CreatePen(PS_SOLID, ScaleFrom96(kLineFrames[i].widthPx, dpi), kLineFrames[i].colour));
        made = made && linePens[i].Get() != nullptr;
    }
    return made;
}

// The texts take clicks (SS_NOTIFY), so a click on them does not close the card.
bool StartupCard::CreateTexts() {
    const DWORD style = SS_CENTER | SS_NOTIFY;
    HFONT title = titleFont.Get();
    HFONT text = textFont.Get();
    return Label1.Create({hwnd, kIdCardLabel1, kLabel1Tw, L"Korvalo", 0, kGreen, style, true}, dpi,
                         title) &&
           Label2.Create({hwnd, kIdCardLabel2, kLabel2Tw, L"V1.0", 0, kGreen, style, true}, dpi,
                         title) &&
           Label3.Create({hwnd, kIdCardLabel3, kLabel3Tw, L"Korvalo 项目组\r\n反馈：项目议题区", 0,
                          kGreen, style},
                         dpi, text) &&
           Label4.Create({hwnd, kIdCardLabel4, kLabel4Tw, L"2007", 0, kGreen, style}, dpi, text);
}

void StartupCard::LoadPortrait() {
    const int size = TwipsToPixels(kImage1Tw.width, dpi);
    portrait = Icon(static_cast<HICON>(LoadImageW(
        GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_PORTRAIT), IMAGE_ICON, size, size, 0)));
}

// The labels take the new fonts before the old ones are freed with `oldTitle`, `oldText`.
void StartupCard::RelayOut(UINT newDpi) {
    dpi = newDpi;
    Font oldTitle = std::move(titleFont);
    Font oldText = std::move(textFont);
    CreateDrawingTools();
    Label1.Place(dpi, titleFont.Get());
    Label2.Place(dpi, titleFont.Get());
    Label3.Place(dpi, textFont.Get());
    Label4.Place(dpi, textFont.Get());
    LoadPortrait();
}

// The green ground and the lines; the texts are windows of their own.
bool StartupCard::OnSurface(LPARAM at) const {
    const POINT point{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
    RECT client;
    GetClientRect(hwnd, &client);
    const RECT box = ToPixels(kImage1Tw, dpi);
    return PtInRect(&client, point) && !PtInRect(&box, point);
}

void StartupCard::Form_Click() {
    Close();
}

void StartupCard::Paint(HDC dc) {
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(dc, &client, green.Get());
    for (size_t i = 0; i < std::size(kLineFrames); ++i) {
        ScopedSelect selectPen(dc, linePens[i].Get());
        const POINT* points = kLineFrames[i].pointsTw;
        MoveToEx(dc, TwipsToPixels(points[0].x, dpi), TwipsToPixels(points[0].y, dpi), nullptr);
        for (int p = 1; p < 5; ++p) {
            LineTo(dc, TwipsToPixels(points[p].x, dpi), TwipsToPixels(points[p].y, dpi));
        }
    }
    const RECT box = ToPixels(kImage1Tw, dpi);
    DrawIconEx(dc, box.left, box.top, portrait.Get(), box.right - box.left, box.bottom - box.top, 0,
               nullptr, DI_NORMAL);
}

LRESULT StartupCard::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (ServePaint(hwnd, message, wParam, [this](HDC dc) { Paint(dc); })) {
        return 0;
    }
    switch (message) {
        case WM_CREATE:
            dpi = DpiOfWindow(hwnd);
            if (!CreateDrawingTools() || !CreateTexts()) {
                return -1;
            }
            LoadPortrait();
            SizeToClientAndCentre(hwnd, kClientWidthTw, kClientHeightTw, dpi);
            return 0;
        case kWmGetDpiScaledSize:
            return AnswerDpiScaledSize(hwnd, wParam, lParam, kClientWidthTw, kClientHeightTw);
        case WM_DPICHANGED:
            FollowDpiChange(hwnd, wParam, lParam, kClientWidthTw, kClientHeightTw,
                            [this](UINT newDpi) { RelayOut(newDpi); });
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_SYSCOLORCHANGE:
            ForwardSysColorChangeToDescendants(hwnd);
            return 0;
        case WM_CTLCOLORSTATIC:
            if (const LRESULT brush = Label::Reflect(wParam, lParam)) {
                return brush;
            }
            break;
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE && onActivated) {
                onActivated();
            }
            break;
        // A click is a press and a release, both on the card's own surface.
        case WM_LBUTTONDOWN:
            pressedOnSurface = OnSurface(lParam);
            if (pressedOnSurface) {
                SetCapture(hwnd);
            }
            return 0;
        case WM_LBUTTONUP: {
            const bool click = pressedOnSurface && OnSurface(lParam);
            pressedOnSurface = false;
            if (GetCapture() == hwnd) {
                ReleaseCapture();
            }
            if (click) {
                Form_Click();
            }
            return 0;
        }
        case WM_CAPTURECHANGED:
            pressedOnSurface = false;
            return 0;
        case WM_SETCURSOR:
            if (ApplyScreenCursor(lParam)) {
                return TRUE;
            }
            break;
        case WM_DESTROY:
            if (onClosed) {
                onClosed();
            }
            break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}
