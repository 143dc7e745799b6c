#include "frame_box.h"

#include <iterator>

#include "colours.h"
#include "control_ids.h"
#include "gdi.h"
#include "label.h"
#include "window_proc.h"

namespace {

constexpr int kCaptionIndentTw = 120;
constexpr int kCaptionPaddingTw = 30;

}  // namespace

bool FrameBox::Register(HINSTANCE instance) {
    return RegisterWindowClass<FrameBox>(instance, kFrameClass,
                                         reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
}

bool FrameBox::Create(const Params& params, UINT atDpi, HFONT captionFont) {
    rect = params.rect;
    captionColour = params.captionColour;
    dpi = atDpi;
    font = captionFont;
    // WS_EX_CONTROLPARENT lets Tab reach the controls inside.
    CreateChild(params.parent, params.id, kFrameClass, params.caption,
                WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT, rect, dpi,
                this);
    return hwnd != nullptr;
}

void FrameBox::Place(UINT newDpi, HFONT newFont) {
    dpi = newDpi;
    font = newFont;
    PlaceWindow(hwnd, rect, dpi);
    InvalidateRect(hwnd, nullptr, TRUE);
}

void FrameBox::SetPicture(HICON icon, const Twips& where) {
    picture = icon;
    pictureRect = where;
}

void FrameBox::ShowPicture(bool visible) {
    if (visible == pictureVisible) {
        return;
    }
    pictureVisible = visible;
    const RECT r = ToPixels(pictureRect, dpi);
    InvalidateRect(hwnd, &r, TRUE);
}

// The themed group box draws its caption in the theme's colour, so the frame draws its own
// etched border and a caption in the colour it was given.
void FrameBox::Paint(HDC dc) {
    RECT client;
    GetClientRect(hwnd, &client);
    ScopedSelect selectFont(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);

    RECT border = client;
    border.top = metrics.tmHeight / 2;
    DrawEdge(dc, &border, EDGE_ETCHED, BF_RECT);

    wchar_t caption[64];
    const int length = GetWindowTextW(hwnd, caption, static_cast<int>(std::size(caption)));
    if (length > 0) {
        SIZE extent{};
        GetTextExtentPoint32W(dc, caption, length, &extent);
        const int padding = TwipsToPixels(kCaptionPaddingTw, dpi);
        const int left = TwipsToPixels(kCaptionIndentTw, dpi);
        RECT box{left - padding, 0, left + extent.cx + padding, metrics.tmHeight};
        FillRect(dc, &box, GetSysColorBrush(COLOR_BTNFACE));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ResolveColour(captionColour));
        TextOutW(dc, left, 0, caption, length);
    }
    if (pictureVisible && picture != nullptr) {
        const RECT r = ToPixels(pictureRect, dpi);
        DrawIconEx(dc, r.left, r.top, picture, r.right - r.left, r.bottom - r.top, 0, nullptr,
                   DI_NORMAL);
    }
}

LRESULT FrameBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (ServePaint(hwnd, message, wParam, [this](HDC dc) { Paint(dc); })) {
        return 0;
    }
    switch (message) {
        case WM_CTLCOLORSTATIC:
            if (const LRESULT brush = Label::Reflect(wParam, lParam)) {
                return brush;
            }
            break;
        case WM_COMMAND:
            // Buttons report to the frame they sit in; the main window handles them.
            return SendMessageW(GetParent(hwnd), message, wParam, lParam);
        case WM_SETTEXT:
            InvalidateRect(hwnd, nullptr, TRUE);
            break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}
