#include "dpi.h"

#include <string>

namespace {

using DpiForWindowFn = UINT(WINAPI*)(HWND);
using AdjustForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using DpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
using EnableNonClientFn = BOOL(WINAPI*)(HWND);
constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI

bool newerFunctionsHidden = false;

template <typename Function>
Function Find(HMODULE module, const char* name) {
    return module == nullptr
               ? nullptr
               : reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// These came after Windows 7, so they are looked up at run time; tests can hide them. The
// process is made DPI aware by its manifest.
template <typename Function>
Function FromUser32(const char* name) {
    return newerFunctionsHidden ? nullptr : Find<Function>(GetModuleHandleW(L"user32.dll"), name);
}

// Windows 8.1 and Windows 10 before 1607 know each monitor's DPI but not a window's. shcore
// is loaded from System32 by its full path, and only here, so later systems never load it.
UINT MonitorDpi(HWND hwnd) {
    static const auto dpiForMonitor = [] {
        std::wstring path(MAX_PATH, L'\0');
        path.resize(GetSystemDirectoryW(path.data(), MAX_PATH));
        return path.empty() || path.size() >= MAX_PATH
                   ? nullptr
                   : Find<DpiForMonitorFn>(LoadLibraryW((path + L"\\shcore.dll").c_str()),
                                           "GetDpiForMonitor");
    }();
    UINT x = 0, y = 0;
    if (dpiForMonitor != nullptr &&
        SUCCEEDED(dpiForMonitor(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), kEffectiveDpi,
                                &x, &y)) &&
        x != 0) {
        return x;
    }
    return SystemDpi();
}

}  // namespace

void HideNewerDpiFunctions(bool hide) {
    newerFunctionsHidden = hide;
}

UINT SystemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : 96;
}

UINT DpiOfWindow(HWND hwnd) {
    if (hwnd == nullptr) {
        return SystemDpi();
    }
    if (const auto dpiForWindow = FromUser32<DpiForWindowFn>("GetDpiForWindow")) {
        if (const UINT dpi = dpiForWindow(hwnd); dpi != 0) {
            return dpi;
        }
    }
    return MonitorDpi(hwnd);
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

HWND CreateChild(HWND parent, int id, const wchar_t* className, const wchar_t* text, DWORD style,
                 DWORD exStyle, const Twips& rect, UINT dpi, void* param) {
    const RECT r = ToPixels(rect, dpi);
    return CreateWindowExW(exStyle, className, text, WS_CHILD | style, r.left, r.top,
                           r.right - r.left, r.bottom - r.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleW(nullptr), param);
}

void PlaceWindow(HWND hwnd, const Twips& twips, UINT dpi) {
    const RECT r = ToPixels(twips, dpi);
    SetWindowPos(hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

namespace {

// The size of a frame around a client area of the given size in twips at `dpi`, with the
// title bar and borders of `frameDpi`.
SIZE FrameSize(int clientWidthTw, int clientHeightTw, DWORD style, DWORD exStyle, UINT dpi,
               UINT frameDpi) {
    const auto adjustForDpi = FromUser32<AdjustForDpiFn>("AdjustWindowRectExForDpi");
    RECT frame{0, 0, TwipsToPixels(clientWidthTw, dpi), TwipsToPixels(clientHeightTw, dpi)};
    if (adjustForDpi == nullptr || !adjustForDpi(&frame, style, FALSE, exStyle, frameDpi)) {
        AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    }
    return {frame.right - frame.left, frame.bottom - frame.top};
}

// The same for a window, with its own styles.
SIZE FrameSizeOf(HWND hwnd, int clientWidthTw, int clientHeightTw, UINT dpi, UINT frameDpi) {
    return FrameSize(clientWidthTw, clientHeightTw,
                     static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE)),
                     static_cast<DWORD>(GetWindowLongW(hwnd, GWL_EXSTYLE)), dpi, frameDpi);
}

// A minimised window keeps its icon's place and comes back at its restore placement. That
// placement takes the frame for the new DPI, with the borders that the system now gives the
// window, and keeps its corner: the place suggested for a minimised window is its icon's.
void ResizeRestorePlacement(HWND hwnd, int clientWidthTw, int clientHeightTw, UINT dpi) {
    WINDOWPLACEMENT placement{sizeof placement};
    if (!GetWindowPlacement(hwnd, &placement)) {
        return;
    }
    const auto [width, height] =
        FrameSizeOf(hwnd, clientWidthTw, clientHeightTw, dpi, DpiOfWindow(hwnd));
    RECT& normal = placement.rcNormalPosition;
    normal.right = normal.left + width;
    normal.bottom = normal.top + height;
    placement.showCmd = SW_SHOWMINNOACTIVE;
    SetWindowPlacement(hwnd, &placement);
}

}  // namespace

RECT CentredFrame(int clientWidthTw, int clientHeightTw, DWORD style, DWORD exStyle, UINT dpi) {
    const auto [width, height] = FrameSize(clientWidthTw, clientHeightTw, style, exStyle, dpi, dpi);
    MONITORINFO monitor{sizeof monitor};
    GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& area = monitor.rcWork;
    const int left = area.left + (area.right - area.left - width) / 2;
    const int top = area.top + (area.bottom - area.top - height) / 2;
    return {left, top, left + width, top + height};
}

void EnableNonClientDpiScaling(HWND hwnd) {
    if (const auto enable = FromUser32<EnableNonClientFn>("EnableNonClientDpiScaling")) {
        enable(hwnd);
    }
}

LRESULT AnswerDpiScaledSize(HWND hwnd, WPARAM wParam, LPARAM lParam, int clientWidthTw,
                            int clientHeightTw) {
    const auto dpi = static_cast<UINT>(wParam);
    *reinterpret_cast<SIZE*>(lParam) = FrameSizeOf(hwnd, clientWidthTw, clientHeightTw, dpi, dpi);
    return TRUE;
}

// Since Windows 10 1703 the suggestion is the frame the window asked for. On Windows 8.1 and
// early Windows 10 it scales the title bar and borders with the rest, though they do not
// scale so, and the client area would come out several pixels off: the frame is sized again
// from the borders the window really has.
void TakeSuggestedPlace(HWND hwnd, const RECT& suggested, int clientWidthTw, int clientHeightTw,
                        UINT dpi) {
    if (IsIconic(hwnd)) {
        ResizeRestorePlacement(hwnd, clientWidthTw, clientHeightTw, dpi);
        return;
    }
    SetWindowPos(hwnd, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT frame, client;
    if (!GetWindowRect(hwnd, &frame) || !GetClientRect(hwnd, &client)) {
        return;
    }
    const int width = frame.right - frame.left - client.right + TwipsToPixels(clientWidthTw, dpi);
    const int height =
        frame.bottom - frame.top - client.bottom + TwipsToPixels(clientHeightTw, dpi);
    if (width != frame.right - frame.left || height != frame.bottom - frame.top) {
        SetWindowPos(hwnd, nullptr, 0, 0, width, height,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void SizeToClientAndCentre(HWND hwnd, int clientWidthTw, int clientHeightTw, UINT dpi) {
    const RECT frame = CentredFrame(clientWidthTw, clientHeightTw,
                                    static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE)),
                                    static_cast<DWORD>(GetWindowLongW(hwnd, GWL_EXSTYLE)), dpi);
    RECT now;
    GetWindowRect(hwnd, &now);
    if (!EqualRect(&now, &frame)) {
        SetWindowPos(hwnd, nullptr, frame.left, frame.top, frame.right - frame.left,
                     frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}
