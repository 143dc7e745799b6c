#include "label.h"

#include <commctrl.h>

namespace {

// The colour message as a container hands it back to the label it concerns.
constexpr UINT kReflectedCtlColorStatic = WM_APP + WM_CTLCOLORSTATIC;

}  // namespace

bool Label::Create(const Params& params, UINT dpi, HFONT textFont) {
    rect = params.rect;
    textColour = params.textColour;
    background = params.background;
    fitsText = params.fitsText;
    if ((background & kSystemColourFlag) == 0) {
        ownBrush = Brush(CreateSolidBrush(background));
    }
    // A label that fits its text never wraps it.
    const DWORD style = fitsText ? SS_LEFTNOWORDWRAP | (params.style & ~SS_TYPEMASK) : params.style;
    const DWORD visible = params.visible ? WS_VISIBLE : 0;
    hwnd = CreateChild(params.parent, params.id, L"STATIC", params.text,
                       visible | SS_NOPREFIX | style, 0, rect, dpi);
    if (hwnd == nullptr ||
        !SetWindowSubclass(hwnd, Subclass, 0, reinterpret_cast<DWORD_PTR>(this))) {
        return false;
    }
    font = textFont;
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    if (fitsText && params.text[0] != L'\0') {
        FitText();
    }
    return true;
}

LRESULT Label::Reflect(WPARAM dc, LPARAM control) {
    return SendMessageW(reinterpret_cast<HWND>(control), kReflectedCtlColorStatic, dc, control);
}

LRESULT CALLBACK Label::Subclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                 UINT_PTR id, DWORD_PTR self) noexcept {
    if (message == kReflectedCtlColorStatic) {
        return reinterpret_cast<const Label*>(self)->CtlColor(reinterpret_cast<HDC>(wParam));
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, Subclass, id);
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT Label::CtlColor(HDC dc) const {
    SetTextColor(dc, ResolveColour(textColour));
    SetBkColor(dc, ResolveColour(background));
    HBRUSH brush = ownBrush.Get() != nullptr
                       ? ownBrush.Get()
                       : GetSysColorBrush(static_cast<int>(background & 0xFF));
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

// One line: whatever runs past the container's edge is cut off there.
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
