// Times switching categories and dragging a tab on the real main window
// under Wine, 100 categories of 1,000 items each, the repaint of the bars
// and the list pane included. A timed program, not a test: it prints the
// median and the slowest of its runs for each action.
//
//   scripts/wine-run build/win/bench/category_wine_bench.exe
#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>

#include "app/startup_win.h"
#include "bench/wine_bench_support.h"
#include "categorybar/category_bar_win.h"
#include "categorybar/category_commands_win.h"
#include "listpane/list_pane_win.h"
#include "mainwindow/frame_state_win.h"
#include "process/app_state_win.h"
#include "shell/command_ids.h"
#include "storage/layout_settings.h"

namespace {

using namespace tessel;
using bench::Pump;

constexpr int kCategories = 100;
constexpr int kItems = 1000;
constexpr int kRuns = 30;
constexpr int kBarY = 18 + 11;

HWND frame = nullptr;

void Repaint() {
    Pump();
    UpdateWindow(frame);
    UpdateWindow(ListPaneHandle);
}

void Send(UINT message, int x, int y, WPARAM keys = 0) {
    SendMessageA(frame, message, keys, MAKELPARAM(x, y));
}

void Measure(const char* name, const std::function<void(int run)>& action) {
    bench::MeasureRuns(bench::Timing{kRuns, 40, 16, Repaint}, name, nullptr, action);
}

// list.txt of kCategories categories of kItems items in a fresh folder.
bool WriteList(const std::wstring& folder) {
    std::string text;
    for (int c = 0; c < kCategories; ++c) {
        text += (c > 0 ? "\r\n" : "") + std::string("カテゴリ") + std::to_string(c) + "\r\n";
        for (int i = 0; i < kItems; ++i) {
            text += "□項目 " + std::to_string(i) + " のテキスト\r\n";
        }
    }
    CreateDirectoryW((folder + L"\\system").c_str(), nullptr);
    HANDLE file = CreateFileW((folder + L"\\system\\list.txt").c_str(), GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    const bool ok =
        WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == text.size();
}

// The x of the middle of drawn tab index, or -1.
int TabMiddle(int index) {
    for (const PlacedTab& tab : PlaceTabs(CurrentCategoryStrip()).tabs) {
        if (tab.index == index) {
            return tab.left + tab.width / 2;
        }
    }
    return -1;
}

}  // namespace

int main() {
    frame =
        bench::StartBenchProgram(L"tessel-category-bench", WriteList, 800, 700, SW_SHOWNOACTIVATE);
    if (frame == nullptr) {
        return 1;
    }
    Repaint();
    std::printf("%d categories of %d items; median and slowest of %d runs\n",
                AppStore.categoryCount, kItems, kRuns);

    Measure("next category (Ctrl+Right)", [](int run) {
        if (run % 20 == 19) {
            SelectCategory(0);  // back to the start, untimed in effect
        }
        SendMessageA(frame, WM_COMMAND, kCmdNextCategory, 0);
    });
    Measure("tab click", [](int run) {
        const int x =
            TabMiddle(run % 2 == 0 ? AppStore.currentCategory + 1 : AppStore.currentCategory - 1);
        Send(WM_LBUTTONDOWN, x, kBarY, MK_LBUTTON);
        Send(WM_LBUTTONUP, x, kBarY);
    });

    // One drag across the strip, each move a step; the strip scrolls at the
    // right end.
    SelectCategory(0);
    Repaint();
    const int start = TabMiddle(0);
    Send(WM_LBUTTONDOWN, start, kBarY, MK_LBUTTON);
    Send(WM_MOUSEMOVE, start + 10, kBarY, MK_LBUTTON);
    Measure("tab drag step", [start](int run) {
        const int x = run < kRuns / 2 ? start + 20 + run * 24 : 800 - 10;
        Send(WM_MOUSEMOVE, x, kBarY, MK_LBUTTON);
    });
    Send(WM_LBUTTONUP, 800 - 10, kBarY);
    SendMessageA(frame, WM_CLOSE, 0, 0);
    Pump();
    return 0;
}
