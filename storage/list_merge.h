// Two versions of the list, one of them from another PC through a synced
// folder, made into one without losing what either side wrote.
//
// Categories are matched by name (the n-th of a name with the n-th), then
// a category renamed on one side is matched by its items where at least
// half of them still match. Items within a category are matched by a line
// diff over their identity, which is the text (every separator is one
// identity, whatever its length): a line whose marker or indent changed is
// the same item, changed; lines replaced in one place by as many lines, or
// by lines that keep at least half of an old line's text at their front
// and back, are those items with new texts.
//
// The rules, per item and per category:
//  - a change on one side only is taken; the same change on both sides once;
//  - insertions at the same place on both sides are both kept, ours first;
//  - deleted on one side and changed on the other: kept, changed (and a
//    category so kept is counted);
//  - a new state on one side and a new text or indent on the other: both;
//  - changed on both sides in different ways (two texts, two states, two
//    names): both versions, ours first, next to each other, and counted.
//
// Called when list.txt changed on disk: ours is the list in memory, theirs
// the file read anew (ParseListFile), base the version both last shared:
//
//   ListMerge merge = MergeLists(base, AppStore, fromDisk);
//   if (merge.differsFromTheirs) { write FormatListFile(merge.list) }
//   if (merge.conflicts > 0) { one notice of merge.conflicts items }
//
// The stores are only read; selection, focus and the current category of
// the answer are left at their defaults for the caller to set.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "store/list_store.h"

namespace tessel {

struct ListMerge {
    // The merged list: categories and items, each name with the width the
    // side it came from measured; categoryCount set.
    ListStore list;
    // For each category of list, the position in ours of the category it
    // continues (renamed or not), or -1 for one that ours did not have.
    std::vector<int> oursCategory;
    // Items and categories kept in both versions because both sides changed
    // them differently, and categories kept because one side changed what
    // the other deleted: the number for the one notice.
    int conflicts = 0;
    // False when list holds exactly what theirs holds (the same names,
    // texts, states and indents in the same order): nothing to write back.
    bool differsFromTheirs = false;
};

// The three-way merge of ours and theirs from their common base.
ListMerge MergeLists(const ListStore& base, const ListStore& ours, const ListStore& theirs);

// Every line of either version, for a sync tool's conflict copy, which has
// no known base: categories by name, items by a line diff, ours first where
// the two differ; an item deleted on one side comes back. conflicts is 0.
ListMerge UnionLists(const ListStore& ours, const ListStore& theirs);

// The candidate nearest to theirs: the fewest item lines inserted plus
// deleted by a line diff over the whole list, the last (newest) of those
// on a tie. Candidates come oldest first; -1 when there is none.
int ChooseMergeBase(const std::vector<const ListStore*>& candidates, const ListStore& theirs);

// The item lines that differ between two lists by a line diff over the whole
// list (category lines keep the items in place but are not counted).
std::size_t CountChangedLines(const ListStore& a, const ListStore& b);

// True for a name sync tools give their conflict copies of list.txt:
// OneDrive's "list-PCNAME.txt", Dropbox's and Nextcloud's
// "list (... conflicted copy ...).txt", Google Drive's "list (1).txt" and
// Syncthing's "list.sync-conflict-YYYYMMDD-HHMMSS-DEVICE.txt" (letters in
// any case). Never list.txt itself nor the program's own list.txt.* copies.
// The name alone, without a folder.
bool IsListConflictCopyName(std::wstring_view fileName);

}  // namespace tessel
