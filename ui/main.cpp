#include <windows.h>

#include "program.h"

namespace {

// DLLs are looked up in System32 only, never beside the exe or in the current directory.
// Windows 7 without KB2533623 cannot say so; there at least the current directory goes.
void RestrictDllSearch() {
    using SetDirectoriesFn = BOOL(WINAPI*)(DWORD);
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    auto setDirectories = reinterpret_cast<SetDirectoriesFn>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
    if (setDirectories == nullptr || !setDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        SetDllDirectoryW(L"");
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    RestrictDllSearch();
    Program program(instance);
    if (!program.Start(showCommand)) {
        return 1;
    }
    return program.Run();
}
