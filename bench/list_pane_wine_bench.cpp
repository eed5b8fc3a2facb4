// Times every key and mouse action of the list pane, and every item command
// through the main window's dispatcher, on a category of 100,000 items
// under Wine, the repaint included, with the real pane and scroll bar on a
// visible window; for each that changes the list also its undo and its redo
// (Ctrl+Z, Ctrl+Y), the idle save of the list and what the history holds.
// A timed program, not a test: it prints the median and the slowest of its
// runs for each action.
//
//   scripts/wine-run build/win64/bench/list_pane_wine_bench.exe   (or build/win)
#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "bench/wine_bench_support.h"
#include "commands/command_dispatch_win.h"
#include "commands/list_saving_win.h"
#include "listpane/item_commands_win.h"
#include "listpane/item_editor_win.h"
#include "listpane/list_pane_win.h"
#include "process/app_state_win.h"
#include "process/data_files_win.h"
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
// focus row 0 selected, no edit open, an empty history.
void FillCategory() {
    // An edit left open by the run before would turn the next Enter into
    // its end.
    EndItemEdit(0);
    // Its steps point into the lists about to be freed.
    AppHistory.Clear();
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
    bench::Measure(bench::Timing{kRuns, 54, 16, Repaint}, name, setup, action);
}

// Whether a setup found the step it was to leave in the history; an undo or
// redo of nothing would pass for a fast one.
bool stepsAsExpected = true;

void ExpectSteps(std::size_t undo, std::size_t redo) {
    if (AppHistory.UndoSteps() != undo || AppHistory.RedoSteps() != redo) {
        stepsAsExpected = false;
    }
}

// Times action after setup, then its undo (Ctrl+Z) and the redo of that
// (Ctrl+Y) through the dispatcher, each from a fresh list and history.
void MeasureWithUndo(const std::string& name, const std::function<void()>& setup,
                     const std::function<void()>& action) {
    Measure(name.c_str(), setup, action);
    const auto done = [&setup, &action] {
        setup();
        action();
        Repaint();
    };
    stepsAsExpected = true;
    Measure(("undo: " + name).c_str(),
            [&done] {
                done();
                ExpectSteps(1, 0);
            },
            [] { Command(kCmdUndo); });
    Measure(("redo: " + name).c_str(),
            [&done] {
                done();
                Command(kCmdUndo);
                Repaint();
                ExpectSteps(0, 1);
            },
            [] { Command(kCmdRedo); });
    if (!stepsAsExpected) {
        std::printf("  (%s: the action did not leave one step; its undo and redo did less)\n",
                    name.c_str());
    }
}

