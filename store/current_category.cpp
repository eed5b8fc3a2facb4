#include "store/current_category.h"

#include <algorithm>

namespace tessel {

int CarriedFocus(int previousFocus, int itemCount) {
    if (itemCount <= 0) {
        return -1;
    }
    return std::clamp(previousFocus, 0, itemCount - 1);
}

int MakeCategoryCurrent(ListStore& store, int index, FocusPlacement placement) {
    store.categoryCount = store.CountCategories();
    if (store.categoryCount > 0 && (index < 0 || index >= store.categoryCount)) {
        return 0;
    }
    // The list left may have gone with its category (deleted, undone, freed).
    if (store.currentItems != nullptr && store.FindCategoryOf(store.currentItems) >= 0) {
        for (Item& item : *store.currentItems) {
            item.selected = false;
        }
    }
    if (placement == FocusPlacement::FirstRow) {
        store.topIndex = 0;
    }
    if (store.categoryCount == 0) {
        store.currentItems = nullptr;
        store.itemCount = 0;
        store.focusIndex = -1;
        store.anchorIndex = -1;
        return 0;
    }
    store.currentCategory = index;
    store.currentItems = store.FindCategoryItems(index);
    store.itemCount = std::max(CountItems(store.currentItems), 0);
    store.focusIndex = placement == FocusPlacement::FirstRow
                           ? (store.itemCount > 0 ? 0 : -1)
                           : CarriedFocus(store.focusIndex, store.itemCount);
    if (store.focusIndex >= 0) {
        (*store.currentItems)[static_cast<std::size_t>(store.focusIndex)].selected = true;
    }
    store.anchorIndex = store.focusIndex;
    return 1;
}

}  // namespace tessel
