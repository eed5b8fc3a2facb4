#include "listpane/item_commands_win.h"

#include <windows.h>

#include <string>

#include "listpane/list_geometry.h"
#include "listpane/list_pane_win.h"
#include "process/app_state_win.h"
#include "process/error_report_win.h"
#include "scrollbar/scroll_bar_pane_win.h"

namespace tessel {

int ScrollBarShownWidth = 0;

namespace {

// "リストを作成することができません。"
constexpr int kErrorListCreate = 203;
// A pane smaller than this each way (at 96 DPI) shows no scroll bar.
constexpr int kScrollBarMinimumSide = 32;

}  // namespace

void UpdateListScroll(bool ensureFocusVisible) {
    if (ListPaneHandle == nullptr) {
        return;
    }
    RECT client{};
    GetClientRect(ListPaneHandle, &client);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    const ListMetrics m = ListMetricsFrom(AppLayout, AppScale());
    const ListScrollPlan plan = PlanListScroll(
        width, height, m.lineHeight, AppStore.itemCount, AppStore.focusIndex, AppStore.topIndex,
        ensureFocusVisible, m.scrollBarWidth, m.scale(kScrollBarMinimumSide));
    AppStore.topIndex = plan.top;
    if (ScrollBarHandle == nullptr) {
        ScrollBarShownWidth = 0;
        return;
    }
    SetScrollBarInfo(ScrollBarHandle, plan.max, plan.top, plan.page);
    if (plan.showBar) {
        ShowScrollBarPane(ScrollBarHandle, true);
        ScrollBarShownWidth = m.scrollBarWidth;
        MoveWindow(ScrollBarHandle, width - m.scrollBarWidth, 0, m.scrollBarWidth, height, TRUE);
    } else {
        ShowScrollBarPane(ScrollBarHandle, false);
        ScrollBarShownWidth = 0;
    }
}

int NewItem(int reference, NewItemKind kind) {
    std::string failedText;
    switch (AddNewItem(AppStore, reference, kind, AppSettings, &failedText)) {
        case NewItemOutcome::Inserted:
            UpdateListScroll(true);
            InvalidateListPane();
            return 1;
        case NewItemOutcome::OutOfMemory:
            ReportError(kErrorListCreate, failedText.c_str(), MainFrameHandle);
            return 0;
        case NewItemOutcome::NoCategory:
            break;
    }
    return 0;
}

int DeleteItems() {
    if (RemoveSelectedItems(AppStore) != 1) {
        return 0;
    }
    UpdateListScroll(true);
    InvalidateListPane();
    return 1;
}

int ToggleItemMark(int reference, ItemMark mark) {
    const ToggleOutcome outcome =
        ToggleMarkOfSelection(AppStore, reference, mark, AppSettings.CheckMoveDown == 1);
    if (outcome.result != 1) {
        return 0;
    }
    InvalidateListPane();
    if (outcome.ensureFocusVisible) {
        UpdateListScroll(true);
    }
    return 1;
}

int MoveItems(MoveDirection direction) {
    if (MoveSelectionOneStep(AppStore, direction) != 1) {
        return 0;
    }
    InvalidateListPane();
    UpdateListScroll(true);
    return 1;
}

int ChangeIndent(IndentDirection direction) {
    const int changed = IndentSelection(AppStore, direction);
    if (changed > 0) {
        InvalidateListPane();
    }
    return changed;
}

int SelectByState(SelectWhich which) {
    if (SelectItemsByState(AppStore, which) != 1) {
        return 0;
    }
    InvalidateListPane();
    return 1;
}

int MarkAllItems(MarkChange change) {
    if (MarkEveryItem(AppStore, change) != 1) {
        return 0;
    }
    InvalidateListPane();
    UpdateListScroll(true);
    return 1;
}

}  // namespace tessel
