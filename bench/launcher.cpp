// Starts Korvalo and the baselines in turns and measures, for each run, the time from
// CreateProcess until the main window is visible and the process is idle for input, and the
// private memory (commit charge) at that moment.
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

struct Program {
    const char* name;
    std::wstring commandLine;
    const wchar_t* windowClass;
    std::vector<double> milliseconds;
    std::vector<double> kib;
};

struct Search {
    const wchar_t* windowClass;
    bool found;
};

BOOL CALLBACK FindVisible(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    wchar_t name[64];
    if (IsWindowVisible(window) && GetClassNameW(window, name, 64) > 0 &&
        wcscmp(name, search->windowClass) == 0) {
        search->found = true;
        return FALSE;
    }
    return TRUE;
}

bool Measure(Program& program) {
    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    STARTUPINFOW startup{sizeof startup};
    PROCESS_INFORMATION process{};
    std::wstring commandLine = program.commandLine;
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return false;
    }
    bool ready = false;
    for (;;) {
        Search search{program.windowClass, false};
        EnumThreadWindows(process.dwThreadId, FindVisible, reinterpret_cast<LPARAM>(&search));
        ready = search.found && WaitForInputIdle(process.hProcess, 0) == 0;
        QueryPerformanceCounter(&now);
        if (ready || now.QuadPart - start.QuadPart > 10 * frequency.QuadPart) {
            break;
        }
        // A millisecond's sleep between looks leaves both cores to the program being timed.
        Sleep(1);
    }
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(process.hProcess, &counters, sizeof counters);
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 5000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (!ready) {
        return false;
    }
    program.milliseconds.push_back(1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
                                   static_cast<double>(frequency.QuadPart));
    program.kib.push_back(static_cast<double>(counters.PagefileUsage) / 1024.0);
    return true;
}

struct Summary {
    double min, median, max;
};

Summary Summarise(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return {values.front(), median, values.back()};
}

std::wstring Beside(const wchar_t* name) {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring text(path);
    return L"\"" + text.substr(0, text.find_last_of(L"\\/") + 1) + name + L"\"";
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int runs = argc > 1 ? std::max(15, _wtoi(argv[1])) : 15;
    // The yardstick first: Korvalo's window structure with its two themed buttons.
    std::vector<Program> programs = {
        {"Korvalo", Beside(L"Korvalo.exe"), L"KorvaloMain", {}, {}},
        {"controls", Beside(L"baseline.exe") + L" controls", L"KorvaloBaseline", {}, {}},
        {"+ texts", Beside(L"baseline.exe") + L" controls texts", L"KorvaloBaseline", {}, {}},
        {"baseline", Beside(L"baseline.exe"), L"KorvaloBaseline", {}, {}},
        {"one window", Beside(L"baseline.exe") + L" one", L"KorvaloBaseline", {}, {}},
    };
    // One run of each to warm the caches, then the measured runs in turns.
    for (Program& program : programs) {
        Program warmUp = program;
        if (!Measure(warmUp)) {
            std::printf("could not start %s\n", program.name);
            return 1;
        }
    }
    for (int run = 0; run < runs; ++run) {
        for (Program& program : programs) {
            if (!Measure(program)) {
                std::printf("run %d of %s did not come up\n", run, program.name);
                return 1;
            }
        }
    }

    std::printf("%d runs each; start-up until visible and idle, private memory at that moment\n",
                runs);
    std::printf("%-11s %9s %9s %9s   %9s %9s %9s\n", "program", "min ms", "median", "max",
                "min KiB", "median", "max");
    std::vector<Summary> times, memory;
    for (const Program& program : programs) {
        times.push_back(Summarise(program.milliseconds));
        memory.push_back(Summarise(program.kib));
        std::printf("%-11s %9.1f %9.1f %9.1f   %9.0f %9.0f %9.0f\n", program.name, times.back().min,
                    times.back().median, times.back().max, memory.back().min, memory.back().median,
                    memory.back().max);
    }
    auto ratio = [&](const std::vector<Summary>& of, size_t i) {
        return of[0].median / of[i].median;
    };
    auto extraKib = [&](size_t i) { return memory[0].median - memory[i].median; };
    std::printf("Korvalo / controls: start-up %.3f (target 1.05), memory %+.0f KiB (target +512)\n",
                ratio(times, 1), extraKib(1));
    std::printf(
        "Korvalo / controls with Korvalo's fonts and texts drawn: start-up %.3f, memory %+.0f "
        "KiB\n",
        ratio(times, 2), extraKib(2));
    std::printf("for reference: / baseline %.3f (%+.0f KiB), / one window %.3f\n", ratio(times, 3),
                extraKib(3), ratio(times, 4));
    std::printf(
        "RATIOS start_up=%.3f memory_extra_kib=%.0f texts_start_up=%.3f "
        "texts_memory_extra_kib=%.0f "
        "baseline_start_up=%.3f baseline_memory_extra_kib=%.0f one_window_start_up=%.3f "
        "korvalo_median_ms=%.1f controls_median_ms=%.1f\n",
        ratio(times, 1), extraKib(1), ratio(times, 2), extraKib(2), ratio(times, 3), extraKib(3),
        ratio(times, 4), times[0].median, times[1].median);
    return 0;
}
