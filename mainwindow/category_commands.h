// NOT YET BUILT: the category commands (new, rename, delete, select, move).
// The dispatcher and the main window already call them; until their own
// change they do nothing and answer 0.
#pragma once

namespace tessel {

enum class CategoryDirection : int { Left = 0, Right = 1 };

// Appends a category, makes it current and starts renaming it; 1.
int NewCategory();
// Opens the rename box over the title for the category at index; 1.
int BeginCategoryRename(int index);
// Closes an open category-name edit, keeping the name with commit 1.
int EndCategoryRename(int commit);
// Deletes the category at index (asking first with "DeleteCheck"); 1.
int DeleteCategory(int index);
// Makes the category at index current; nothing for an index out of range.
int SelectCategory(int index);
// Moves the current category one place; 1 when it moved.
int MoveCategory(CategoryDirection direction);
// Frees the font of the category-name edit box (at shutdown).
void ReleaseCategoryRenameFont();

}  // namespace tessel
