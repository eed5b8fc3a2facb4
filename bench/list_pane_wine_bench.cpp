// Times every key and mouse action of the list pane, and every item command
// through the main window's dispatcher, on a category of 100,000 items
// under Wine, the repaint included, with the real pane and scroll bar on a
// visible window. A timed program, not a test: it prints
// the median and the slowest of its runs for each action.
//
//   scripts/wine-run build/win64/bench/list_pane_wine_bench.exe   (or build/win)
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>

#include "bench/wine_bench_support.h"
#include "listpane/item_commands.h"
#include "listpane/item_editor.h"
#include "listpane/list_pane.h"
#include "mainwindow/command_dispatch.h"
#include "process/app_state.h"
#include "shell/command_ids.h"

namespace {

using namespace tessel;

constexpr int kItems = 100000;
constexpr int kRuns = 15;
constexpr int kPaneWidth = 480;
// 30 rows of 22 and a part row, where a double click lands below the last item.
constexpr int kPaneHeight = 670;

HWND parentWindow = nullptr;

// A fresh category of kItems items (bench::FillBenchCategory), only the
// focus row 0 selected, no edit open.
void FillCategory() {
    // An edit left open by the run before would turn the next Enter into
    // its end.
    EndItemEdit(0);
    bench::FillBenchCategory(kItems);
    SelectItemRange(AppStore.currentItems, 0, 0);
    UpdateListScroll(0);
}

void SelectRange(int first, int last, int focus) {
    SelectItemRange(AppStore.currentItems, first, last);
    AppStore.focusIndex = focus;
    AppStore.anchorIndex = first;
    UpdateListScroll(1);
}

void Repaint() {
    UpdateWindow(ListPaneHandle);
    bench::Pump();
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

void Measure(const char* name, const std::function<void()>& setup,
             const std::function<void()>& action) {
    bench::Measure(bench::Timing{kRuns, 46, 16, Repaint}, name, setup, action);
}

}  // namespace

int main() {
    SetLayoutDefaults(AppLayout);
    SetColourDefaults(AppLayout);
    SetSystemDefaults(AppSettings);
    dragThresholdX = 4;
    dragThresholdY = 4;
    wheelScrollLines = 3;
    parentWindow = bench::CreateListPaneHost("ListPaneBenchParent",
                                             static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)),
                                             kPaneWidth, kPaneHeight);
    if (parentWindow == nullptr) {
        std::fprintf(stderr, "list_pane_wine_bench: the windows could not be made\n");
        return 1;
    }
    SetFocus(ListPaneHandle);
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
        Command(kCmdEditItem);
    };
    struct CommandCase {
        const char* name;
        int id;
        std::function<void()> setup;
    };
    const CommandCase commands[] = {
        {"41201 Ctrl+N new item at the focus row", kCmdNewItem, middle},
        {"41202 Enter opens the editor", kCmdEditItem, middle},
        {"41202 Enter stores the edit", kCmdEditItem, editing},
        {"41203 Space checks one", kCmdToggleCheck, middle},
        {"41203 Space with CheckMoveDown (sinks)", kCmdToggleCheck, sinking},
        {"41203 Space checks 100,000 selected", kCmdToggleCheck, all},
        {"41204 Ctrl+X cuts 1,000", kCmdCut, block},
        {"41205 Ctrl+C copies 1,000", kCmdCopy, block},
        {"41206 Ctrl+V pastes one line", kCmdPaste,
         [middle] {
             middle();
             PutTextOnClipboard("\x81\xA0pasted line\r\n");
         }},
        {"41207 Delete one", kCmdDeleteItems, middle},
        {"41207 Delete 1,000", kCmdDeleteItems, block},
        {"41208 Ctrl+D cancels 100,000 selected", kCmdToggleStrike, all},
        {"41209 Ctrl+B emphasises 100,000 selected", kCmdToggleBold, all},
        {"41210 Ctrl+L separator at the focus row", kCmdNewSeparator, middle},
        {"41211 Tab indents 100,000 selected", kCmdIndent, all},
        {"41212 Shift+Tab outdents 100,000 selected", kCmdOutdent, all},
        {"41213 Ctrl+A selects all", kCmdSelectAll, fresh},
        {"41214 Ctrl+Q selects the checked", kCmdSelectChecked, fresh},
        {"41215 Ctrl+W selects the unchecked", kCmdSelectUnchecked, fresh},
        {"41216 Ctrl+R selects the cancelled", kCmdSelectStrike, fresh},
        {"41217 Ctrl+T selects the emphasised", kCmdSelectBold, fresh},
        {"41218 Ctrl+Shift+Q checks all", kCmdCheckAll, fresh},
        {"41219 Ctrl+Shift+W unchecks all", kCmdUncheckAll, fresh},
        {"41220 Ctrl+Shift+E inverts every check", kCmdInvertChecks, fresh},
        {"41221 Ctrl+Shift+R clears every cancel", kCmdClearStrike, fresh},
        {"41222 Ctrl+Shift+T clears every emphasis", kCmdClearBold, fresh},
        {"41223 Alt+Up moves 1,000 up", kCmdMoveItemsUp, block},
        {"41224 Alt+Down moves 1,000 down", kCmdMoveItemsDown, block},
        {"41225 Ctrl+Shift+X cuts 1,000 as text", kCmdCutText, block},
        {"41226 Ctrl+Shift+C copies 1,000 as text", kCmdCopyText, block},
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
