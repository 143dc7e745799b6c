#include "ui_support.h"

#include <cstdio>

namespace {

std::vector<SeenMessageBox>* activeSeen = nullptr;

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

// Reads a message box as it becomes active, then answers it with OK.
LRESULT CALLBACK AnswerBox(int code, WPARAM wParam, LPARAM lParam) {
    const auto window = reinterpret_cast<HWND>(wParam);
    wchar_t className[16];
    if (code == HCBT_ACTIVATE && activeSeen != nullptr &&
        GetClassNameW(window, className, 16) > 0 && lstrcmpW(className, L"#32770") == 0) {
        SeenMessageBox box;
        box.title = TextOf(window);
        EnumChildWindows(window, ReadBoxChild, reinterpret_cast<LPARAM>(&box));
        activeSeen->push_back(box);
        PostMessageW(window, WM_COMMAND, IDOK, 0);
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
            if (dialog != nullptr && IsWindow(dialog) && IsDialogMessageW(dialog, &message)) {
                continue;
            }
            TranslateMessage(&message);
            DispatchMessageW(&message);
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

void SendButtons(std::initializer_list<DWORD> flags) {
    std::vector<INPUT> inputs;
    for (DWORD flag : flags) {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = flag;
        inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void MoveTo(HWND window, POINT at) {
    ClientToScreen(window, &at);
    SetCursorPos(at.x, at.y);
    Pump(20);
}

}  // namespace

void RealClick(HWND window, POINT at, int clicks) {
    MoveTo(window, at);
    for (int i = 0; i < clicks; ++i) {
        SendButtons({MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP});
    }
    Pump(100);
}

void RealDrag(HWND window, POINT from, POINT to) {
    MoveTo(window, from);
    SendButtons({MOUSEEVENTF_LEFTDOWN});
    Pump(50);
    MoveTo(window, to);
    SendButtons({MOUSEEVENTF_LEFTUP});
    Pump(100);
}

void RealKey(WORD virtualKey) {
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = inputs[1].ki.wVk = virtualKey;
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
}

namespace {

Picture CaptureScreen(RECT area) {
    Picture picture;
    picture.width = area.right - area.left;
    picture.height = area.bottom - area.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), picture.width, -picture.height, 1, 32, BI_RGB};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, picture.width, picture.height, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    const auto* data = static_cast<const DWORD*>(bits);
    picture.pixels.resize(static_cast<size_t>(picture.width * picture.height));
    for (size_t i = 0; i < picture.pixels.size(); ++i) {
        const DWORD v = data[i];  // 0x00RRGGBB
        picture.pixels[i] = RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return picture;
}

DWORD Crc(const unsigned char* data, size_t size, DWORD crc = 0) {
    crc = ~crc;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
        }
    }
    return ~crc;
}

void PutBig(std::vector<unsigned char>& out, DWORD v) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<unsigned char>(v >> shift));
    }
}

void Chunk(std::vector<unsigned char>& out, const char* kind,
           const std::vector<unsigned char>& data) {
    PutBig(out, static_cast<DWORD>(data.size()));
    std::vector<unsigned char> body(kind, kind + 4);
    body.insert(body.end(), data.begin(), data.end());
    out.insert(out.end(), body.begin(), body.end());
    PutBig(out, Crc(body.data(), body.size()));
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

// An uncompressed PNG: stored deflate blocks are enough for a test screenshot.
bool WritePng(const std::wstring& path, const Picture& picture) {
    std::vector<unsigned char> raw;
    for (int y = 0; y < picture.height; ++y) {
        raw.push_back(0);
        for (int x = 0; x < picture.width; ++x) {
            const COLORREF c = picture.At(x, y);
            raw.insert(raw.end(), {GetRValue(c), GetGValue(c), GetBValue(c)});
        }
    }
    std::vector<unsigned char> zlib{0x78, 0x01};
    for (size_t at = 0; at < raw.size() || at == 0; at += 65535) {
        const size_t n = std::min<size_t>(65535, raw.size() - at);
        const bool last = at + n >= raw.size();
        zlib.insert(zlib.end(), {static_cast<unsigned char>(last), static_cast<unsigned char>(n),
                                 static_cast<unsigned char>(n >> 8), static_cast<unsigned char>(~n),
                                 static_cast<unsigned char>(~n >> 8)});
        zlib.insert(zlib.end(), raw.begin() + static_cast<long>(at),
                    raw.begin() + static_cast<long>(at + n));
        if (last) {
            break;
        }
    }
    DWORD a = 1, b = 0;
    for (unsigned char c : raw) {
        a = (a + c) % 65521;
        b = (b + a) % 65521;
    }
    PutBig(zlib, (b << 16) | a);

    std::vector<unsigned char> png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<unsigned char> header;
    PutBig(header, static_cast<DWORD>(picture.width));
    PutBig(header, static_cast<DWORD>(picture.height));
    header.insert(header.end(), {8, 2, 0, 0, 0});
    Chunk(png, "IHDR", header);
    Chunk(png, "IDAT", zlib);
    Chunk(png, "IEND", {});

    FILE* file = _wfopen(path.c_str(), L"wb");
    if (file == nullptr) {
        return false;
    }
    const bool ok = fwrite(png.data(), 1, png.size(), file) == png.size();
    fclose(file);
    return ok;
}

std::wstring OutputPath(const wchar_t* name) {
    wchar_t exe[MAX_PATH];
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring path(exe);
    return path.substr(0, path.find_last_of(L"\\/") + 1) + name;
}

MessageBoxWatcher::MessageBoxWatcher()
    : hook(SetWindowsHookExW(WH_CBT, AnswerBox, nullptr, GetCurrentThreadId())) {
    activeSeen = &seen;
}

MessageBoxWatcher::~MessageBoxWatcher() {
    UnhookWindowsHookEx(hook);
    activeSeen = nullptr;
}
