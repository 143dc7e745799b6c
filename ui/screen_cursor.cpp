#include "screen_cursor.h"

#include <windows.h>

namespace {

// Program-wide by nature, like the mouse itself; only the GUI thread touches it.
ScreenCursor current = ScreenCursor::Default;

}  // namespace

void SetScreenCursor(ScreenCursor cursor) {
    current = cursor;
    // Show the change at once when the mouse is over one of our windows, not only at the
    // next mouse move.
    POINT at;
    if (!GetCursorPos(&at)) {
        return;
    }
    HWND under = WindowFromPoint(at);
    if (under != nullptr && GetWindowThreadProcessId(under, nullptr) == GetCurrentThreadId()) {
        const LRESULT hit = SendMessageW(under, WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y));
        SendMessageW(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under),
                     MAKELPARAM(hit, WM_MOUSEMOVE));
    }
}

// Over a window that a message box has disabled (HTERROR), the system's own handling beeps
// at a click and flashes the box, hourglass or not.
bool ApplyScreenCursor(LPARAM setCursorParam) {
    if (current != ScreenCursor::Hourglass ||
        static_cast<short>(LOWORD(setCursorParam)) == HTERROR) {
        return false;
    }
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    return true;
}
