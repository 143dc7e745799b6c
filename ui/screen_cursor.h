#pragma once

#include <windows.h>

// One cursor for all of the program's windows that, while set, overrides the cursors of the
// single controls: the hourglass during start-up.
enum class ScreenCursor { Default = 0, Hourglass = 11 };

void SetScreenCursor(ScreenCursor cursor);
// For WM_SETCURSOR, given its lParam: sets the override and says so, or leaves the cursor to
// the window.
bool ApplyScreenCursor(LPARAM setCursorParam);
