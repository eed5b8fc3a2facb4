// The in-place item editor: the edit session (editing/edit_session_win.h)
// laid over the text of the focus row, in the row's font and colour, that
// writes its text back into the item when it ends.
#pragma once

#include <windows.h>

namespace tessel {

// The edit box while an item edit is open, else null, and whether one is
// open: what the tests look at. The program asks OpenEditOwner().
extern HWND itemEditor;
extern bool itemEditing;
// What the list pane answers to the editor's WM_CTLCOLOREDIT.
extern COLORREF itemEditTextColour;
extern COLORREF itemEditBackColour;

// Opens the editor on the focus row, the whole text selected with
// selectAll. true when it is open; false for a separator, no item, an edit
// already open, or an editor that could not be made.
bool BeginItemEdit(bool selectAll);
// Closes an open item edit, keeping its text with keep and dropping it
// without. false after a failure; true also when no item edit is open.
bool EndItemEdit(bool keep);

}  // namespace tessel
