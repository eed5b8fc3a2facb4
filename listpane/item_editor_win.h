// The in-place item editor: a one-line EDIT control laid over the text of
// the focus row, in the row's font and colour, that writes its text back
// into the item when it ends. While it has the focus the shortcut keys are
// off (ActiveAccelerators is null).
#pragma once

#include <windows.h>

namespace tessel {

// The edit control while an edit is open; null otherwise.
extern HWND itemEditor;
// 1 while an edit is open. Set only once the editor has the focus, and
// cleared before the focus leaves it, so that the focus moves never end an
// edit twice.
extern int itemEditing;
// What the list pane answers to the editor's WM_CTLCOLOREDIT.
extern COLORREF itemEditTextColour;
extern COLORREF itemEditBackColour;

// Opens the editor on the focus row, the whole text selected with
// selectAll 1. 1 when it is open; 0 for a separator, no item, an edit
// already open, or an editor that could not be made.
int BeginItemEdit(int selectAll);
// Closes an open edit, keeping its text with commit 1 and discarding it
// with 0. 1, or 0 after a failure; 1 when no edit is open.
int EndItemEdit(int commit);

}  // namespace tessel
