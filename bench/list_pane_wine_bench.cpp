// Times every key and mouse action of the list pane, and every item command
// through the main window's dispatcher, on a category of 100,000 items
// under Wine, the repaint included, with the real pane and scroll bar on a
// visible window. A timed program, not a test: it prints
// the median and the slowest of its runs for each action.
//
//   scripts/wine-run build/win64/bench/list_pane_wine_bench.exe   (or build/win)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "listpane/item_commands.h"
#include "listpane/item_editor.h"
#include "listpane/list_pane.h"
#include "mainwindow/command_dispatch.h"
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

void PutTextOnClipboard(const std::string& text) {
    if (!OpenClipboard(parentWindow)) {
        return;
    }
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (block != nullptr) {
        std::memcpy(GlobalLock(block), text.c_str(), text.size() + 1);
        GlobalUnlock(block);
        if (!SetClipboardData(CF_TEXT, block)) {
            GlobalFree(block);
        }
    }
    CloseClipboard();
}

// A command as the main window receives it from the shortcut table.
void Command(int id) {
    DispatchCommand(parentWindow, static_cast<WPARAM>(id));
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

    // Every item command as its key sends it: through the dispatcher, then the repaint.
    const auto all = [] {
        FillCategory();
        SelectRange(0, kItems - 1, 0);
    };
    const auto block = [mid] {
        FillCategory();
        SelectRange(mid, mid + 999, mid);
    };
    const auto sinking = [] {
        FillCategory();
        AppSettings.CheckMoveDown = 1;
        SelectRange(0, 0, 0);
    };
    const auto editing = [middle] {
        middle();
        Command(41202);
    };
    struct CommandCase {
        const char* name;
        int id;
        std::function<void()> setup;
    };
    const CommandCase commands[] = {
        {"41201 Ctrl+N new item at the focus row", 41201, middle},
        {"41202 Enter opens the editor", 41202, middle},
        {"41202 Enter stores the edit", 41202, editing},
        {"41203 Space checks one", 41203, middle},
        {"41203 Space with CheckMoveDown (sinks)", 41203, sinking},
        {"41203 Space checks 100,000 selected", 41203, all},
        {"41204 Ctrl+X cuts 1,000", 41204, block},
        {"41205 Ctrl+C copies 100,000", 41205, all},
        {"41206 Ctrl+V pastes one line", 41206,
         [middle] {
             middle();
             PutTextOnClipboard("\x81\xA0pasted line\r\n");
         }},
        {"41207 Delete one", 41207, middle},
        {"41207 Delete 1,000", 41207, block},
        {"41208 Ctrl+D cancels 100,000 selected", 41208, all},
        {"41209 Ctrl+B emphasises 100,000 selected", 41209, all},
        {"41210 Ctrl+L separator at the focus row", 41210, middle},
        {"41211 Tab indents 100,000 selected", 41211, all},
        {"41212 Shift+Tab outdents 100,000 selected", 41212, all},
        {"41213 Ctrl+A selects all", 41213, fresh},
        {"41214 Ctrl+Q selects the checked", 41214, fresh},
        {"41215 Ctrl+W selects the unchecked", 41215, fresh},
        {"41216 Ctrl+R selects the cancelled", 41216, fresh},
        {"41217 Ctrl+T selects the emphasised", 41217, fresh},
        {"41218 Ctrl+Shift+Q checks all", 41218, fresh},
        {"41219 Ctrl+Shift+W unchecks all", 41219, fresh},
        {"41220 Ctrl+Shift+E inverts every check", 41220, fresh},
        {"41221 Ctrl+Shift+R clears every cancel", 41221, fresh},
        {"41222 Ctrl+Shift+T clears every emphasis", 41222, fresh},
        {"41223 Alt+Up moves 1,000 up", 41223, block},
        {"41224 Alt+Down moves 1,000 down", 41224, block},
        {"41225 Ctrl+Shift+X cuts 1,000 as text", 41225, block},
        {"41226 Ctrl+Shift+C copies 100,000 as text", 41226, all},
    };
    for (const CommandCase& c : commands) {
        const int id = c.id;
        Measure(c.name, c.setup, [id] { Command(id); });
        AppSettings.CheckMoveDown = 0;
        EndItemEdit(0);
    }
    DestroyWindow(parentWindow);
    return 0;
}