// The idle save's write of list.txt into a folder of its own under the
// temporary folder, removed afterwards with what was written there.
void MeasureIdleSave() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    DataDirectory =
        std::wstring(temp) + L"tessel-list-pane-bench-" + std::to_wstring(GetCurrentProcessId());
    if (!CreateDirectoryW(DataDirectory.c_str(), nullptr)) {
        std::printf("cannot create the data folder\n");
        return;
    }
    FillCategory();
    int failures = 0;
    bench::Measure(
        bench::Timing{kRuns, 54, 16, [] {}}, "list.txt written at once (WriteListFile)", [] {},
        [&failures] { failures += WriteListFile() == 1 ? 0 : 1; });
    // The idle save as its timer drives it: a slice of formatting per call,
    // then the worker's write. A key pressed while it is under way waits for
    // the slice in hand at most; Down is pressed between the slices.
    std::vector<double> holds;
    std::vector<double> keys;
    for (int run = 0; run < kRuns; ++run) {
        SelectRange(0, 0, 0);
        Repaint();
        failures += StartListWriteInBackground() ? 0 : 1;
        double hold = 0;
        double key = 0;
        for (;;) {
            const double start = bench::NowMs();
            const ListWriteOutcome outcome = ContinueListWrite();
            hold = std::max(hold, bench::NowMs() - start);
            if (outcome != ListWriteOutcome::Working) {
                failures += outcome == ListWriteOutcome::Saved ? 0 : 1;
                break;
            }
            const double pressed = bench::NowMs();
            SendKey(VK_DOWN);
            Repaint();
            key = std::max(key, bench::NowMs() - pressed);
            Sleep(1);
        }
        holds.push_back(hold);
        keys.push_back(key);
    }
    bench::PrintFigures(54, "idle save, longest hold of the interface thread", holds, 2);
    bench::PrintFigures(54, "Down while the idle save is under way (slowest)", keys, 16);
    Measure(
        "Down while no save is under way", [] { SelectRange(0, 0, 0); }, [] { SendKey(VK_DOWN); });
    if (failures > 0) {
        std::printf("  (%d of the writes failed)\n", failures);
    }
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((DataDirectory + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
                DeleteFileW((DataDirectory + L"\\" + found.cFileName).c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(DataDirectory.c_str());
}

void PrintHistoryBytes(const char* what) {
    const std::size_t bytes = AppHistory.Bytes();
    std::printf("%-*s %10lu bytes %8.2f MB, undo steps %lu\n", 54, what,
                static_cast<unsigned long>(bytes), static_cast<double>(bytes) / (1024.0 * 1024.0),
                static_cast<unsigned long>(AppHistory.UndoSteps()));
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
    // As the main window does: every change is recorded, and each new step
    // (re)starts the idle save's wait.
    AppHistory.Clear();
    AppHistory.SetChangeListener(ArmIdleSave);
    AppStore.history = &AppHistory;
    SetFocus(ListPaneHandle);
    const auto fresh = [] { FillCategory(); };
    const auto middle = [] {
        FillCategory();
        SelectRange(50000, 50000, 50000);
    };
    const int mid = kItems / 2;
    std::printf(
        "list pane, %d items, pane of %d rows; median and slowest of %d runs; "
        "\"undo:\" and \"redo:\" time Ctrl+Z and Ctrl+Y after the action\n",
        kItems, kPaneHeight / 22, kRuns);

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
    MeasureWithUndo(
        "click on a check box (toggles)",
        [middle, mid] {
            middle();
            // The top row's box at the left edge: an item without indent.
            AppStore.topIndex = mid;
            UpdateListScroll(0);
        },
        [] {
            SendMouse(WM_LBUTTONDOWN, 8 + 2, 4 + 2, MK_LBUTTON);
            SendMouse(WM_LBUTTONUP, 8 + 2, 4 + 2, 0);
        });
    Measure("wheel, three lines", middle, [] {
        SendMessageA(ListPaneHandle, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
    });
    MeasureWithUndo(
        "drag a block of 1,000 and drop it",
        [mid] {
            FillCategory();
            SelectRange(mid, mid + 999, mid);
            // The block starts on row 15, so that it can be dropped above
            // itself: dropped inside, it would not move.
            AppStore.topIndex = mid - 15;
            UpdateListScroll(0);
        },
        [] {
            SendMouse(WM_LBUTTONDOWN, 200, 15 * 22 + 5, MK_LBUTTON);
            SendMouse(WM_MOUSEMOVE, 200, 14 * 22 + 5, MK_LBUTTON);
            SendMouse(WM_MOUSEMOVE, 200, 3 * 22 + 5, MK_LBUTTON);
            SendMouse(WM_LBUTTONUP, 200, 3 * 22 + 5, 0);
        });
    MeasureWithUndo(
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
        // Stored unchanged, the text would be no change and no step.
        SetWindowTextA(itemEditor, "rewritten text");
    };
    // Whether a command changes the list, and so has an undo and a redo.
    enum class Undo : bool { No, Yes };
    struct CommandCase {
        const char* name;
        int id;
        Undo undo;
        std::function<void()> setup;
    };
    const CommandCase commands[] = {
        {"41201 Ctrl+N new item at the focus row", kCmdNewItem, Undo::Yes, middle},
        {"41202 Enter opens the editor", kCmdEditItem, Undo::No, middle},
        {"41202 Enter stores the edit", kCmdEditItem, Undo::Yes, editing},
        {"41203 Space checks one", kCmdToggleCheck, Undo::Yes, middle},
        {"41203 Space with CheckMoveDown (sinks)", kCmdToggleCheck, Undo::Yes, sinking},
        {"41203 Space checks 100,000 selected", kCmdToggleCheck, Undo::Yes, all},
        {"41204 Ctrl+X cuts 1,000", kCmdCut, Undo::Yes, block},
        {"41205 Ctrl+C copies 1,000", kCmdCopy, Undo::No, block},
        {"41206 Ctrl+V pastes one line", kCmdPaste, Undo::Yes,
         [middle] {
             middle();
             PutTextOnClipboard("\x81\xA0pasted line\r\n");
         }},
        {"41207 Delete one", kCmdDeleteItems, Undo::Yes, middle},
        {"41207 Delete 1,000", kCmdDeleteItems, Undo::Yes, block},
        {"41207 Delete 100,000 selected", kCmdDeleteItems, Undo::Yes, all},
        {"41208 Ctrl+D cancels 100,000 selected", kCmdToggleStrike, Undo::Yes, all},
        {"41209 Ctrl+B emphasises 100,000 selected", kCmdToggleBold, Undo::Yes, all},
        {"41210 Ctrl+L separator at the focus row", kCmdNewSeparator, Undo::Yes, middle},
        {"41211 Tab indents 100,000 selected", kCmdIndent, Undo::Yes, all},
        {"41212 Shift+Tab outdents 100,000 selected", kCmdOutdent, Undo::Yes, all},
        {"41213 Ctrl+A selects all", kCmdSelectAll, Undo::No, fresh},
        {"41214 Ctrl+Q selects the checked", kCmdSelectChecked, Undo::No, fresh},
        {"41215 Ctrl+W selects the unchecked", kCmdSelectUnchecked, Undo::No, fresh},
        {"41216 Ctrl+R selects the cancelled", kCmdSelectStrike, Undo::No, fresh},
        {"41217 Ctrl+T selects the emphasised", kCmdSelectBold, Undo::No, fresh},
        {"41218 Ctrl+Shift+Q checks all", kCmdCheckAll, Undo::Yes, fresh},
        {"41219 Ctrl+Shift+W unchecks all", kCmdUncheckAll, Undo::Yes, fresh},
        {"41220 Ctrl+Shift+E inverts every check", kCmdInvertChecks, Undo::Yes, fresh},
        {"41221 Ctrl+Shift+R clears every cancel", kCmdClearStrike, Undo::Yes, fresh},
        {"41222 Ctrl+Shift+T clears every emphasis", kCmdClearBold, Undo::Yes, fresh},
        {"41223 Alt+Up moves 1,000 up", kCmdMoveItemsUp, Undo::Yes, block},
        {"41224 Alt+Down moves 1,000 down", kCmdMoveItemsDown, Undo::Yes, block},
        {"41225 Ctrl+Shift+X cuts 1,000 as text", kCmdCutText, Undo::Yes, block},
        {"41226 Ctrl+Shift+C copies 1,000 as text", kCmdCopyText, Undo::No, block},
    };
    for (const CommandCase& c : commands) {
        const int id = c.id;
        if (c.undo == Undo::Yes) {
            MeasureWithUndo(c.name, c.setup, [id] { Command(id); });
        } else {
            Measure(c.name, c.setup, [id] { Command(id); });
        }
        AppSettings.CheckMoveDown = 0;
        EndItemEdit(0);
    }

    MeasureIdleSave();

    // What the history holds: 100 steps of one item each, of four kinds...
    FillCategory();
    const int oneItem[] = {kCmdToggleCheck, kCmdIndent, kCmdDeleteItems, kCmdNewSeparator};
    for (int step = 0; step < 100; ++step) {
        const int row = mid + step * 7;
        SelectRange(row, row, row);
        Command(oneItem[step % 4]);
    }
    PrintHistoryBytes("history after 100 one-item steps");
    // ...and one step that took every item out.
    FillCategory();
    SelectRange(0, kItems - 1, 0);
    Command(kCmdDeleteItems);
    PrintHistoryBytes("history after deleting all 100,000 items");

    AppStore.history = nullptr;
    AppHistory.Clear();
    DestroyWindow(parentWindow);
    return 0;
}
