// The check, strike and bold marks of an item and how a command changes
// them. Strike and bold exclude each other; the check survives every style
// change; a separator is never changed.
#pragma once

#include <cstdint>

#include "store/list_store.h"

namespace tessel {

// Which mark a toggle works on (the values commands and clicks pass).
enum class ItemMark : std::int32_t { Check = 0, Strike = 1, Bold = 2 };

enum class MarkChange {
    SetCheck,
    RemoveCheck,
    InvertCheck,
    SetStrike,
    RemoveStrike,
    SetBold,
    RemoveBold,
};

// The state after the change; separators and unknown values stay as they are.
ItemState ApplyMarkChange(ItemState state, MarkChange change);

// The change a toggle applies to the whole selection, decided by the
// reference item: an unselected item or a separator always sets the mark,
// otherwise a mark the item has is removed and a missing one set.
MarkChange ChooseMarkChange(const Item& reference, ItemMark mark);

}  // namespace tessel
