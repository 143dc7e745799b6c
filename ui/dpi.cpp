#include "dpi.h"

namespace {

// These came after Windows 7, so they are looked up at run time.
template <typename Function>
Function Lookup(const wchar_t* module, const char* name) {
    HMODULE handle = GetModuleHandleW(module);
    if (handle == nullptr) {
        handle = LoadLibraryExW(module, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
    return handle == nullptr
               ? nullptr
               : reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(handle, name)));
}

using SetContextFn = BOOL(WINAPI*)(HANDLE);
using SetAwarenessFn = HRESULT(WINAPI*)(int);
using DpiForWindowFn = UINT(WINAPI*)(HWND);
using AdjustForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

UINT SystemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

}  // namespace

// The manifest asks for the same; this covers a build run without it. Per-monitor v2 on
// Windows 10 1703 and later, per-monitor on 8.1, system-aware before.
void EnableDpiAwareness() {
    const auto kPerMonitorAwareV2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));
    if (auto setContext = Lookup<SetContextFn>(L"user32.dll", "SetProcessDpiAwarenessContext")) {
        if (setContext(kPerMonitorAwareV2)) {
            return;
        }
    }
    if (auto setAwareness = Lookup<SetAwarenessFn>(L"shcore.dll", "SetProcessDpiAwareness")) {
        if (SUCCEEDED(setAwareness(2))) {
            return;
        }
    }
    SetProcessDPIAware();
}

UINT DpiOfWindow(HWND hwnd) {
    static const auto dpiForWindow = Lookup<DpiForWindowFn>(L"user32.dll", "GetDpiForWindow");
    if (dpiForWindow != nullptr && hwnd != nullptr) {
        if (const UINT dpi = dpiForWindow(hwnd); dpi != 0) {
            return dpi;
        }
    }
    return SystemDpi();
}

int TwipsToPixels(int twips, UINT dpi) {
    return MulDiv(twips, static_cast<int>(dpi), 1440);
}

int PointsToPixels(int hundredthsOfPoint, UINT dpi) {
    return MulDiv(hundredthsOfPoint, static_cast<int>(dpi), 7200);
}

int ScaleFrom96(int pixels, UINT dpi) {
    return MulDiv(pixels, static_cast<int>(dpi), 96);
}

RECT ToPixels(const Twips& twips, UINT dpi) {
    const int left = TwipsToPixels(twips.left, dpi);
    const int top = TwipsToPixels(twips.top, dpi);
    return {left, top, left + TwipsToPixels(twips.width, dpi),
            top + TwipsToPixels(twips.height, dpi)};
}

void PlaceWindow(HWND hwnd, const Twips& twips, UINT dpi) {
    const RECT r = ToPixels(twips, dpi);
    SetWindowPos(hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT WindowRectForClient(int width, int height, DWORD style, DWORD exStyle, UINT dpi) {
    static const auto adjustForDpi =
        Lookup<AdjustForDpiFn>(L"user32.dll", "AdjustWindowRectExForDpi");
    RECT rect{0, 0, width, height};
    if (adjustForDpi == nullptr || !adjustForDpi(&rect, style, FALSE, exStyle, dpi)) {
        AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    }
    return rect;
}

void CenterOnWorkArea(HWND hwnd) {
    MONITORINFO monitor{sizeof monitor};
    GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT window;
    GetWindowRect(hwnd, &window);
    const RECT& area = monitor.rcWork;
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    SetWindowPos(hwnd, nullptr, area.left + (area.right - area.left - width) / 2,
                 area.top + (area.bottom - area.top - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
