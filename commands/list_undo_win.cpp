#include "commands/list_undo_win.h"

#include <algorithm>

#include "categorybar/category_bar_win.h"
#include "categorybar/category_commands_win.h"
#include "listpane/item_commands_win.h"
#include "listpane/list_pane_win.h"
#include "process/app_state_win.h"
#include "store/list_history.h"

namespace tessel {
namespace {

// The category of the step becomes current; the items it touched are the
// selection, the first of them the focus, scrolled into view.
void ShowStep(const HistoryFocus& step) {
    ListStore& store = AppStore;
    store.categoryCount = store.CountCategories();
    // A name brought back may have been measured at another DPI.
    RemeasureCategoryNames();
    const int category = step.category >= 0 ? step.category : std::max(store.currentCategory, 0);
    const ItemList* shownBefore = store.currentItems;
    if (store.categoryCount <= 0 || !SelectCategory(std::min(category, store.categoryCount - 1))) {
        SelectCategory(-1);
        return;
    }
    ItemList* items = store.currentItems;
    if (items == nullptr || items->empty()) {
        return;
    }
    const int last = static_cast<int>(items->size()) - 1;
    if (items == shownBefore && store.focusIndex >= 0 && store.focusIndex <= last) {
        // Still the list shown: SelectCategory left only its focus row
        // selected, so a million rows are not walked again.
        (*items)[static_cast<std::size_t>(store.focusIndex)].selected = false;
    } else {
        for (Item& item : *items) {
            item.selected = false;
        }
    }
    for (int position : step.touched) {
        if (position >= 0 && position <= last) {
            (*items)[static_cast<std::size_t>(position)].selected = true;
        }
    }
    int focus = step.touched.empty() ? step.focus : step.touched.front();
    focus = std::clamp(focus, 0, last);
    (*items)[static_cast<std::size_t>(focus)].selected = true;
    store.focusIndex = focus;
    store.anchorIndex = focus;
    UpdateListScroll(true);
    InvalidateListPane();
}

// Undoes (undo) or redoes one step and shows it; true when there was one.
bool ReplayStep(bool undo) {
    ListHistory* history = AppStore.history;
    if (history == nullptr) {
        return false;
    }
    const HistoryFocus step = undo ? history->Undo(AppStore) : history->Redo(AppStore);
    if (step.done) {
        ShowStep(step);
    }
    return step.done;
}

}  // namespace

bool UndoListChange() {
    return ReplayStep(true);
}

bool RedoListChange() {
    return ReplayStep(false);
}

}  // namespace tessel
