#include <gtest/gtest.h>
#include <windows.h>

#include <psapi.h>

#include <string>
#include <vector>

#include "control_ids.h"
#include "resource_ids.h"
#include "ui_support.h"

namespace {

std::wstring ExePath() {
    return OutputPath(L"Korvalo.exe");
}

TEST(Executable, VersionResourceReadsBack) {
    const std::wstring exe = ExePath();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> data(size);
    ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, size, data.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);

    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
    EXPECT_EQ(translation[0], 0x0804);
    EXPECT_EQ(translation[1], 1200);

    for (const wchar_t* key : {L"FileVersion", L"ProductVersion"}) {
        wchar_t* text = nullptr;
        const std::wstring path = std::wstring(L"\\StringFileInfo\\080404b0\\") + key;
        ASSERT_TRUE(
            VerQueryValueW(data.data(), path.c_str(), reinterpret_cast<void**>(&text), &length));
        EXPECT_STREQ(text, L"1.00");
    }
}

#pragma pack(push, 2)
struct IconGroupEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
struct IconGroup {
    WORD reserved, type, count;
    IconGroupEntry entries[1];
};
struct CursorGroupEntry {
    WORD width, height, planes, bitCount;
    DWORD bytes;
    WORD id;
};
struct CursorGroup {
    WORD reserved, type, count;
    CursorGroupEntry entries[3];
};
#pragma pack(pop)

BOOL CALLBACK FirstName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR first) {
    *reinterpret_cast<LPCWSTR*>(first) = name;
    return FALSE;
}

