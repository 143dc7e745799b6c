#include <windows.h>
#include <commctrl.h>

#include "main_window.h"

namespace {

// DLLs are looked up in System32 only, never beside the exe or in the current directory.
void RestrictDllSearch() {
    using SetDirectoriesFn = BOOL(WINAPI*)(DWORD);
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    auto setDirectories = reinterpret_cast<SetDirectoriesFn>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
    if (setDirectories != nullptr) {
        setDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    RestrictDllSearch();
    EnableDpiAwareness();
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    MainWindow::Register(instance);
    MainWindow form(instance);
    if (form.Create() == nullptr) {
        return 1;
    }
    form.Form_Load();
    ShowWindow(form.hwnd, showCommand);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (form.hwnd != nullptr && IsDialogMessageW(form.hwnd, &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
