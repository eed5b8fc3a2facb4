// The commands on whole categories: create, delete, make current and move
// one place (the rename box is category_rename_win.h). Each changes the
// store and then brings the title, the category bar and the list pane up to
// date.
#pragma once

namespace tessel {

enum class CategoryDirection : int { Left = 0, Right = 1 };

// Appends "新規カテゴリ", makes it current and posts the rename command, so
// that its name opens for editing at once; false when memory runs out.
bool NewCategory();
// Deletes the category at index with its items (asking first with
// "DeleteCheck"), then makes its right neighbour, or the new last one,
// current. false when refused or out of range.
bool DeleteCategory(int index);
// Makes the category at index current, carrying the focus row over; with no
// category at all shows the empty state. true when a category became
// current.
bool SelectCategory(int index);
// Moves the current category one place; true when it moved.
bool MoveCategory(CategoryDirection direction);
// Moves the category at source in front of the one at target (the store's
// RelocateCategory) as an undo step, and keeps it current: its new index,
// or -1 when nothing moved. Arguments the store refuses are reported
// (ErrorId 901). The caller draws the bars.
int MoveCategoryTo(int source, int target);
// Reports (ErrorId 901) that the category at index could not be read.
void ReportMissingCategory(int index);

}  // namespace tessel
