#include "ui_support.h"

#include "program.h"

#include <cstdio>

#include <gtest/gtest.h>

namespace {

MessageBoxWatcher* activeWatcher = nullptr;
HWND openBox = nullptr;

BOOL CALLBACK FindChild(HWND child, LPARAM param) {
    auto* search = reinterpret_cast<std::pair<int, HWND>*>(param);
    if (GetDlgCtrlID(child) == search->first) {
        search->second = child;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK ReadBoxChild(HWND child, LPARAM param) {
    auto* box = reinterpret_cast<SeenMessageBox*>(param);
    wchar_t className[32];
    GetClassNameW(child, className, 32);
    // The box is not shown yet when it activates, so its controls' own style tells.
    if ((GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) == 0) {
        return TRUE;
    }
    if (lstrcmpiW(className, L"Button") == 0) {
        ++box->buttons;
    } else if (lstrcmpiW(className, L"Static") == 0) {
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            box->icon = box->icon || SendMessageW(child, STM_GETICON, 0, 0) != 0;
        } else if (std::wstring text = TextOf(child); !text.empty()) {
            box->text = text;
        }
    }
    return TRUE;
}

// Runs inside the box's own message loop, once it is up.
void CALLBACK WhileOpen(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    activeWatcher->whileOpen();
    PostMessageW(openBox, WM_COMMAND, IDOK, 0);
}

// Reads a message box as it becomes active, then answers it with OK.
LRESULT CALLBACK AnswerBox(int code, WPARAM wParam, LPARAM lParam) {
    const auto window = reinterpret_cast<HWND>(wParam);
    wchar_t className[16];
    if (code == HCBT_ACTIVATE && activeWatcher != nullptr &&
        GetClassNameW(window, className, 16) > 0 && lstrcmpW(className, L"#32770") == 0) {
        activeWatcher->seen.push_back(ReadMessageBox(window));
        if (activeWatcher->whileOpen) {
            openBox = window;
            SetTimer(nullptr, 0, 10, WhileOpen);
        } else {
            PostMessageW(window, WM_COMMAND, IDOK, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void PostButton(HWND target, UINT message, POINT at) {
    if (at.x < 0) {
        RECT client;
        GetClientRect(target, &client);
        at = {client.right / 2, client.bottom / 2};
    }
    const WPARAM keys = message == WM_LBUTTONUP ? 0 : MK_LBUTTON;
    PostMessageW(target, message, keys, MAKELPARAM(at.x, at.y));
}

}  // namespace

void Pump(DWORD milliseconds, HWND dialog) {
    PumpUntil([] { return false; }, milliseconds, dialog);
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs, HWND dialog) {
    const DWORD start = GetTickCount();
    for (;;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                // Leave it for TakeQuit.
                PostQuitMessage(static_cast<int>(message.wParam));
                break;
            }
            Dispatch(message, IsWindow(dialog) ? dialog : nullptr);
        }
        if (done()) {
            return true;
        }
        if (GetTickCount() - start >= timeoutMs) {
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

bool TakeQuit() {
    MSG message;
    return PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != 0;
}

UINT PrefixDpi() {
    wchar_t value[8] = L"";
    GetEnvironmentVariableW(L"KORVALO_DPI", value, 8);
    return value[0] != 0 ? static_cast<UINT>(_wtoi(value)) : 96u;
}

int Scaled(int px96, UINT dpi) {
    return MulDiv(px96, static_cast<int>(dpi), 96);
}

void ChangeDpi(HWND window, UINT from, UINT to, int heightError) {
    RECT r;
    GetWindowRect(window, &r);
    const auto scale = [from, to](LONG px) {
        return MulDiv(px, static_cast<int>(to), static_cast<int>(from));
    };
    RECT suggested{r.left, r.top, r.left + scale(r.right - r.left),
                   r.top + scale(r.bottom - r.top) + heightError};
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(&suggested));
}

HWND FindControl(HWND root, int id) {
    std::pair<int, HWND> search{id, nullptr};
    EnumChildWindows(root, FindChild, reinterpret_cast<LPARAM>(&search));
    return search.second;
}

RECT RectInParent(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::wstring TextOf(HWND window) {
    wchar_t text[256];
    const int length = GetWindowTextW(window, text, 256);
    return std::wstring(text, static_cast<size_t>(length));
}

std::vector<SIZE> TextExtents(HWND control, const std::vector<std::wstring>& texts) {
    HDC dc = GetDC(control);
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
    std::vector<SIZE> extents(texts.size());
    for (size_t i = 0; i < texts.size(); ++i) {
        GetTextExtentPoint32W(dc, texts[i].c_str(), static_cast<int>(texts[i].size()), &extents[i]);
    }
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return extents;
}

void Click(HWND target, POINT at) {
    PostButton(target, WM_LBUTTONDOWN, at);
    PostButton(target, WM_LBUTTONUP, at);
    Pump(0);
}

void DoubleClick(HWND target) {
    PostButton(target, WM_LBUTTONDOWN, {-1, -1});
    PostButton(target, WM_LBUTTONUP, {-1, -1});
    PostButton(target, WM_LBUTTONDBLCLK, {-1, -1});
    PostButton(target, WM_LBUTTONUP, {-1, -1});
    Pump(0);
}

namespace {

// Buttons this thread takes, those a disabled window drops too; another thread's are not seen.
size_t buttonsTaken = 0;
LRESULT CALLBACK CountButtons(int code, WPARAM message, LPARAM lParam) {
    buttonsTaken += code == HC_ACTION && message != WM_MOUSEMOVE && message != WM_NCMOUSEMOVE;
    return CallNextHookEx(nullptr, code, message, lParam);
}

void SendButtons(HWND window, std::initializer_list<DWORD> flags) {
    std::vector<INPUT> inputs;
    for (DWORD flag : flags) {
        inputs.push_back({INPUT_MOUSE, {.mi{.dwFlags = flag}}});
    }
    const ThreadHook count = HookThread(WH_MOUSE, CountButtons);
    buttonsTaken = 0;
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    const bool ours = GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId();
    EXPECT_EQ(PumpUntil([&] { return buttonsTaken == inputs.size(); }, ours ? 5000 : 100), ours);
}

void MoveTo(HWND window, POINT at) {
    ClientToScreen(window, &at);
    SetCursorPos(at.x, at.y);
}

}  // namespace

void RealClick(HWND window, POINT at, int clicks) {
    MoveTo(window, at);
    for (int i = 0; i < clicks; ++i) {
        SendButtons(window, {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP});
    }
}

void RealDrag(HWND window, POINT from, POINT to) {
    MoveTo(window, from);
    SendButtons(window, {MOUSEEVENTF_LEFTDOWN});
    MoveTo(window, to);
    SendButtons(window, {MOUSEEVENTF_LEFTUP});
}

void RealKey(WORD virtualKey) {
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = inputs[1].ki.wVk = virtualKey;
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
}

namespace {

// The screen's pixels as a top-down 32-bit DIB, 0x00RRGGBB each.
BITMAPINFOHEADER TopDown32(int width, int height) {
    return {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB};
}

Picture CaptureScreen(RECT area) {
    Picture picture;
    picture.width = area.right - area.left;
    picture.height = area.bottom - area.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, picture.width, picture.height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, picture.width, picture.height, screen, area.left, area.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFO info{TopDown32(picture.width, picture.height)};
    std::vector<DWORD> bits(static_cast<size_t>(picture.width * picture.height));
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(picture.height), bits.data(), &info,
              DIB_RGB_COLORS);
    for (DWORD v : bits) {
        picture.pixels.push_back(RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF));
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return picture;
}

}  // namespace

Picture CaptureClient(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return CaptureScreen(client);
}

Picture CaptureWindow(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return CaptureScreen(rect);
}

// The test command turns these into PNG files where it has ImageMagick.
bool WriteBmp(const std::wstring& path, const Picture& picture) {
    std::vector<DWORD> bits;
    for (COLORREF c : picture.pixels) {
        bits.push_back(static_cast<DWORD>(GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c)));
    }
    const BITMAPINFOHEADER info = TopDown32(picture.width, picture.height);
    const DWORD bitsSize = static_cast<DWORD>(bits.size() * sizeof(DWORD));
    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof info;
    const BITMAPFILEHEADER file{0x4D42, offset + bitsSize, 0, 0, offset};
    FILE* out = _wfopen(path.c_str(), L"wb");
    if (out == nullptr) {
        return false;
    }
    const bool ok = fwrite(&file, sizeof file, 1, out) == 1 &&
                    fwrite(&info, sizeof info, 1, out) == 1 &&
                    fwrite(bits.data(), bitsSize, 1, out) == 1;
    fclose(out);
    return ok;
}

std::wstring OutputPath(const wchar_t* name) {
    wchar_t exe[MAX_PATH];
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring path(exe);
    return path.substr(0, path.find_last_of(L"\\/") + 1) + name;
}

SeenMessageBox ReadMessageBox(HWND box) {
    SeenMessageBox seen;
    seen.title = TextOf(box);
    EnumChildWindows(box, ReadBoxChild, reinterpret_cast<LPARAM>(&seen));
    return seen;
}

MessageBoxWatcher::MessageBoxWatcher(std::function<void()> whileOpen)
    : whileOpen(std::move(whileOpen)), hook(HookThread(WH_CBT, AnswerBox)) {
    activeWatcher = this;
}

MessageBoxWatcher::~MessageBoxWatcher() {
    activeWatcher = nullptr;
}
