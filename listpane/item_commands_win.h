// The item commands on the current category, as the command dispatcher and
// the list pane call them: each changes the store (listpane/item_operations.h),
// then keeps topIndex and the scroll bar in step and repaints the pane.
// Results: 1 when done, 0 when refused or there was nothing to do.
#pragma once

#include "listpane/item_operations.h"
#include "listpane/mark_changes.h"

namespace tessel {

// "ScrollBarWidth" while the scroll bar is shown, 0 while it is hidden: the
// room the drawing and the editor leave at the right.
extern int ScrollBarShownWidth;

// Keeps topIndex valid for the pane's height (with ensureFocusVisible the
// focus row is scrolled into view), hands the scroll bar range, position
// and page, and shows it while the list is longer than the pane.
void UpdateListScroll(bool ensureFocusVisible);

// A new empty item or separator for the reference position ("InsertPosition",
// "AutoIndent", "SeparatorLength"); it becomes the focus and the only
// selection. Reports ErrorId 203 when memory runs out.
int NewItem(int reference, NewItemKind kind);
// Deletes the selected items; the focus goes to the first deleted position.
int DeleteItems();
// Sets or clears a mark on the selection as the reference item decides;
// with "CheckMoveDown" newly checked items sink.
int ToggleItemMark(int reference, ItemMark mark);
// Moves the selection one place up or down.
int MoveItems(MoveDirection direction);
// Indents or outdents the selection: the number of items changed, -1 when
// there is no current category or no item.
int ChangeIndent(IndentDirection direction);
// Selects all items, or those of a state.
int SelectByState(SelectWhich which);
// Changes the marks of every item, selected or not ("CheckMoveDown" aside).
int MarkAllItems(MarkChange change);

}  // namespace tessel
