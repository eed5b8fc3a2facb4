// Times copy, cut and paste of 100,000 items through the real clipboard
// under Wine, on the real pane with its repaint. A timed program, not a
// test: it prints the median and the slowest of its runs.
//
//   scripts/wine-run build/win64/bench/clipboard_wine_bench.exe   (or build/win)
#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>

#include "bench/wine_bench_support.h"
#include "clipboard/clipboard_win.h"
#include "listpane/item_commands_win.h"
#include "listpane/list_pane_win.h"
#include "process/app_state_win.h"

namespace {

using namespace tessel;

constexpr int kItems = 100000;
constexpr int kRuns = 9;
constexpr int kPaneWidth = 480;
constexpr int kPaneHeight = 660;

HWND parentWindow = nullptr;

// kItems items (bench::FillBenchCategory), all selected or only the focus
// row 0.
void FillCategory(bool selectAll) {
    bench::FillBenchCategory(kItems);
    SelectItemRange(AppStore.currentItems, 0, selectAll ? kItems - 1 : 0);
    AppStore.categoryCount = 1;
    UpdateListScroll(0);
}

void Repaint() {
    UpdateWindow(ListPaneHandle);
    bench::Pump();
}

void Measure(const char* name, const std::function<void()>& setup,
             const std::function<void()>& action) {
    bench::Measure(bench::Timing{kRuns, 44, 100, Repaint}, name, setup, action);
}

}  // namespace

int main() {
    SetLayoutDefaults(AppLayout);
    SetColourDefaults(AppLayout);
    SetSystemDefaults(AppSettings);
    parentWindow =
        bench::CreateListPaneHost("ClipboardBenchParent", nullptr, kPaneWidth, kPaneHeight);
    if (parentWindow == nullptr) {
        std::fprintf(stderr, "clipboard_wine_bench: the windows could not be made\n");
        return 1;
    }
    std::printf("clipboard, %d items; median and slowest of %d runs\n", kItems, kRuns);
    const auto all = [] { FillCategory(true); };
    Measure("copy 100,000 selected (markers)", all,
            [] { CopyItems(CopyKind::Copy, CopyMarkers::With); });
    Measure("copy 100,000 selected (text only)", all,
            [] { CopyItems(CopyKind::Copy, CopyMarkers::TextOnly); });
    Measure("cut 100,000 selected", all, [] { CopyItems(CopyKind::Cut, CopyMarkers::With); });
    // The clipboard then holds the 100,000 lines of a copy.
    const auto copied = [] {
        FillCategory(true);
        CopyItems(CopyKind::Copy, CopyMarkers::With);
        FillCategory(false);
        AppStore.focusIndex = kItems / 2;
    };
    for (int digit : {1, 2, 3}) {
        AppSettings.InsertPositionPaste = digit;
        const std::string name =
            "paste 100,000 lines into 100,000 (digit " + std::to_string(digit) + ")";
        Measure(name.c_str(), copied, [] { PasteItems(AppStore.focusIndex); });
        if (digit == 1 && AppStore.itemCount != 2 * kItems) {
            std::printf("   <-- the paste left %d items\n", AppStore.itemCount);
        }
    }
    DestroyWindow(parentWindow);
    return 0;
}
