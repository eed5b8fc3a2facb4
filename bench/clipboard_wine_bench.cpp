// Times copy, cut and paste of many items through the real clipboard under
// Wine, on the real pane with its repaint, each beside the same done with
// CF_TEXT alone, and a copy together with its first read by another
// program. A timed program, not a test: it prints
// the median and the slowest of its runs.
//
//   scripts/wine-run build/win64/bench/clipboard_wine_bench.exe [ITEMS [RUNS]]
//
// The other program is this one started again with "--other-program": it
// reads or takes over the clipboard when asked through named events.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "bench/wine_bench_support.h"
#include "clipboard/clipboard_owners_win.h"
#include "clipboard/clipboard_text.h"
#include "clipboard/clipboard_win.h"
#include "listpane/item_commands_win.h"
#include "listpane/list_pane_win.h"
#include "process/app_state_win.h"

namespace {

using namespace tessel;

constexpr int kPaneWidth = 480;
constexpr int kPaneHeight = 660;
constexpr int kNameWidth = 58;

int itemCount = 100000;
int runs = 9;
HWND parentWindow = nullptr;

// --- The other program -------------------------------------------------------

// What the other program is asked to do, one named event each.
enum class Ask { ReadAll, ReadText, TakeOver, Quit, Count };
const char* const kAskNames[] = {"TesselClipboardBench.ReadAll", "TesselClipboardBench.ReadText",
                                 "TesselClipboardBench.TakeOver", "TesselClipboardBench.Quit"};
constexpr char kDoneName[] = "TesselClipboardBench.Done";

bool OpenClipboardPatiently(HWND window) {
    for (int i = 0; i < 500; ++i) {
        if (OpenClipboard(window)) {
            return true;
        }
        Sleep(1);
    }
    return false;
}

// The bytes of one format, read as a paste in any program reads them.
std::string ReadFormat(UINT format) {
    HANDLE data = GetClipboardData(format);
    GlobalLockScope lock(data);
    if (lock.Data() == nullptr) {
        return std::string();
    }
    return std::string(static_cast<const char*>(lock.Data()), GlobalSize(data));
}

void HandFormat(UINT format, const std::string& bytes) {
    GlobalBlock block(GlobalAlloc(GMEM_MOVEABLE, bytes.size()));
    GlobalLockScope lock(block.Get());
    if (lock.Data() != nullptr) {
        std::memcpy(lock.Data(), bytes.data(), bytes.size());
        if (SetClipboardData(format, block.Get()) != nullptr) {
            block.Release();
        }
    }
}

// ReadAll: UTF-16, bytes and locale, as a Unicode program's paste reads them.
// ReadText: CF_TEXT alone. TakeOver: reads all three and puts them back as
// this program's own, as a program that copied the same text would.
void Serve(HWND window, Ask ask) {
    if (!OpenClipboardPatiently(window)) {
        std::fprintf(stderr, "the other program cannot open the clipboard\n");
        return;
    }
    const std::string unicode = ask != Ask::ReadText ? ReadFormat(CF_UNICODETEXT) : std::string();
    const std::string text = ReadFormat(CF_TEXT);
    const std::string locale = ask != Ask::ReadText ? ReadFormat(CF_LOCALE) : std::string();
    if (text.empty() || (ask != Ask::ReadText && unicode.empty())) {
        std::fprintf(stderr, "the other program found no text\n");
    }
    if (ask == Ask::TakeOver && EmptyClipboard()) {
        HandFormat(CF_UNICODETEXT, unicode);
        HandFormat(CF_TEXT, text);
        HandFormat(CF_LOCALE, locale);
    }
    CloseClipboard();
}

int OtherProgram() {
    HWND window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    HANDLE asks[static_cast<int>(Ask::Count)];
    for (int i = 0; i < static_cast<int>(Ask::Count); ++i) {
        asks[i] = CreateEventA(nullptr, FALSE, FALSE, kAskNames[i]);
    }
    HANDLE done = CreateEventA(nullptr, FALSE, FALSE, kDoneName);
    SetEvent(done);  // ready
    for (;;) {
        const DWORD which =
            WaitForMultipleObjects(static_cast<DWORD>(Ask::Count), asks, FALSE, INFINITE);
        const Ask ask = static_cast<Ask>(which - WAIT_OBJECT_0);
        if (which >= WAIT_OBJECT_0 + static_cast<DWORD>(Ask::Count) || ask == Ask::Quit) {
            break;
        }
        Serve(window, ask);
        SetEvent(done);
    }
    return 0;
}

HANDLE askEvents[static_cast<int>(Ask::Count)];
HANDLE doneEvent = nullptr;
HANDLE otherProcess = nullptr;

// Handles the messages of this thread (a request to render among them)
// until the other program has done what it was asked.
void WaitForOtherProgram() {
    for (;;) {
        const DWORD result = MsgWaitForMultipleObjects(1, &doneEvent, FALSE, 30000, QS_ALLINPUT);
        if (result == WAIT_OBJECT_0) {
            return;
        }
        if (result != WAIT_OBJECT_0 + 1) {
            std::fprintf(stderr, "the other program does not answer\n");
            std::exit(1);
        }
        bench::Pump();
    }
}

void AskOtherProgram(Ask ask) {
    SetEvent(askEvents[static_cast<int>(ask)]);
    WaitForOtherProgram();
}

bool StartOtherProgram() {
    for (int i = 0; i < static_cast<int>(Ask::Count); ++i) {
        askEvents[i] = CreateEventA(nullptr, FALSE, FALSE, kAskNames[i]);
    }
    doneEvent = CreateEventA(nullptr, FALSE, FALSE, kDoneName);
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string command = std::string("\"") + path + "\" --other-program";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(path, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return false;
    }
    CloseHandle(process.hThread);
    otherProcess = process.hProcess;
    WaitForOtherProgram();
    return true;
}

void StopOtherProgram() {
    SetEvent(askEvents[static_cast<int>(Ask::Quit)]);
    WaitForSingleObject(otherProcess, 10000);
    CloseHandle(otherProcess);
}

// --- The same with CF_TEXT alone -----------------------------------------------

// The selection as CF_TEXT and nothing else: the least a copy can do.
void CopyTextOnly() {
    const ItemList& items = *AppStore.currentItems;
    const std::size_t size = CopyTextSize(items, MarkerUse::With);
    GlobalBlock block(GlobalAlloc(GMEM_MOVEABLE, size));
    {
        GlobalLockScope lock(block.Get());
        WriteCopyText(items, MarkerUse::With, static_cast<char*>(lock.Data()));
    }
    ClipboardScope clipboard(parentWindow);
    if (clipboard.Opened() && EmptyClipboard() &&
        SetClipboardData(CF_TEXT, block.Get()) != nullptr) {
        block.Release();
    }
}

// A paste that reads CF_TEXT alone: the least a paste can do.
void PasteTextOnly() {
    {
        ClipboardScope clipboard(parentWindow);
        HANDLE data = clipboard.Opened() ? GetClipboardData(CF_TEXT) : nullptr;
        GlobalLockScope lock(data);
        if (lock.Data() != nullptr) {
            PasteText(AppStore,
                      ClipboardBlockText(static_cast<const char*>(lock.Data()), GlobalSize(data)),
                      AppStore.focusIndex, AppSettings.InsertPositionPaste,
                      AppSettings.SeparatorLength);
        }
    }
    UpdateListScroll(1);
    InvalidateListPane();
}

// --- Timing ------------------------------------------------------------------

// 100000 as "100,000".
std::string Grouped(int n) {
    std::string digits = std::to_string(n);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) {
        digits.insert(static_cast<std::size_t>(at), ",");
    }
    return digits;
}

