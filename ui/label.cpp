#include "label.h"

void Label::Create(const Params& params, UINT dpi, HFONT textFont) {
    rect = params.rect;
    textColour = params.textColour;
    background = params.background;
    fitsText = params.fitsText;
    if ((background & kSystemColourFlag) == 0) {
        ownBrush = Brush(CreateSolidBrush(background));
    }
    const DWORD visible = params.visible ? WS_VISIBLE : 0;
    const RECT r = ToPixels(rect, dpi);
    hwnd =
        CreateWindowExW(0, L"STATIC", params.text, WS_CHILD | visible | SS_NOPREFIX | params.style,
                        r.left, r.top, r.right - r.left, r.bottom - r.top, params.parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(params.id)),
                        GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    font = textFont;
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (fitsText) {
        FitText();
    }
}

LRESULT Label::AnswerCtlColor(WPARAM dc, LPARAM control) {
    const auto window = reinterpret_cast<HWND>(control);
    wchar_t className[16];
    if (GetClassNameW(window, className, 16) == 0 || lstrcmpiW(className, L"STATIC") != 0) {
        return 0;
    }
    const auto* label = reinterpret_cast<const Label*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (label == nullptr) {
        return 0;
    }
    const auto hdc = reinterpret_cast<HDC>(dc);
    SetTextColor(hdc, ResolveColour(label->textColour));
    SetBkColor(hdc, ResolveColour(label->background));
    HBRUSH brush = label->ownBrush.Get() != nullptr
                       ? label->ownBrush.Get()
                       : GetSysColorBrush(static_cast<int>(label->background & 0xFF));
    return reinterpret_cast<LRESULT>(brush);
}

void Label::Place(UINT dpi, HFONT newFont) {
    font = newFont;
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    PlaceWindow(hwnd, rect, dpi);
    if (fitsText) {
        FitText();
    }
    InvalidateRect(hwnd, nullptr, TRUE);
}

void Label::SetText(const std::wstring& text) {
    SetWindowTextW(hwnd, text.c_str());
    if (fitsText) {
        FitText();
    }
}

void Label::Show(bool visible) {
    ShowWindow(hwnd, visible ? SW_SHOWNA : SW_HIDE);
}

// One line, never wrapped: whatever runs past the container's edge is cut off there.
void Label::FitText() {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    const int length = GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()));
    WindowDc screen(hwnd);
    ScopedSelect selectFont(screen.Dc(), font);
    SIZE extent{};
    GetTextExtentPoint32W(screen.Dc(), text.c_str(), length, &extent);
    SetWindowPos(hwnd, nullptr, 0, 0, extent.cx, extent.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(hwnd, nullptr, TRUE);
}
