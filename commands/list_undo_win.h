// Undo and redo of the list's changes (Ctrl+Z; Ctrl+Y and Ctrl+Shift+Z):
// the step is taken back or made again in AppHistory, then the window shows
// the category where it happened with the items it touched selected.
#pragma once

namespace tessel {

// true when a step was undone or redone; false when there was none.
bool UndoListChange();
bool RedoListChange();

}  // namespace tessel
