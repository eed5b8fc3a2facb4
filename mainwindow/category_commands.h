// NOT YET BUILT: the category commands (new, rename, delete, select, move).
// The main window already calls what it needs of them; until their own
// change these do nothing.
#pragma once

namespace tessel {

// Closes an open category-name edit, keeping the name with commit 1.
int EndCategoryRename(int commit);
// Frees the font of the category-name edit box (at shutdown).
void ReleaseCategoryRenameFont();

}  // namespace tessel
