// Times copy, cut and paste of 100,000 items through the real clipboard
// under Wine, on the real pane with its repaint. A timed program, not a
// test: it prints the median and the slowest of its runs.
//
//   scripts/wine-run build/win64/bench/clipboard_wine_bench.exe   (or build/win)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "listpane/clipboard.h"
#include "listpane/item_commands.h"
#include "listpane/list_pane.h"
#include "process/app_state.h"
#include "scrollbar/scroll_bar_pane.h"

namespace {

using namespace tessel;

constexpr int kItems = 100000;
constexpr int kRuns = 9;
constexpr int kPaneWidth = 480;
constexpr int kPaneHeight = 660;

HWND parentWindow = nullptr;

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// kItems items of every state, some indented, a separator every 50 rows;
// all selected or none, the focus on row 0.
void FillCategory(bool selectAll) {
    AppStore.FreeAllCategories();
    Category category;
    category.name = "bench";
    category.items.resize(kItems);
    for (int i = 0; i < kItems; ++i) {
        Item& item = category.items[static_cast<std::size_t>(i)];
        if (i % 50 == 49) {
            item.text = std::string(40, '-');
            item.state = ItemState::Separator;
        } else {
            item.text = "項目 " + std::to_string(i) + " のテキスト";
            item.state = static_cast<ItemState>(i % 6);
            item.indent = i % 4;
        }
        item.selected = selectAll || i == 0;
    }
    AppStore.InsertCategory(std::move(category), 0);
    AppStore.categoryCount = 1;
    AppStore.currentCategory = 0;
    AppStore.currentItems = AppStore.FindCategoryItems(0);
    AppStore.itemCount = kItems;
    AppStore.focusIndex = 0;
    AppStore.anchorIndex = 0;
    AppStore.topIndex = 0;
    UpdateListScroll(0);
}

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void Repaint() {
    UpdateWindow(ListPaneHandle);
    Pump();
}

// Runs setup (untimed), then action and the repaint it caused (timed).
void Measure(const char* name, const std::function<void()>& setup,
             const std::function<void()>& action) {
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        setup();
        Repaint();
        const double start = Now();
        action();
        Repaint();
        times.push_back(Now() - start);
    }
    std::sort(times.begin(), times.end());
    std::printf("%-44s %8.2f ms %8.2f ms%s\n", name, times[times.size() / 2], times.back(),
                times[times.size() / 2] < 100.0 ? "" : "   <-- over 100 ms");
}

bool CreateWindows() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!RegisterListPaneClass(instance) || !RegisterScrollBarPane(instance)) {
        return false;
    }
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = instance;
    wc.lpszClassName = "ClipboardBenchParent";
    if (!RegisterClassExA(&wc)) {
        return false;
    }
    parentWindow =
        CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0,
                        kPaneWidth + 20, kPaneHeight + 20, nullptr, nullptr, instance, nullptr);
    if (parentWindow == nullptr || !CreateListPane(parentWindow)) {
        return false;
    }
    MainFrameHandle = parentWindow;
    MoveWindow(ListPaneHandle, 10, 10, kPaneWidth, kPaneHeight, FALSE);
    return true;
}

}  // namespace

int main() {
    SetLayoutDefaults(AppLayout);
    SetColourDefaults(AppLayout);
    SetSystemDefaults(AppSettings);
    if (!CreateWindows()) {
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