// The application icon is the single 96-pixel two-colour portrait, with the lowest ID; the
// hand cursor comes at 32, 48 and 64 pixels, each with its hot spot on the fingertip.
TEST(Executable, ResourcesHoldThePortraitAndTheHandInThreeSizes) {
    HMODULE exe = LoadLibraryExW(ExePath().c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(exe, nullptr);
    LPCWSTR first = nullptr;
    EnumResourceNamesW(exe, RT_GROUP_ICON, FirstName, reinterpret_cast<LONG_PTR>(&first));
    EXPECT_TRUE(IS_INTRESOURCE(first) && reinterpret_cast<ULONG_PTR>(first) == 1)
        << "the application icon has the lowest ID";
    const auto resource = [exe](LPCWSTR name, LPCWSTR type) {
        HRSRC found = FindResourceW(exe, name, type);
        return found == nullptr ? nullptr : LockResource(LoadResource(exe, found));
    };
    const auto* group = static_cast<const IconGroup*>(resource(MAKEINTRESOURCEW(1), RT_GROUP_ICON));
    ASSERT_NE(group, nullptr);
    ASSERT_EQ(group->count, 1);
    EXPECT_EQ(group->entries[0].width, 96);
    EXPECT_EQ(group->entries[0].height, 96);
    EXPECT_EQ(group->entries[0].bitCount, 1);
    HICON icon = static_cast<HICON>(LoadImageW(exe, MAKEINTRESOURCEW(1), IMAGE_ICON, 96, 96, 0));
    EXPECT_NE(icon, nullptr);
    DestroyIcon(icon);

    const auto* cursors = static_cast<const CursorGroup*>(
        resource(MAKEINTRESOURCEW(IDC_POINTING_HAND), RT_GROUP_CURSOR));
    ASSERT_NE(cursors, nullptr);
    ASSERT_EQ(cursors->count, 3);
    const struct { int size, x, y; } expected[] = {{32, 12, 1}, {48, 18, 1}, {64, 24, 2}};
    for (int i = 0; i < 3; ++i) {
        const CursorGroupEntry& entry = cursors->entries[i];
        const auto* image =
            static_cast<const WORD*>(resource(MAKEINTRESOURCEW(entry.id), RT_CURSOR));
        ASSERT_NE(image, nullptr);
        const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(image + 2);
        EXPECT_EQ(header->biWidth, expected[i].size);
        EXPECT_EQ(header->biBitCount, 4);
        EXPECT_EQ(image[0], expected[i].x) << "hot spot at " << expected[i].size;
        EXPECT_EQ(image[1], expected[i].y) << "hot spot at " << expected[i].size;
    }
    FreeLibrary(exe);
}

struct ProgramWindows {
    HWND main = nullptr, card = nullptr, box = nullptr;
};

BOOL CALLBACK NoteWindow(HWND window, LPARAM param) {
    auto* found = reinterpret_cast<ProgramWindows*>(param);
    wchar_t className[32];
    GetClassNameW(window, className, 32);
    if (lstrcmpW(className, kMainWindowClass) == 0 && IsWindowVisible(window)) {
        found->main = window;
    } else if (lstrcmpW(className, kCardWindowClass) == 0) {
        found->card = window;
    } else if (lstrcmpW(className, L"#32770") == 0) {
        found->box = window;
    }
    return TRUE;
}

ProgramWindows WindowsOf(DWORD threadId) {
    ProgramWindows found;
    EnumThreadWindows(threadId, NoteWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

// Korvalo.exe started as a user starts it, or as a shortcut with a show state does, ended
// when the test is done.
class Launched {
public:
    explicit Launched(int show = -1) {
        std::wstring commandLine = L"\"" + ExePath() + L"\"";
        STARTUPINFOW startup{sizeof startup};
        if (show >= 0) {
            startup.dwFlags = STARTF_USESHOWWINDOW;
            startup.wShowWindow = static_cast<WORD>(show);
        }
        if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                           nullptr, &startup, &process)) {
            WaitForInputIdle(process.hProcess, 10000);
        }
    }
    Launched(const Launched&) = delete;
    Launched& operator=(const Launched&) = delete;
    ~Launched() {
        TerminateProcess(process.hProcess, 1);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    // Waits until the program's windows are as `ready` wants them.
    bool WaitFor(bool (*ready)(const ProgramWindows&)) {
        return PumpUntil(
            [&] {
                windows = WindowsOf(process.dwThreadId);
                return ready(windows);
            },
            10000);
    }
    bool Ends(DWORD withinMs) const {
        return WaitForSingleObject(process.hProcess, withinMs) == WAIT_OBJECT_0;
    }

    PROCESS_INFORMATION process{};
    ProgramWindows windows;
};

// A shortcut set to run maximised: the window has one size, so it comes up as it always does.
TEST(Executable, MaximisedStartShowsTheWindowAtItsNormalSizeAndPlace) {
    const auto shown = [](const ProgramWindows& w) { return w.main != nullptr && !w.card; };
    RECT normal{};
    {
        Launched program;
        ASSERT_TRUE(program.WaitFor(shown));
        GetWindowRect(program.windows.main, &normal);
    }
    Launched program(SW_SHOWMAXIMIZED);
    ASSERT_TRUE(program.WaitFor(shown));
    HWND main = program.windows.main;
    Pump(200);
    WriteBmp(OutputPath(L"korvalo-maximised-start.bmp"), CaptureWindow(GetDesktopWindow()));
    EXPECT_FALSE(IsZoomed(main));
    RECT frame, client;
    GetWindowRect(main, &frame);
    GetClientRect(main, &client);
    EXPECT_TRUE(EqualRect(&frame, &normal));
    EXPECT_EQ(client.right, Scaled(553));
    EXPECT_EQ(client.bottom, Scaled(349));
    EXPECT_EQ(GetForegroundWindow(), main);
}

bool HasModule(HANDLE process, const wchar_t* name) {
    HMODULE modules[512];
    DWORD bytes = 0;
    EnumProcessModules(process, modules, sizeof modules, &bytes);
    for (DWORD i = 0; i < bytes / sizeof(HMODULE) && i < 512; ++i) {
        wchar_t base[MAX_PATH];
        if (GetModuleBaseNameW(process, modules[i], base, MAX_PATH) > 0 &&
            lstrcmpiW(base, name) == 0) {
            return true;
        }
    }
    return false;
}

// The release itself, driven with real clicks: the road of one reading, a band added after
// it, and bands that no resistor has.
TEST(Executable, ReadsGoldRedBlackBrownAsOneKilohm) {
    Launched program;
    ASSERT_TRUE(program.WaitFor([](const ProgramWindows& w) { return w.main && !w.card; }))
        << "the card closes by itself";
    HWND main = program.windows.main;
    EXPECT_TRUE(HasModule(program.process.hProcess, L"user32.dll"));
    EXPECT_FALSE(HasModule(program.process.hProcess, L"shcore.dll"))
        << "a system with GetDpiForWindow never needs it";
    const auto clickSwatches = [main](std::initializer_list<int> codes) {
        for (int code : codes) {
            RealClick(FindControl(main, kIdPicture1 + code), {14, 26});
        }
    };
    HWND resistance = FindControl(main, kIdLabel2);
    HWND tolerance = FindControl(main, kIdLabel3);
    clickSwatches({10, 2, 0, 1});
    RealClick(FindControl(main, kIdCommand2), {52, 16});
    EXPECT_TRUE(PumpUntil([&] { return TextOf(resistance) == L"1KΩ"; }, 5000));
    EXPECT_EQ(TextOf(tolerance), L"允许偏差±5%");
    EXPECT_TRUE(IsWindowVisible(FindControl(main, kIdLabel4)));
    Pump(200);
    WriteBmp(OutputPath(L"korvalo-release-reading.bmp"), CaptureWindow(main));

    // Green is the fifth band of the resistor on the screen: read from the other end it is
    // green, brown, black, red, gold.
    clickSwatches({5});
    RealClick(FindControl(main, kIdCommand2), {52, 16});
    EXPECT_TRUE(PumpUntil([&] { return TextOf(resistance) == L"51KΩ"; }, 5000));
    EXPECT_EQ(TextOf(tolerance), L"允许偏差±5%");

    RealClick(FindControl(main, kIdCommand1), {52, 16});
    clickSwatches({1, 10, 2, 10});
    RealClick(FindControl(main, kIdCommand2), {52, 16});
    // The box is a window before it has its text.
    ASSERT_TRUE(program.WaitFor(
        [](const ProgramWindows& w) { return w.box && !ReadMessageBox(w.box).text.empty(); }));
    const SeenMessageBox box = ReadMessageBox(program.windows.box);
    EXPECT_EQ(box.title, L"提示");
    EXPECT_EQ(box.text, L"金色和银色不能作为数字色环！");
    EXPECT_EQ(box.buttons, 1);
    EXPECT_FALSE(box.icon);
    PostMessageW(program.windows.box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(program.WaitFor([](const ProgramWindows& w) { return w.box == nullptr; }));
    EXPECT_EQ(TextOf(resistance), L"");
    EXPECT_EQ(TextOf(tolerance), L"");
    EXPECT_FALSE(IsWindowVisible(FindControl(main, kIdLabel4)));

    PostMessageW(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(program.Ends(5000));
    DWORD exitCode = 1;
    GetExitCodeProcess(program.process.hProcess, &exitCode);
    EXPECT_EQ(exitCode, 0u);
}

}  // namespace
