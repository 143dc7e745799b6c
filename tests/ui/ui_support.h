#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

// A hook on this thread's messages, removed when it goes.
using ThreadHook = std::unique_ptr<std::remove_pointer_t<HHOOK>, decltype(&UnhookWindowsHookEx)>;
inline ThreadHook HookThread(int type, HOOKPROC proc) {
    return {SetWindowsHookExW(type, proc, nullptr, GetCurrentThreadId()), UnhookWindowsHookEx};
}

// Dispatches this thread's messages for the given time, through the dialog manager of
// `dialog` when one is given, as the program's own loop does.
void Pump(DWORD milliseconds, HWND dialog = nullptr);
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs, HWND dialog = nullptr);
// Takes a WM_QUIT left behind by a window that ended the program.
bool TakeQuit();

// The DPI the test prefix runs at: 96, or what KORVALO_DPI says.
UINT PrefixDpi();
// A length in pixels at 96 DPI, at `dpi`.
int Scaled(int px96, UINT dpi = PrefixDpi());
// What the system sends when the window moves to a monitor of another DPI: the frame it
// suggests is the present one scaled, and `heightError` pixels taller.
void ChangeDpi(HWND window, UINT from, UINT to, int heightError = 0);

HWND FindControl(HWND root, int id);
RECT RectInParent(HWND control);
std::wstring TextOf(HWND window);
// The size of each line of text in the control's own font.
std::vector<SIZE> TextExtents(HWND control, const std::vector<std::wstring>& texts);

// A press and release of the left button, as the mouse posts them, at a client point
// (the centre when none is given).
void Click(HWND target, POINT at = {-1, -1});
void DoubleClick(HWND target);
// The same through the system's input queue, at points in `window`'s client area: one click
// or several in quick succession, or a drag. A window of this thread has handled them on return.
void RealClick(HWND window, POINT at, int clicks = 1);
void RealDrag(HWND window, POINT from, POINT to);
// A key pressed and released through the system's input queue.
void RealKey(WORD virtualKey);

// The pixels a person sees of a window's client area, read from the screen.
struct Picture {
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
};
Picture CaptureClient(HWND window);
Picture CaptureWindow(HWND window);
bool WriteBmp(const std::wstring& path, const Picture& picture);
std::wstring OutputPath(const wchar_t* name);  // beside the test executable

// Answers every message box of this thread with OK, noting what it showed.
struct SeenMessageBox {
    std::wstring title, text;
    int buttons = 0;
    bool icon = false;
};
SeenMessageBox ReadMessageBox(HWND box);
class MessageBoxWatcher {
public:
    // With `whileOpen`, each box first stays up while that runs.
    explicit MessageBoxWatcher(std::function<void()> whileOpen = {});
    ~MessageBoxWatcher();
    std::vector<SeenMessageBox> seen;
    std::function<void()> whileOpen;

private:
    ThreadHook hook;
};
