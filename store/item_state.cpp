#include "store/item_state.h"

namespace tessel {

namespace {

// The checkable states 0..5; a separator and any stray value read from a
// file are left as they are by the arithmetic below.
bool IsCheckable(ItemState state) {
    const auto value = static_cast<std::int32_t>(state);
    return value >= 0 && value <= 5;
}

}  // namespace

bool IsChecked(ItemState state) {
    return IsCheckable(state) && (static_cast<std::int32_t>(state) & 1) != 0;
}

ItemState WithChecked(ItemState state, bool checked) {
    if (!IsCheckable(state)) {
        return state;
    }
    const auto value = static_cast<std::int32_t>(state);
    return static_cast<ItemState>(checked ? (value | 1) : (value & ~1));
}

ItemState WithStyle(ItemState state, ItemStyle style) {
    const auto styleValue = static_cast<std::int32_t>(style);
    if (!IsCheckable(state) || styleValue < 0 || styleValue > 2) {
        return state;
    }
    const auto checkedBit = static_cast<std::int32_t>(state) & 1;
    return static_cast<ItemState>(2 * styleValue + checkedBit);
}

ItemStyle StyleOf(ItemState state) {
    if (!IsCheckable(state)) {
        return ItemStyle::Plain;
    }
    return static_cast<ItemStyle>(static_cast<std::int32_t>(state) / 2);
}

}  // namespace tessel
