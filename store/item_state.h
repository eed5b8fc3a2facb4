// The states of an item and the arithmetic between them: for the six
// checkable states the value is 2 x style + checked.
#pragma once

#include <cstdint>

namespace tessel {

// One byte, so that an item record of 100,000 in a list stays small.
enum class ItemState : std::int8_t {
    Normal = 0,
    NormalChecked = 1,
    Strike = 2,
    StrikeChecked = 3,
    Bold = 4,
    BoldChecked = 5,
    Separator = 6,
};

enum class ItemStyle : std::int32_t { Plain = 0, Strike = 1, Bold = 2 };

// True for the checked states 1, 3 and 5.
bool IsChecked(ItemState state);
// The state with its check set or cleared; a separator stays a separator.
ItemState WithChecked(ItemState state, bool checked);
// The state with another style and the same check; a separator stays a separator.
ItemState WithStyle(ItemState state, ItemStyle style);
// The style of a checkable state (Plain for a separator).
ItemStyle StyleOf(ItemState state);

}  // namespace tessel
