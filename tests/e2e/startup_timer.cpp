// tessel_startup_timer: times the start of two programs side by side, from
// process creation to their first painted window, and prints both medians
// and their ratio. Used by startup_speed.sh; it is a measurement, not a test.
//
//   tessel_startup_timer RUNS PROGRAM CLASS FOLDER YARDSTICK
//   tessel_startup_timer watch CLASS
//   tessel_startup_timer memory PROGRAM CLASS FOLDER
//
// PROGRAM is started in FOLDER; it counts as painted once a visible window
// of CLASS has no update region left (its first WM_PAINT has run); it is
// then closed with WM_CLOSE. YARDSTICK ends by itself at its first paint,
// so its time runs to its exit.
//
// "watch" waits for a painted window of CLASS started by someone else,
// prints the moment as Unix time in seconds and closes the window: the
// script then times a start from the shell, Wine's own start included.
//
// "memory" starts PROGRAM in FOLDER and prints, in bytes, its working set
// and its private memory at its first paint, then closes it.
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

bool Start(const std::string& program, const char* folder, PROCESS_INFORMATION& process) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + program + "\"";
    return CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder, &startup, &process) != 0;
}

// A visible window of class whose first paint has run, or null.
HWND PaintedWindow(const char* cls) {
    HWND window = FindWindowA(cls, nullptr);
    if (window != nullptr && IsWindowVisible(window) && !GetUpdateRect(window, nullptr, FALSE)) {
        return window;
    }
    return nullptr;
}

struct MemoryUse {
    SIZE_T workingSet = 0;
    SIZE_T privateBytes = 0;
};

// Seconds to the first painted window of class, or a negative value; the
// memory the program then uses goes to memory when given.
double TimeProgram(const std::string& program, const char* cls, const char* folder,
                   MemoryUse* memory = nullptr) {
    PROCESS_INFORMATION process{};
    double start = Now();
    if (!Start(program, folder, process)) {
        return -1;
    }
    double painted = -1;
    while (Now() - start < 120) {
        if (HWND window = PaintedWindow(cls)) {
            painted = Now() - start;
            PROCESS_MEMORY_COUNTERS_EX counters{};
            counters.cb = sizeof counters;
            if (memory != nullptr &&
                GetProcessMemoryInfo(process.hProcess,
                                     reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                                     sizeof counters)) {
                memory->workingSet = counters.WorkingSetSize;
                memory->privateBytes = counters.PrivateUsage;
            }
            PostMessageA(window, WM_CLOSE, 0, 0);
            break;
        }
        if (WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) {
            DWORD code = 0;
            GetExitCodeProcess(process.hProcess, &code);
            std::fprintf(stderr, "the program ended (exit code %lu) before it painted\n",
                         static_cast<unsigned long>(code));
            break;
        }
        Sleep(1);
    }
    WaitForSingleObject(process.hProcess, 60000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return painted;
}

double TimeYardstick(const std::string& program) {
    PROCESS_INFORMATION process{};
    double start = Now();
    if (!Start(program, nullptr, process)) {
        return -1;
    }
    WaitForSingleObject(process.hProcess, 60000);
    double elapsed = Now() - start;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return elapsed;
}

int Watch(const char* cls) {
    const double start = Now();
    while (Now() - start < 120) {
        if (HWND window = PaintedWindow(cls)) {
            FILETIME now;
            GetSystemTimeAsFileTime(&now);
            ULARGE_INTEGER ticks{{now.dwLowDateTime, now.dwHighDateTime}};
            // 100 ns ticks since 1601 to seconds since 1970.
            double unix = static_cast<double>(ticks.QuadPart) / 1e7 - 11644473600.0;
            std::printf("%.3f\n", unix);
            std::fflush(stdout);
            PostMessageA(window, WM_CLOSE, 0, 0);
            return 0;
        }
        Sleep(1);
    }
    return 1;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "watch") {
        return Watch(argv[2]);
    }
    if (argc == 5 && std::string(argv[1]) == "memory") {
        MemoryUse memory;
        if (TimeProgram(argv[2], argv[3], argv[4], &memory) < 0) {
            return 1;
        }
        std::printf("%llu %llu\n", static_cast<unsigned long long>(memory.workingSet),
                    static_cast<unsigned long long>(memory.privateBytes));
        return 0;
    }
    if (argc != 6) {
        std::fprintf(stderr, "usage: tessel_startup_timer RUNS PROGRAM CLASS FOLDER YARDSTICK\n");
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    std::vector<double> program;
    std::vector<double> yardstick;
    // Alternating, so that both see the same state of the machine.
    for (int i = 0; i < runs; ++i) {
        double p = TimeProgram(argv[2], argv[3], argv[4]);
        double y = TimeYardstick(argv[5]);
        if (p < 0 || y < 0) {
            std::fprintf(stderr, "run %d failed (program %.3f, yardstick %.3f)\n", i + 1, p, y);
            return 1;
        }
        std::printf("run %2d: program %.3f s, yardstick %.3f s\n", i + 1, p, y);
        std::fflush(stdout);
        program.push_back(p);
        yardstick.push_back(y);
    }
    double mp = Median(program);
    double my = Median(yardstick);
    std::printf("median to first paint: program %.3f s, yardstick %.3f s, ratio %.2f\n", mp, my,
                mp / my);
    return 0;
}
