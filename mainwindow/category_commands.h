// The commands on whole categories: create, rename in place over the title,
// delete, make current, and move one place. Each changes the store and then
// brings the title, the category bar and the list pane up to date.
#pragma once

#include <windows.h>

namespace tessel {

enum class CategoryDirection : int { Left = 0, Right = 1 };

// Appends "新規カテゴリ", makes it current and posts the rename command, so
// that its name opens for editing at once; 1, or 0 when memory runs out.
int NewCategory();
// Opens the rename box over the title for the category at index; 1, or 0
// when a rename is open already, the index is out of range or the box
// cannot be made.
int BeginCategoryRename(int index);
// Closes an open rename box, keeping the name with commit 1 and the old one
// with 0. 1, also when no rename is open; 0 when the category was lost.
int EndCategoryRename(int commit);
// Deletes the category at index with its items (asking first with
// "DeleteCheck"), then makes its right neighbour, or the new last one,
// current. 1, or 0 when refused or out of range.
int DeleteCategory(int index);
// Makes the category at index current, carrying the focus row over; with no
// category at all shows the empty state. 1 when a category became current.
int SelectCategory(int index);
// Moves the current category one place; 1 when it moved.
int MoveCategory(CategoryDirection direction);
// Frees the font of the category-name edit box (at shutdown).
void ReleaseCategoryRenameFont();

// The rename box while it is open, else null (for the tests).
HWND CategoryRenameBox();

}  // namespace tessel
