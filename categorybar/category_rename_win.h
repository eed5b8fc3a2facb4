// The category's name edited in place: a box over the title text, opened
// by the rename command or a double click on a tab, closed by Enter, Esc,
// a click elsewhere or the loss of the focus.
#pragma once

#include <windows.h>

namespace tessel {

// Opens the rename box over the title for the category at index; 1, or 0
// when a rename is open already, the index is out of range or the box
// cannot be made.
int BeginCategoryRename(int index);
// Closes an open rename box, keeping the name with commit 1 and the old one
// with 0. 1, also when no rename is open; 0 when the category was lost.
int EndCategoryRename(int commit);
// Frees the font of the category-name edit box (at shutdown).
void ReleaseCategoryRenameFont();

// The rename box while it is open, else null (for the tests).
HWND CategoryRenameBox();

}  // namespace tessel
