#include "listpane/focus_navigation.h"

#include <algorithm>
#include <cstdint>

namespace tessel {

int NavigateTarget(int focusIndex, int itemCount, int rows, NavigateMode mode) {
    if (itemCount <= 0 || focusIndex < 0) {
        return -1;
    }
    const std::int64_t last = itemCount - 1;
    // A pane lower than one row pages by nothing rather than backwards.
    const std::int64_t page = std::max(rows - 1, 0);
    std::int64_t target = focusIndex;
    switch (mode) {
        case NavigateMode::Up:
            target = std::int64_t{focusIndex} - 1;
            if (target < 0) {
                return -1;
            }
            break;
        case NavigateMode::Down:
            target = std::int64_t{focusIndex} + 1;
            if (target > last) {
                return -1;
            }
            break;
        case NavigateMode::PageUp:
            target = focusIndex - page;
            break;
        case NavigateMode::PageDown:
            target = focusIndex + page;
            break;
        case NavigateMode::First:
            target = 0;
            break;
        case NavigateMode::Last:
            target = last;
            break;
    }
    target = std::clamp<std::int64_t>(target, 0, last);
    return target == focusIndex ? -1 : static_cast<int>(target);
}

int MoveFocus(ListStore& store, int rows, NavigateMode mode, bool extend) {
    if (store.currentItems == nullptr) {
        return 0;
    }
    const int target = NavigateTarget(store.focusIndex, store.itemCount, rows, mode);
    if (target < 0) {
        return 0;
    }
    store.focusIndex = target;
    // Without an anchor there is nothing to extend from: start one here.
    if (!extend || store.anchorIndex < 0) {
        store.anchorIndex = target;
    }
    SelectItemRange(store.currentItems, store.anchorIndex, store.focusIndex);
    return 1;
}

}  // namespace tessel
