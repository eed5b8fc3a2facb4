// Where the list pane stands in the main window (chrome/pane_layout.h),
// applied to the pane.
#pragma once

namespace tessel {

// Moves the list pane to its rectangle for the window's size and whether
// the category bar shows; nothing while there is no pane.
void PlaceListPane();

}  // namespace tessel
