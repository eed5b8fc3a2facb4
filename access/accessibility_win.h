// Screen readers: what the program answers them (WM_GETOBJECT of the main
// window, the list pane and the two edit boxes) and what it tells them
// (NotifyWinEvent after each change that shows). Nothing is made before a
// reader asks: no object until WM_GETOBJECT, no library loaded before then,
// and events only once a reader has read the window they concern.
#pragma once

#include <windows.h>

namespace tessel {

// Fills in the access tables of the frame, the list pane and the edit
// boxes (they sit below and cannot name this floor). Called by start-up
// before the main window is made.
void InstallAccessibility();

}  // namespace tessel
