// What the timed window programs under Wine share: the clock, the message
// pump, the timing of an action with its repaint, a category of many items
// and a plain window holding the real list pane.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/startup_win.h"
#include "listpane/list_pane_win.h"
#include "process/app_state_win.h"
#include "scrollbar/scroll_bar_pane_win.h"
#include "storage/list_file_format.h"

namespace tessel::bench {

// Milliseconds on the performance counter.
inline double NowMs() {
    static const LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Handles every message waiting for this thread.
inline void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// Prints the median and the slowest of times (sorted here), marked when the
// median reaches limitMs.
inline void PrintFigures(int nameWidth, const char* name, std::vector<double> times, int limitMs) {
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    char over[32] = "";
    if (median >= limitMs) {
        std::snprintf(over, sizeof over, "   <-- over %d ms", limitMs);
    }
    std::printf("%-*s %8.2f ms %8.2f ms%s\n", nameWidth, name, median, times.back(), over);
}

// How a program times its actions.
struct Timing {
    int runs;
    int nameWidth;      // of the name column
    int limitMs;        // a median of this or more is marked
    void (*repaint)();  // after the setup and after the action
};

// Runs setup (untimed, may be empty), then action and the repaint it caused
// (timed), timing.runs times; prints the median and the slowest.
inline void MeasureRuns(const Timing& timing, const char* name,
                        const std::function<void(int run)>& setup,
                        const std::function<void(int run)>& action) {
    std::vector<double> times;
    for (int run = 0; run < timing.runs; ++run) {
        if (setup) {
            setup(run);
        }
        timing.repaint();
        const double start = NowMs();
        action(run);
        timing.repaint();
        times.push_back(NowMs() - start);
    }
    PrintFigures(timing.nameWidth, name, std::move(times), timing.limitMs);
}

// The same for a setup and an action that do not need the run's number.
inline void Measure(const Timing& timing, const char* name, const std::function<void()>& setup,
                    const std::function<void()>& action) {
    MeasureRuns(
        timing, name, [&setup](int) { setup(); }, [&action](int) { action(); });
}

// The store as one category "bench" of count items of every state, some
// indented, a separator every 50 rows, read from list.txt text the way the
// program reads its file (so the list has the room a loaded list has); that
// category current, nothing selected, the focus, anchor and top on row 0.
inline void FillBenchCategory(int count) {
    static std::string file;
    static int fileCount = -1;
    if (fileCount != count) {
        file = "bench\r\n";
        const char* const markers[] = {"□", "■", "◇", "◆", "○", "●"};
        for (int i = 0; i < count; ++i) {
            if (i % 50 == 49) {
                file += "□----\r\n";
            } else {
                file.append(static_cast<std::size_t>(i % 4), '\t');
                file += markers[i % 6];
                file += "項目 " + std::to_string(i) + " のテキスト\r\n";
            }
        }
        fileCount = count;
    }
    AppStore.FreeAllCategories();
    AppStore.currentCategory = 0;
    ParseListFile(file, AppStore, 40, AppLayout.CategorySpace, nullptr);
    if (AppStore.itemCount > 0) {
        AppStore.currentItems->front().selected = false;
    }
    AppStore.focusIndex = 0;
    AppStore.anchorIndex = 0;
    AppStore.topIndex = 0;
}

// A visible popup window of class className (background may be null) that
// holds the real list pane at (10, 10), paneWidth by paneHeight, and stands
// in for the main window; null when something could not be made.
inline HWND CreateListPaneHost(const char* className, HBRUSH background, int paneWidth,
                               int paneHeight) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!RegisterListPaneClass(instance) || !RegisterScrollBarPane(instance)) {
        return nullptr;
    }
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = instance;
    wc.hbrBackground = background;
    wc.lpszClassName = className;
    if (!RegisterClassExA(&wc)) {
        return nullptr;
    }
    HWND host =
        CreateWindowExA(0, className, "", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                        paneWidth + 20, paneHeight + 20, nullptr, nullptr, instance, nullptr);
    if (host == nullptr || !CreateListPane(host)) {
        return nullptr;
    }
    MainFrameHandle = host;
    MoveWindow(ListPaneHandle, 10, 10, paneWidth, paneHeight, FALSE);
    return host;
}

// The real main window at (0, 0), width x height, over the list that
// writeList puts into a fresh folder folderName in the temp folder; null,
// with a line on stderr, when something could not be made.
inline HWND StartBenchProgram(const wchar_t* folderName, bool (*writeList)(const std::wstring&),
                              int width, int height, int show) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + folderName;
    CreateDirectoryW(folder.c_str(), nullptr);
    if (!writeList(folder)) {
        std::fprintf(stderr, "cannot write the list\n");
        return nullptr;
    }
    InitialiseProcessState(instance);
    SetColourDefaults(AppLayout);
    ExeDirectory = folder;
    DataDirectory = folder + L"\\system";
    AppSettings.WindowX = 0;
    AppSettings.WindowY = 0;
    AppSettings.WindowWidth = width;
    AppSettings.WindowHeight = height;
    AppSettings.NormalRect = {0, 0, width, height};
    HWND frame = RegisterWindowClasses(instance) ? CreateMainFrame(instance, show) : nullptr;
    if (frame == nullptr) {
        std::fprintf(stderr, "cannot create the window\n");
    }
    return frame;
}

}  // namespace tessel::bench
