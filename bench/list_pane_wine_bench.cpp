// Times every key and mouse action of the list pane on a category of
// 100,000 items under Wine, the repaint included, with the real pane and
// scroll bar on a visible window. A timed program, not a test: it prints
// the median and the slowest of its runs for each action.
//
//   scripts/wine-run build/win/bench/list_pane_wine_bench.exe
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "listpane/item_commands.h"
#include "listpane/list_pane.h"
#include "process/app_state.h"
#include "scrollbar/scroll_bar_pane.h"

namespace {

using namespace tessel;

constexpr int kItems = 100000;
constexpr int kRuns = 15;
constexpr int kPaneWidth = 480;
// 30 rows of 22 and a part row, where a double click lands below the last item.
constexpr int kPaneHeight = 670;

HWND parentWindow = nullptr;

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// A fresh category of kItems items of every state, some indented, with a
// separator every 50 rows; everything unselected, the focus on row 0.
void FillCategory() {
    AppStore.FreeAllCategories();
    Category category;
    category.name = "bench";
    category.items.resize(kItems);
    for (int i = 0; i < kItems; ++i) {
        Item& item = category.items[static_cast<std::size_t>(i)];
        if (i % 50 == 49) {
            item.text = std::string(40, '-');
            item.state = ItemState::Separator;
            continue;
        }
        item.text = "項目 " + std::to_string(i) + " のテキスト";
        item.state = static_cast<ItemState>(i % 6);
        item.indent = i % 4;
    }
    AppStore.InsertCategory(std::move(category), 0);
    AppStore.currentCategory = 0;
    AppStore.currentItems = AppStore.FindCategoryItems(0);
    AppStore.itemCount = kItems;
    AppStore.focusIndex = 0;
    AppStore.anchorIndex = 0;
    AppStore.topIndex = 0;
    SelectItemRange(AppStore.currentItems, 0, 0);
    UpdateListScroll(0);
}

void SelectRange(int first, int last, int focus) {
    SelectItemRange(AppStore.currentItems, first, last);
    AppStore.focusIndex = focus;
    AppStore.anchorIndex = first;
    UpdateListScroll(1);
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
    UpdateWindow(ListPaneHandle);
}

LRESULT SendMouse(UINT message, int x, int y, WPARAM keys) {
    return SendMessageA(ListPaneHandle, message, keys, MAKELPARAM(x, y));
}

void SendKey(WPARAM key) {
    SendMessageA(ListPaneHandle, WM_KEYDOWN, key, 0);
}

void SetShift(bool down) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = down ? 0x80 : 0;
    SetKeyboardState(keys);
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
    std::printf("%-46s %8.2f ms %8.2f ms%s\n", name, times[times.size() / 2], times.back(),
                times[times.size() / 2] < 16.0 ? "" : "   <-- over 16 ms");
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
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = "ListPaneBenchParent";
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
    SetFocus(ListPaneHandle);
    return true;
}

}  // namespace

