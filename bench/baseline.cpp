// The floor for the start-up benchmark: Korvalo's window structure and nothing else. A main
// window of the same client size, a top-most popup of the card's size and as many plain
// child windows as Korvalo creates; no fonts, no pictures, no painting but the class brush.
// With "one" on the command line it makes the main window alone; with "controls" two of the
// children are system BUTTONs, themed under the common controls 6 manifest, as Korvalo's two
// buttons are: the common controls and their theme are part of the structure. With "texts"
// as well, the two windows also make Korvalo's fonts and draw the texts it shows at start,
// which measures what drawing those texts costs by itself.
#include <windows.h>

#include <cwchar>

namespace {

constexpr wchar_t kMainClass[] = L"KorvaloBaseline";
constexpr wchar_t kChildClass[] = L"KorvaloBaselineChild";
constexpr wchar_t kCardClass[] = L"KorvaloBaselineCard";
constexpr int kMainChildren = 28;  // 5 frames, 4 labels, 12 swatches, 5 bands, 2 buttons
constexpr int kCardChildren = 4;   // the card's four texts
constexpr DWORD kMainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

bool drawTexts = false;

struct Text {
    int font;  // index into the fonts below
    int x, y;
    const wchar_t* text;
};

// Korvalo's faces and sizes at 96 DPI: 9, 18 bold, 12 point 宋体 and 15.75 point bold 隶书.
HFONT MakeFont(int index) {
    static const struct {
        int height;
        bool bold;
        const wchar_t* face;
    } kFonts[] = {{-12, false, L"SimSun"},
                  {-24, true, L"SimSun"},
                  {-16, false, L"SimSun"},
                  {-21, true, L"LiSu"}};
    LOGFONTW font{};
    font.lfHeight = kFonts[index].height;
    font.lfWeight = kFonts[index].bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = GB2312_CHARSET;
    lstrcpyW(font.lfFaceName, kFonts[index].face);
    return CreateFontIndirectW(&font);
}

void DrawTexts(HWND hwnd, const Text* texts, int count) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    if (drawTexts) {
        SetBkMode(dc, TRANSPARENT);
        HFONT fonts[4] = {MakeFont(0), MakeFont(1), MakeFont(2), MakeFont(3)};
        HGDIOBJ old = SelectObject(dc, fonts[0]);
        for (int i = 0; i < count; ++i) {
            SelectObject(dc, fonts[texts[i].font]);
            TextOutW(dc, texts[i].x, texts[i].y, texts[i].text, lstrlenW(texts[i].text));
        }
        SelectObject(dc, old);
        for (HFONT font : fonts) {
            DeleteObject(font);
        }
    }
    EndPaint(hwnd, &ps);
}

LRESULT CALLBACK MainProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    static const Text kTexts[] = {
        {0, 32, 2, L"选择区"},        {1, 40, 96, L"黑 棕  红 橙 黄 绿 蓝 紫 灰  白 金 银"},
        {0, 32, 138, L"结果区"},      {0, 48, 154, L"您选择的色环顺序"},
        {0, 320, 154, L"对应的阻值"}, {0, 32, 274, L"控制区"},
        {2, 120, 304, L"重来"},       {2, 340, 304, L"现在读阻值"},
    };
    if (message == WM_PAINT) {
        DrawTexts(hwnd, kTexts, sizeof kTexts / sizeof kTexts[0]);
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK CardProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    static const Text kTexts[] = {
        {3, 130, 24, L"Korvalo"},           {3, 170, 72, L"V1.0"}, {2, 124, 104, L"Korvalo 项目组"},
        {2, 124, 124, L"反馈：项目议题区"}, {2, 42, 120, L"2007"},
    };
    if (message == WM_PAINT) {
        DrawTexts(hwnd, kTexts, sizeof kTexts / sizeof kTexts[0]);
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

void AddChildren(HWND parent, int count, int buttons = 0) {
    for (int i = 0; i < count; ++i) {
        CreateWindowExW(0, i < buttons ? L"BUTTON" : kChildClass, L"", WS_CHILD | WS_VISIBLE,
                        8 + 16 * i, 8, 12, 12, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(100 + i)), nullptr, nullptr);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int showCommand) {
    const bool oneWindow = wcsstr(commandLine, L"one") != nullptr;
    const bool controls = wcsstr(commandLine, L"controls") != nullptr;
    drawTexts = wcsstr(commandLine, L"texts") != nullptr;
    SetProcessDPIAware();
    Register(kMainClass, MainProc);
    Register(kChildClass, DefWindowProcW);
    Register(kCardClass, CardProc);

    RECT frame{0, 0, 553, 349};
    AdjustWindowRectEx(&frame, kMainStyle, FALSE, 0);
    HWND main = CreateWindowExW(0, kMainClass, L"Baseline", kMainStyle, CW_USEDEFAULT,
                                CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                                nullptr, nullptr, nullptr, nullptr);
    if (!oneWindow) {
        AddChildren(main, kMainChildren, controls ? 2 : 0);
        HWND card = CreateWindowExW(WS_EX_TOOLWINDOW, kCardClass, L"", WS_POPUP, 0, 0, 312, 169,
                                    nullptr, nullptr, nullptr, nullptr);
        AddChildren(card, kCardChildren);
        ShowWindow(card, SW_SHOW);
        UpdateWindow(card);
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
