// NOT YET BUILT: the in-place item editor (a one-line EDIT control laid
// over the focus row). The list pane and the main window already call it;
// its own change fills these in. Until then no edit is ever open.
#pragma once

#include <windows.h>

namespace tessel {

// The edit control while an edit is open; null otherwise.
extern HWND itemEditor;
// 1 while an edit is open.
extern int itemEditing;
// What the list pane answers to the editor's WM_CTLCOLOREDIT.
extern COLORREF itemEditTextColour;
extern COLORREF itemEditBackColour;

// Opens the editor on the focus row, the whole text selected with
// selectAll 1. 1 when it is open. Not yet: opens nothing and answers 0.
int BeginItemEdit(int selectAll);
// Closes an open edit, keeping its text with commit 1 and discarding it
// with 0. 1, or 0 after a failure; 1 when no edit is open.
int EndItemEdit(int commit);

}  // namespace tessel