// The list, all selected or only the focus row 0.
void FillCategory(bool selectAll) {
    bench::FillBenchCategory(itemCount);
    SelectItemRange(AppStore.currentItems, 0, selectAll ? itemCount - 1 : 0);
    AppStore.categoryCount = 1;
    UpdateListScroll(0);
}

void Repaint() {
    UpdateWindow(ListPaneHandle);
    bench::Pump();
}

struct Timed {
    std::string name;
    std::function<void()> setup;
    std::function<void()> action;
    std::vector<double> times;
};

double Median(std::vector<double>& times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Runs each action in turn, all its runs (setup untimed, then the action
// and its repaint timed) before the next one's, so that none finds the
// clipboard or the memory as another left them; prints each one's median
// and slowest, then the ratio of the first median to the last.
void MeasureEach(std::vector<Timed> actions) {
    for (Timed& timed : actions) {
        for (int run = 0; run < runs; ++run) {
            timed.setup();
            Repaint();
            const double start = bench::NowMs();
            timed.action();
            Repaint();
            timed.times.push_back(bench::NowMs() - start);
        }
        const double median = Median(timed.times);
        std::printf("%-*s %8.2f ms %8.2f ms\n", kNameWidth, timed.name.c_str(), median,
                    timed.times.back());
    }
    if (actions.size() > 1) {
        std::printf("%-*s %8.2f\n", kNameWidth, "   ratio, first to last",
                    Median(actions.front().times) / Median(actions.back().times));
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--other-program") == 0) {
        return OtherProgram();
    }
    if (argc > 1) {
        itemCount = std::max(2, std::atoi(argv[1]));
    }
    if (argc > 2) {
        runs = std::max(1, std::atoi(argv[2]));
    }
    SetLayoutDefaults(AppLayout);
    SetColourDefaults(AppLayout);
    SetSystemDefaults(AppSettings);
    parentWindow =
        bench::CreateListPaneHost("ClipboardBenchParent", nullptr, kPaneWidth, kPaneHeight);
    if (parentWindow == nullptr || !StartOtherProgram()) {
        std::fprintf(stderr,
                     "clipboard_wine_bench: the windows or the other program could not "
                     "be made\n");
        return 1;
    }
    const std::string n = Grouped(itemCount);
    std::printf("clipboard, %s items; median and slowest of %d runs\n", n.c_str(), runs);
    const auto all = [] { FillCategory(true); };
    const auto copy = [] { CopyItems(CopyKind::Copy, CopyMarkers::With); };
    MeasureEach({
        {"copy " + n + " selected (markers)", all, copy, {}},
        {"copy " + n + " selected (text only)",
         all,
         [] { CopyItems(CopyKind::Copy, CopyMarkers::TextOnly); },
         {}},
        {"   CF_TEXT alone", all, CopyTextOnly, {}},
    });
    MeasureEach({
        {"cut " + n + " selected", all, [] { CopyItems(CopyKind::Cut, CopyMarkers::With); }, {}},
        {"   CF_TEXT alone, then the same delete",
         all,
         [] {
             CopyTextOnly();
             DeleteItems();
         },
         {}},
    });
    // What the copy costs by the time another program has its text, and by
    // the program's end when none has read it.
    MeasureEach({
        {"copy, and another program reads UTF-16, bytes, locale",
         all,
         [&] {
             copy();
             AskOtherProgram(Ask::ReadAll);
         },
         {}},
        {"copy, and the program's close makes what is left",
         all,
         [&] {
             copy();
             HandOverClipboard();
         },
         {}},
        {"   CF_TEXT alone, and another program reads it",
         all,
         [] {
             CopyTextOnly();
             AskOtherProgram(Ask::ReadText);
         },
         {}},
    });
    // The clipboard holds the lines of a copy of this program's, or the
    // same text as another program's.
    const auto copied = [&] {
        FillCategory(true);
        copy();
        FillCategory(false);
        AppStore.focusIndex = itemCount / 2;
    };
    const auto copiedByAnother = [&] {
        copied();
        AskOtherProgram(Ask::TakeOver);
    };
    const auto paste = [] { PasteItems(AppStore.focusIndex); };
    for (int digit : {1, 2, 3}) {
        AppSettings.InsertPositionPaste = digit;
        std::vector<Timed> pastes = {
            {"paste " + n + " lines into " + n + " (digit " + std::to_string(digit) + ")",
             copied,
             paste,
             {}}};
        if (digit == 1) {
            pastes.push_back({"   CF_TEXT alone", copied, PasteTextOnly, {}});
        }
        MeasureEach(pastes);
    }
    AppSettings.InsertPositionPaste = 1;
    copied();
    paste();
    if (AppStore.itemCount != 2 * itemCount) {
        std::printf("   <-- the paste left %d items\n", AppStore.itemCount);
    }
    MeasureEach({
        {"paste another program's " + n + " lines (UTF-16 and bytes)", copiedByAnother, paste, {}},
        {"   CF_TEXT alone", copiedByAnother, PasteTextOnly, {}},
    });
    StopOtherProgram();
    DestroyWindow(parentWindow);
    return 0;
}
