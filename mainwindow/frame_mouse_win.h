// The mouse on the borderless main window: it moves the window by its title
// bar, resizes it from its borders by hand, runs the close button, and turns
// clicks on the category bar into selecting, scrolling, renaming and
// dragging categories. The state lives in FrameMouse (frame_state.h), where
// the bar drawing reads it. Points are client coordinates.
#pragma once

#include <windows.h>

namespace tessel {

void OnFrameMouseMove(HWND window, int x, int y);
void OnFrameLButtonDown(HWND window, int x, int y);
void OnFrameLButtonUp(HWND window, int x, int y);
void OnFrameLButtonDblClk(HWND window, int x, int y);
void OnFrameRButtonDown(HWND window, int x, int y);
void OnFrameRButtonUp(HWND window, int x, int y);
// Scrolls the strip while a tab is dragged; otherwise nothing.
void OnFrameMouseWheel(HWND window, WPARAM wParam);
// Posted by the hover timer once the mouse has left the window.
void OnFrameMouseLeave(HWND window);
// What a click on the close button does: in tray mode the window hides and
// the list is saved, otherwise the program exits.
void ClickCloseButton(HWND window);
// Esc while a category is dragged: the drag is cancelled, the order kept.
void CancelCategoryDrag(HWND window);
// WM_NCHITTEST in tray mode, where the system resizes the window: the
// border zones' hit-test codes. Answers defaultResult where no zone applies.
LRESULT FrameNcHitTest(HWND window, LPARAM lParam, LRESULT defaultResult);
// WM_SETCURSOR: over a border zone that resizes by hand the zone's cursor
// is set and true answered, so that the class's arrow does not flicker in
// between; false leaves the message to the default handling.
bool FrameSetCursor(HWND window, WPARAM wParam, LPARAM lParam);

}  // namespace tessel
