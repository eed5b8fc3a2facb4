// Times what a screen reader asks of the list pane and the main window, on
// the real window under Wine with 100,000 items in the current category:
// each query alone (the bound is 1 ms), then what following the rows
// through events adds to a key press or a command with its repaint, and
// the rows' watch itself. A timed program, not a test: it prints the
// median and the slowest of its runs.
//
//   scripts/wine-run build/win64/bench/access_wine_bench.exe   (or build/win)
#include <windows.h>

#include <oleacc.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "access/com_ref_win.h"
#include "access/list_accessible_win.h"
#include "access/list_events.h"
#include "app/startup_win.h"
#include "bench/wine_bench_support.h"
#include "commands/command_dispatch_win.h"
#include "listpane/list_pane_win.h"
#include "process/app_state_win.h"
#include "shell/command_ids.h"
#include "storage/layout_settings.h"

namespace {

using namespace tessel;
using bench::NowMs;
using bench::Pump;

constexpr int kItems = 100000;
constexpr int kMiddle = kItems / 2 + 1;  // a child id in the middle of the list (no separator)
constexpr int kQueryRuns = 201;
constexpr int kActionRuns = 15;

HWND frame = nullptr;

void Repaint() {
    Pump();
    UpdateWindow(frame);
    UpdateWindow(ListPaneHandle);
}

VARIANT Child(long id) {
    VARIANT child;
    child.vt = VT_I4;
    child.lVal = id;
    return child;
}

// Frees what a query handed out, as a reader does.
void Drop(VARIANT& value) {
    VariantClear(&value);
}

// Times one query kQueryRuns times; prints the median and the slowest.
void Query(const char* name, const std::function<void()>& query) {
    std::vector<double> times;
    for (int run = 0; run < kQueryRuns; ++run) {
        const double start = NowMs();
        query();
        times.push_back(NowMs() - start);
    }
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    std::printf("  %-58s %8.4f ms %8.4f ms%s\n", name, median, times.back(),
                median >= 1.0 ? "   <-- over 1 ms" : "");
}

void Action(const char* name, const std::function<void(int)>& action) {
    bench::MeasureRuns(bench::Timing{kActionRuns, 60, 16, Repaint}, name, nullptr, action);
}

// One category of kItems items of every state, some indented, a separator
// every 50 rows, in a fresh data folder.
bool WriteList(const std::wstring& folder) {
    std::string text = "ベンチ\r\n";
    const char* const markers[] = {"□", "■", "◇", "◆", "○", "●"};
    for (int i = 0; i < kItems; ++i) {
        if (i % 50 == 49) {
            text += "□----\r\n";
        } else {
            text.append(static_cast<std::size_t>(i % 4), '\t');
            text += std::string(markers[i % 6]) + "項目 " + std::to_string(i) + " のテキスト\r\n";
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

ComRef<IAccessible> ObjectOf(HWND window, LONG id) {
    ComRef<IAccessible> object;
    AccessibleObjectFromWindow(window, static_cast<DWORD>(id), __uuidof(IAccessible),
                               reinterpret_cast<void**>(object.Put()));
    return object;
}

void SelectEvery(bool selected) {
    for (Item& item : *AppStore.currentItems) {
        item.selected = selected;
    }
}

// What a key press and a command cost with their repaint: before a reader
// has asked, the pane keeps no watch.
void MeasureActions(const char* when) {
    std::printf("%s\n", when);
    Action("  Down key (focus and selection move)",
           [](int run) { SendMessageA(ListPaneHandle, WM_KEYDOWN, run % 2 ? VK_UP : VK_DOWN, 0); });
    Action("  Space (the focus row's check)",
           [](int) { DispatchCommand(frame, static_cast<WPARAM>(kCmdToggleCheck)); });
    Action("  check all, uncheck all", [](int run) {
        DispatchCommand(frame, static_cast<WPARAM>(run % 2 ? kCmdUncheckAll : kCmdCheckAll));
    });
    Action("  select all, then one row (Home)", [](int run) {
        if (run % 2) {
            SendMessageA(ListPaneHandle, WM_KEYDOWN, VK_HOME, 0);
        } else {
            DispatchCommand(frame, static_cast<WPARAM>(kCmdSelectAll));
        }
    });
}

}  // namespace

int main() {
    frame = bench::StartBenchProgram(L"tessel-access-bench", WriteList, 500, 700, SW_SHOWNORMAL);
    if (frame == nullptr) {
        return 1;
    }
    SetFocus(ListPaneHandle);
    Repaint();
    std::printf("%d items in the current category; median and slowest\n", AppStore.itemCount);

    MeasureActions("no reader has asked (no watch):");

    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    std::printf("a reader's queries, each alone (%d runs):\n", kQueryRuns);
    {
        // The first request loads oleacc and its libraries: timed once.
        const double start = NowMs();
        ComRef<IAccessible> first = ObjectOf(ListPaneHandle, OBJID_CLIENT);
        std::printf("  %-58s %8.4f ms (once)\n", "first WM_GETOBJECT of the process",
                    NowMs() - start);
    }
    Query("WM_GETOBJECT of the pane (AccessibleObjectFromWindow)",
          [] { ObjectOf(ListPaneHandle, OBJID_CLIENT); });
    // The two halves: the window's answer (the object made, then marshalled
    // by LresultFromObject) and the reader's taking it (ObjectFromLresult).
    std::vector<double> answers, takes;
    for (int run = 0; run < kQueryRuns; ++run) {
        const double start = NowMs();
        const LRESULT answer =
            SendMessageW(ListPaneHandle, WM_GETOBJECT, 0, static_cast<LPARAM>(OBJID_CLIENT));
        const double answered = NowMs();
        IAccessible* object = nullptr;
        ObjectFromLresult(answer, __uuidof(IAccessible), 0, reinterpret_cast<void**>(&object));
        takes.push_back(NowMs() - answered);
        answers.push_back(answered - start);
        if (object != nullptr) {
            object->Release();
        }
    }
    for (auto* times : {&answers, &takes}) {
        std::sort(times->begin(), times->end());
        std::printf("  %-58s %8.4f ms %8.4f ms\n",
                    times == &answers ? "  of which the window's answer (LresultFromObject)"
                                      : "  and the reader's ObjectFromLresult",
                    (*times)[times->size() / 2], times->back());
    }
    Query("  of which the object itself (MakeListObject)", [] { MakeListObject(ListPaneHandle); });
    std::printf("  (the rest is Wine's COM marshalling, the same for a list of any length)\n");
    ComRef<IAccessible> list = ObjectOf(ListPaneHandle, OBJID_CLIENT);
    if (!list) {
        std::fprintf(stderr, "no object for the pane\n");
        return 1;
    }
    Query("get_accChildCount", [&] {
        long count = 0;
        list->get_accChildCount(&count);
    });
    Query("get_accName of a row (Japanese text made UTF-16)", [&] {
        BSTR name = nullptr;
        list->get_accName(Child(kMiddle), &name);
        SysFreeString(name);
    });
    Query("get_accName of the list (its category)", [&] {
        BSTR name = nullptr;
        list->get_accName(Child(CHILDID_SELF), &name);
        SysFreeString(name);
    });
    Query("get_accDescription of a row (state words)", [&] {
        BSTR text = nullptr;
        list->get_accDescription(Child(kMiddle), &text);
        SysFreeString(text);
    });
    Query("get_accRole of a row", [&] {
        VARIANT role;
        list->get_accRole(Child(kMiddle), &role);
    });
    Query("get_accState of a row", [&] {
        VARIANT state;
        list->get_accState(Child(kMiddle), &state);
    });
    Query("get_accDefaultAction of a row", [&] {
        BSTR text = nullptr;
        list->get_accDefaultAction(Child(kMiddle), &text);
        SysFreeString(text);
    });
    Query("accLocation of a row", [&] {
        long x, y, w, h;
        list->accLocation(&x, &y, &w, &h, Child(kMiddle));
    });
    RECT pane{};
    GetWindowRect(ListPaneHandle, &pane);
    Query("accHitTest in the middle of the pane", [&] {
        VARIANT hit;
        list->accHitTest((pane.left + pane.right) / 2, (pane.top + pane.bottom) / 2, &hit);
        Drop(hit);
    });
    Query("accNavigate to the next row", [&] {
        VARIANT end;
        list->accNavigate(NAVDIR_NEXT, Child(kMiddle), &end);
    });
    Query("get_accFocus", [&] {
        VARIANT focus;
        list->get_accFocus(&focus);
        Drop(focus);
    });
    SelectEvery(false);
    (*AppStore.currentItems)[kMiddle].selected = true;
    Query("get_accSelection, one row selected", [&] {
        VARIANT selection;
        list->get_accSelection(&selection);
        Drop(selection);
    });
    SelectEvery(true);
    Query("get_accSelection, every row selected (an enumeration)", [&] {
        VARIANT selection;
        list->get_accSelection(&selection);
        Drop(selection);
    });
    Query("accSelect: take the focus and the selection (a click)",
          [&] { list->accSelect(SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION, Child(kMiddle)); });
    Query("accSelect: add a row",
          [&] { list->accSelect(SELFLAG_ADDSELECTION, Child(kMiddle + 2)); });
    Query("accDoDefaultAction: a row's check (an undo step)",
          [&] { list->accDoDefaultAction(Child(kMiddle)); });

    ComRef<IAccessible> frameObject = ObjectOf(frame, OBJID_CLIENT);
    Query("WM_GETOBJECT of the frame", [] { ObjectOf(frame, OBJID_CLIENT); });
    Query("get_accChild of the frame: the category bar", [&] {
        IDispatch* bar = nullptr;
        frameObject->get_accChild(Child(3), &bar);
        if (bar != nullptr) {
            bar->Release();
        }
    });
    Query("get_accName of the close button", [&] {
        BSTR name = nullptr;
        frameObject->get_accName(Child(2), &name);
        SysFreeString(name);
    });
    Repaint();

    MeasureActions("a reader has asked (the rows' watch compares at each repaint):");

    // The watch alone, over the store as it is.
    std::printf("the rows' watch alone:\n");
    RowWatch watch;
    Query("Start: a mark of every row (a reader's first request)",
          [&] { watch.Start(AppStore, true); });
    Query("Compare, nothing changed", [&] { watch.Compare(AppStore, true); });
    Query("Compare after a change (every text's fingerprint read)", [&] {
        ++AppStore.changeCount;
        watch.Compare(AppStore, true);
    });

    SendMessageA(frame, WM_CLOSE, 0, 0);
    Pump();
    return 0;
}
