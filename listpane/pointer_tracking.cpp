#include "listpane/pointer_tracking.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "store/list_history.h"
#include "store/saturate.h"

namespace tessel {

namespace {

// y / LH + topIndex without overflow.
int RowBelow(int y, int topIndex, int lineHeight) {
    return SaturateToInt32(std::int64_t{y} / lineHeight + topIndex);
}

}  // namespace

bool PlainPressOnRow(ListStore& store, int row) {
    if (store.currentItems == nullptr || row < 0 || row >= CountItems(store.currentItems)) {
        return false;
    }
    store.focusIndex = row;
    if ((*store.currentItems)[static_cast<std::size_t>(row)].selected) {
        return true;
    }
    SelectItemRange(store.currentItems, row, row);
    store.anchorIndex = row;
    return false;
}

bool BeginPrimaryPress(PointerState& state) {
    if (state.rightButtonDown) {
        return false;
    }
    state.leftButtonDown = true;
    return true;
}

PrimaryPressResult PrimaryPress(PointerState& state, ListStore& store, const ListMetrics& m, int x,
                                int y, PressKeys keys) {
    if (store.currentItems == nullptr || store.itemCount <= 0) {
        return PrimaryPressResult::Nothing;
    }
    const int row = RowAtPoint(y, store.topIndex, store.itemCount, m.lineHeight);
    if (row < 0) {
        return PrimaryPressResult::Nothing;
    }
    store.focusIndex = row;
    state.pressIndex = row;
    state.itemDropIndex = -1;
    Item item;
    if (GetItem(store.currentItems, row, item) != 1) {
        return PrimaryPressResult::Invalidate;
    }
    if (keys.ctrl) {
        (*store.currentItems)[static_cast<std::size_t>(row)].selected = !item.selected;
        store.anchorIndex = row;
    } else if (keys.shift) {
        // Without an anchor the range starts at the pressed row.
        if (store.anchorIndex < 0) {
            store.anchorIndex = row;
        }
        SelectItemRange(store.currentItems, store.anchorIndex, row);
    } else {
        // A selection kept for a drag is collapsed by the release.
        state.collapsePending = PlainPressOnRow(store, row);
    }
    if (IsOnCheckBox(x, y, item.indent, m)) {
        state.collapsePending = false;
        return PrimaryPressResult::ToggleCheck;
    }
    state.pressPoint = PanePoint{x, y};
    return PrimaryPressResult::Capture;
}

PointerMoveResult PointerMove(PointerState& state, ListStore& store, const ListMetrics& m,
                              int clientHeight, DragThreshold threshold, int x, int y) {
    PointerMoveResult result;
    if (store.currentItems == nullptr) {
        return result;
    }
    const int lh = m.lineHeight;
    const int count = std::max(store.itemCount, 0);
    bool started = false;
    if (state.itemDragActive || state.rangeDragActive) {
        std::int64_t drop = std::int64_t{y} / lh + store.topIndex;
        if (y < 0 && store.topIndex > 0) {
            result.scroll = ScrollRequest::LineUp;
            --drop;
        } else if (y > clientHeight) {
            const int visible = clientHeight / lh + (clientHeight % lh != 0 ? 1 : 0);
            if (visible <= std::int64_t{store.itemCount} - store.topIndex) {
                result.scroll = ScrollRequest::LineDown;
                ++drop;
            }
        }
        state.itemDropIndex = static_cast<int>(std::clamp<std::int64_t>(drop, 0, count));
    }
    if (state.itemDragActive) {
        // The lower half of a row drops behind it: the nearest boundary.
        if (y % lh >= lh / 2) {
            state.itemDropIndex = std::min(state.itemDropIndex + 1, count);
        }
    } else if (state.rangeDragActive) {
        SelectItemRange(store.currentItems, store.anchorIndex, state.itemDropIndex);
    } else if (std::abs(std::int64_t{x} - state.pressPoint.x) >= threshold.x ||
               std::abs(std::int64_t{y} - state.pressPoint.y) >= threshold.y) {
        const std::int64_t drop = (std::int64_t{y} + lh / 2) / lh + store.topIndex;
        // Clamped as every later move is: a flick far past an edge must not
        // turn into a drop at the end of the list.
        state.itemDropIndex = static_cast<int>(std::clamp<std::int64_t>(drop, 0, count));
        if (state.rightButtonDown) {
            state.rangeDragActive = true;
            store.anchorIndex = state.pressIndex;
        } else {
            state.itemDragActive = true;
        }
        started = true;
    }
    result.invalidate = started || state.itemDropIndex != state.itemDropIndexDrawn;
    state.itemDropIndexDrawn = state.itemDropIndex;
    return result;
}

bool EndPrimaryPress(PointerState& state) {
    state.leftButtonDown = false;
    return !state.rightButtonDown;
}

bool PrimaryRelease(PointerState& state, ListStore& store) {
    if (store.currentItems == nullptr) {
        return false;
    }
    if (state.itemDragActive) {
        state.itemDragActive = false;
        const int moved = MoveSelectionRecorded(store, state.itemDropIndex);
        if (moved >= 0) {
            store.focusIndex = moved;
        }
        store.anchorIndex = store.focusIndex;
        state.collapsePending = false;
        return true;
    }
    if (state.collapsePending) {
        state.collapsePending = false;
        store.focusIndex = state.pressIndex;
        SelectItemRange(store.currentItems, store.focusIndex, store.focusIndex);
        store.anchorIndex = store.focusIndex;
        return true;
    }
    return false;
}

DoubleClickAction DecideDoubleClick(const PointerState& state, const ListStore& store,
                                    const ListMetrics& m, int x, int y, bool itemEditing) {
    if (state.rightButtonDown || store.currentItems == nullptr) {
        return DoubleClickAction::None;
    }
    if (RowAtPoint(y, store.topIndex, store.itemCount, m.lineHeight) < 0) {
        return DoubleClickAction::AppendItem;
    }
    Item focusItem;
    if (GetItem(store.currentItems, store.focusIndex, focusItem) != 1) {
        return DoubleClickAction::None;
    }
    if (IsOnCheckBox(x, y, focusItem.indent, m)) {
        return DoubleClickAction::ToggleCheck;
    }
    return itemEditing ? DoubleClickAction::EndEdit : DoubleClickAction::BeginEdit;
}

bool BeginSecondaryPress(PointerState& state) {
    if (state.leftButtonDown) {
        return false;
    }
    state.rightButtonDown = true;
    return true;
}

SecondaryPressResult SecondaryPress(PointerState& state, ListStore& store, const ListMetrics& m,
                                    int x, int y) {
    if (store.currentItems == nullptr) {
        return SecondaryPressResult::Nothing;
    }
    const int row = RowBelow(y, store.topIndex, m.lineHeight);
    if (row >= 0 && row < store.itemCount) {
        store.focusIndex = row;
        Item item;
        if (GetItem(store.currentItems, row, item) != 1) {
            return SecondaryPressResult::Invalidate;
        }
        // A selected item keeps the whole selection for the menu.
        if (!item.selected) {
            SelectItemRange(store.currentItems, row, row);
            store.anchorIndex = row;
        }
    }
    state.pressIndex = row;
    state.itemDropIndex = -1;
    if (row < 0) {
        return SecondaryPressResult::Invalidate;
    }
    // Below the last row too: a range drag can start there.
    state.pressPoint = PanePoint{x, y};
    return SecondaryPressResult::Capture;
}

bool EndSecondaryPress(PointerState& state) {
    state.rightButtonDown = false;
    return !state.leftButtonDown;
}

SecondaryReleaseResult SecondaryRelease(PointerState& state, const ListStore& store) {
    if (store.currentItems == nullptr) {
        return SecondaryReleaseResult::Nothing;
    }
    if (state.rangeDragActive) {
        state.rangeDragActive = false;
        return SecondaryReleaseResult::Invalidate;
    }
    return SecondaryReleaseResult::OpenMenu;
}

bool CancelDrag(PointerState& state) {
    if (!state.itemDragActive && !state.rangeDragActive) {
        return false;
    }
    state.itemDragActive = false;
    state.rangeDragActive = false;
    state.collapsePending = false;
    return true;
}

bool PressInterrupted(PointerState& state) {
    if (!state.leftButtonDown && !state.rightButtonDown) {
        return false;
    }
    state.leftButtonDown = false;
    state.rightButtonDown = false;
    state.itemDragActive = false;
    state.rangeDragActive = false;
    state.collapsePending = false;
    return true;
}

}  // namespace tessel