int main() {
    SetLayoutDefaults(AppLayout);
    SetColourDefaults(AppLayout);
    SetSystemDefaults(AppSettings);
    dragThresholdX = 4;
    dragThresholdY = 4;
    wheelScrollLines = 3;
    if (!CreateWindows()) {
        std::fprintf(stderr, "list_pane_wine_bench: the windows could not be made\n");
        return 1;
    }
    const auto fresh = [] { FillCategory(); };
    const auto middle = [] {
        FillCategory();
        SelectRange(50000, 50000, 50000);
    };
    const int mid = kItems / 2;
    std::printf("list pane, %d items, pane of %d rows; median and slowest of %d runs\n", kItems,
                kPaneHeight / 22, kRuns);

    Measure("repaint at the top", fresh, [] { InvalidateListPane(); });
    Measure(
        "repaint at the end",
        [] {
            FillCategory();
            SelectRange(kItems - 1, kItems - 1, kItems - 1);
        },
        [] { InvalidateListPane(); });
    Measure("Down key in the middle", middle, [] { SendKey(VK_DOWN); });
    Measure("Page Down key in the middle", middle, [] { SendKey(VK_NEXT); });
    Measure("End key from the top", fresh, [] { SendKey(VK_END); });
    Measure(
        "Home key from the end",
        [] {
            FillCategory();
            SelectRange(kItems - 1, kItems - 1, kItems - 1);
        },
        [] { SendKey(VK_HOME); });
    Measure("Shift+End from the top (selects all)", fresh, [] {
        SetShift(true);
        SendKey(VK_END);
        SetShift(false);
    });
    Measure("click on a row", middle, [] {
        SendMouse(WM_LBUTTONDOWN, 200, 5 * 22 + 5, MK_LBUTTON);
        SendMouse(WM_LBUTTONUP, 200, 5 * 22 + 5, 0);
    });
    Measure("click on a check box (toggles)", middle, [] {
        SendMouse(WM_LBUTTONDOWN, 8 + 2, 4 + 2, MK_LBUTTON);
        SendMouse(WM_LBUTTONUP, 8 + 2, 4 + 2, 0);
    });
    Measure("wheel, three lines", middle, [] {
        SendMessageA(ListPaneHandle, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
    });
    Measure("select all (Ctrl+A)", fresh, [] { SelectByState(SelectWhich::All); });
    Measure("select checked items (Ctrl+Q)", fresh, [] { SelectByState(SelectWhich::Checked); });
    Measure(
        "check all selected (Space on 100,000)",
        [] {
            FillCategory();
            SelectRange(0, kItems - 1, 0);
        },
        [] { ToggleItemMark(AppStore.focusIndex, ItemMark::Check); });
    Measure(
        "check with CheckMoveDown (sinks to the end)",
        [] {
            FillCategory();
            AppSettings.CheckMoveDown = 1;
            SelectRange(0, 0, 0);
        },
        [] { ToggleItemMark(0, ItemMark::Check); });
    AppSettings.CheckMoveDown = 0;
    Measure("invert every check (Ctrl+Shift+E)", fresh,
            [] { MarkAllItems(MarkChange::InvertCheck); });
    Measure(
        "indent 100,000 selected (Tab)",
        [] {
            FillCategory();
            SelectRange(0, kItems - 1, 0);
        },
        [] { ChangeIndent(IndentDirection::Indent); });
    Measure(
        "move a block of 1,000 down (Alt+Down)",
        [mid] {
            FillCategory();
            SelectRange(mid, mid + 999, mid);
        },
        [] { MoveItems(MoveDirection::Down); });
    Measure(
        "move a block of 1,000 to the top (Alt+Up)",
        [mid] {
            FillCategory();
            SelectRange(mid, mid + 999, mid);
        },
        [] { MoveItems(MoveDirection::Up); });
    Measure(
        "drag a block of 1,000 and drop it",
        [mid] {
            FillCategory();
            SelectRange(mid, mid + 999, mid);
            AppStore.topIndex = mid;
            UpdateListScroll(0);
        },
        [] {
            SendMouse(WM_LBUTTONDOWN, 200, 5, MK_LBUTTON);
            SendMouse(WM_MOUSEMOVE, 200, 40, MK_LBUTTON);
            SendMouse(WM_MOUSEMOVE, 200, 400, MK_LBUTTON);
            SendMouse(WM_LBUTTONUP, 200, 400, 0);
        });
    Measure("delete one item (Delete)", middle, [] { DeleteItems(); });
    Measure(
        "delete 1,000 items",
        [mid] {
            FillCategory();
            SelectRange(mid, mid + 999, mid);
        },
        [] { DeleteItems(); });
    Measure("new item at the focus row (Ctrl+N)", middle,
            [] { NewItem(AppStore.focusIndex, NewItemKind::Item); });
    Measure(
        "double click below the last row",
        [] {
            FillCategory();
            SelectRange(kItems - 1, kItems - 1, kItems - 1);
        },
        [] {
            SendMouse(WM_LBUTTONDBLCLK, 200, kPaneHeight - 3, MK_LBUTTON);
            SendMouse(WM_LBUTTONUP, 200, kPaneHeight - 3, 0);
        });
    DestroyWindow(parentWindow);
    return 0;
}
