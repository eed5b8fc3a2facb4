// NOT YET BUILT: showing, hiding and maximising the main window, and the
// switch between tray mode and taskbar mode. The dispatcher already calls
// these; until their own change they do nothing.
#pragma once

namespace tessel {

// Shows, restores and activates the main window; 1.
int ShowMainWindow();
// Hides the main window to the tray, or minimises it; 1.
int HideMainWindow();
// Maximises the window onto the work area, or restores it; 1.
int ToggleMaximised();
// Switches "TaskTray" and the window styles that go with it; 1.
int ToggleTrayMode();

}  // namespace tessel
