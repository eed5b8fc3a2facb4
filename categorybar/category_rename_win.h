// The category's name edited in place: a box over the title text, opened
// by the rename command or a double click on a tab, closed by Enter, Esc,
// a click elsewhere or the loss of the focus: the edit session
// (editing/edit_session_win.h) over the title.
#pragma once

#include <windows.h>

namespace tessel {

// Opens the rename box over the title for the category at index, the whole
// name selected; false when an edit is open already, the index is out of
// range or the box cannot be made.
bool BeginCategoryRename(int index);
// Closes an open rename box, keeping the typed name with keep and the old
// one without. true, also when no rename is open; false when the category
// was lost.
bool EndCategoryRename(bool keep);

// The rename box while it is open, else null (for the tests).
HWND CategoryRenameBox();

}  // namespace tessel
