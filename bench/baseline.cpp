// The floor for the start-up benchmark: Korvalo's window structure and nothing else. A main
// window of the same client size, a top-most popup of the card's size and as many plain
// child windows as Korvalo creates; no fonts, no pictures, no painting but the class brush.
// With "one" on the command line it makes the main window alone; with "controls" one of
// the children is a system STATIC, which is what loading the common controls costs.
#include <windows.h>

#include <cwchar>

namespace {

constexpr wchar_t kMainClass[] = L"KorvaloBaseline";
constexpr wchar_t kChildClass[] = L"KorvaloBaselineChild";
constexpr int kMainChildren = 28;  // 5 frames, 4 labels, 12 swatches, 5 bands, 2 buttons
constexpr int kCardChildren = 4;   // the card's four texts
constexpr DWORD kMainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

LRESULT CALLBACK MainProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void Register(const wchar_t* name, WNDPROC proc) {
    WNDCLASSEXW wc{sizeof wc};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = name;
    RegisterClassExW(&wc);
}

void AddChildren(HWND parent, int count, const wchar_t* firstClass = kChildClass) {
    for (int i = 0; i < count; ++i) {
        CreateWindowExW(0, i == 0 ? firstClass : kChildClass, L"", WS_CHILD | WS_VISIBLE,
                        8 + 16 * i, 8, 12, 12, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(100 + i)), nullptr, nullptr);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int showCommand) {
    const bool oneWindow = wcsstr(commandLine, L"one") != nullptr;
    const bool controls = wcsstr(commandLine, L"controls") != nullptr;
    SetProcessDPIAware();
    Register(kMainClass, MainProc);
    Register(kChildClass, DefWindowProcW);

    RECT frame{0, 0, 553, 349};
    AdjustWindowRectEx(&frame, kMainStyle, FALSE, 0);
    HWND main = CreateWindowExW(0, kMainClass, L"Baseline", kMainStyle, CW_USEDEFAULT,
                                CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                                nullptr, nullptr, nullptr, nullptr);
    if (!oneWindow) {
        AddChildren(main, kMainChildren, controls ? L"STATIC" : kChildClass);
        HWND card = CreateWindowExW(WS_EX_TOOLWINDOW, kChildClass, L"", WS_POPUP, 0, 0, 312, 169,
                                    nullptr, nullptr, nullptr, nullptr);
        AddChildren(card, kCardChildren);
        ShowWindow(card, SW_SHOW);
        SetWindowPos(card, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }
    ShowWindow(main, showCommand);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
