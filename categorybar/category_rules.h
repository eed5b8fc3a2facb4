// The rules of the category commands that need no window: the name a
// renamed category gets from the text typed, and the category that becomes
// current after a delete.
#pragma once

#include <string>

namespace tessel {

// The name of a new category, and of one renamed to nothing.
inline constexpr char kNewCategoryName[] =
    "\x90\x56\x8B\x4B\x83\x4A\x83\x65\x83\x53\x83\x8A";  // 新規カテゴリ

// The name for the text typed in the rename box. A name never begins with a
// TAB or an item marker, since list.txt would read such a line back as an
// item: leading TABs and markers are dropped, as many as there are, and
// what is left empty gives kNewCategoryName. Spaces and everything after
// the first other character stay.
std::string CategoryNameFromEdit(std::string text);

// The index to make current after the category at `deleted` was removed and
// `remaining` categories are left: the same index (its right neighbour), or
// the new last one when the last was deleted; -1 when none is left.
int NeighbourAfterDelete(int deleted, int remaining);

}  // namespace tessel
