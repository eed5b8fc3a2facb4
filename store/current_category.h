// Which category the list pane shows and where its focus row lands: the one
// routine behind reading list.txt, switching tabs, creating and deleting
// categories, undo, taking up a list changed by another program, and the
// shutdown.
#pragma once

#include "store/list_store.h"

namespace tessel {

// Where the focus row lands in the category made current.
enum class FocusPlacement {
    FirstRow,     // the first row, scrolled to the top: a list just read
    CarriedOver,  // the old focus row, limited to the new list
};

// The focus row carried into a category of itemCount items: the previous
// focus limited to the list, or -1 for an empty list.
int CarriedFocus(int previousFocus, int itemCount);

// Makes the category at index current: recounts the categories, clears the
// selection of the list left (while it is still in the store) and sets the
// current list, its item count, the focus row (selected) and the anchor.
// With no category at all nothing is shown (no list, no focus), and
// currentCategory stays as it is, since system.ini remembers it. 1 when a
// category became current; 0 without categories, or for an index out of
// range, which changes nothing.
int MakeCategoryCurrent(ListStore& store, int index, FocusPlacement placement);

}  // namespace tessel
