#pragma once

#include <windows.h>

#include "gdi.h"

// The window procedure of a class whose windows are each served by one T. The T arrives in
// lpCreateParams, lives in GWLP_USERDATA and is let go at WM_NCDESTROY, or as soon as its
// WM_CREATE fails: Windows then destroys the window before CreateWindowEx returns, and a
// window that never opened has nothing to report. An exception never unwinds through
// Windows' own frames: it ends the program here.
template <typename T>
LRESULT CALLBACK WindowProcOf(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    T* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<T*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<T*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (self == nullptr) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    const LRESULT result = self->HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY || (message == WM_CREATE && result == -1)) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd = nullptr;
    }
    return result;
}

// Registers the class whose windows are each served by one T, with the arrow cursor. A class
// this module registered before is fine.
template <typename T>
bool RegisterWindowClass(HINSTANCE instance, const wchar_t* name, HBRUSH background, UINT style = 0,
                         HICON icon = nullptr) {
    WNDCLASSEXW wc{sizeof wc};
    wc.style = style;
    wc.lpfnWndProc = WindowProcOf<T>;
    wc.hInstance = instance;
    wc.hIcon = icon;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// Serves WM_PAINT and WM_PRINTCLIENT from one paint function, so that PrintWindow and the
// tests get the pixels the screen gets.
template <typename PaintFunction>
bool ServePaint(HWND hwnd, UINT message, WPARAM wParam, PaintFunction paint) {
    if (message == WM_PAINT) {
        PaintScope scope(hwnd);
        paint(scope.Dc());
        return true;
    }
    if (message == WM_PRINTCLIENT) {
        paint(reinterpret_cast<HDC>(wParam));
        return true;
    }
    return false;
}

// A top-level window hands WM_SYSCOLORCHANGE on to every control inside it: the common
// controls learn of a colour change only that way.
inline BOOL CALLBACK ForwardSysColorChange(HWND child, LPARAM) noexcept {
    SendMessageW(child, WM_SYSCOLORCHANGE, 0, 0);
    return TRUE;
}

inline void ForwardSysColorChangeToDescendants(HWND hwnd) {
    EnumChildWindows(hwnd, ForwardSysColorChange, 0);
}
