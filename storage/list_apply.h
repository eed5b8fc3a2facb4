// Makes a store hold another list by changing it in place, each change
// recorded in the store's history as one step of its own: a merge or a
// take-up of another PC's list is then taken back by one undo, and every
// entry of the history before it stays valid (no category is swapped out
// from under it).
#pragma once

#include <vector>

#include "store/list_store.h"

namespace tessel {

// Brings store to the categories and items of target (names, widths,
// texts, states, indents, in order). oursCategory gives, for each category
// of target, the position in store of the category it continues, or -1 for
// a new one (storage/list_merge.h's ListMerge::oursCategory); the items of
// target are taken over. Categories of store that no entry names are
// removed. Answers, for each category position of store before the change,
// its position after it, or -1 when it was removed. Bookkeeping
// (categoryCount, current category, tab width) is the caller's; the history
// is sealed before and after.
std::vector<int> ApplyListInPlace(ListStore& store, ListStore& target,
                                  const std::vector<int>& oursCategory);

// Whether two items are the same line of list.txt: text, state and indent.
bool SameListLine(const Item& a, const Item& b);

}  // namespace tessel
