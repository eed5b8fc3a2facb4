// NOT YET BUILT: the mouse on the main window (moving and resizing it by
// hand, the close button, selecting, scrolling, renaming and dragging
// categories). The window procedure already routes every mouse message
// here; until the mouse handling's own change each handler does nothing.
// Points are client coordinates.
#pragma once

#include <windows.h>

namespace tessel {

void OnFrameMouseMove(HWND window, int x, int y);
void OnFrameLButtonDown(HWND window, int x, int y);
void OnFrameLButtonUp(HWND window, int x, int y);
void OnFrameLButtonDblClk(HWND window, int x, int y);
void OnFrameRButtonDown(HWND window, int x, int y);
void OnFrameRButtonUp(HWND window, int x, int y);
void OnFrameMouseWheel(HWND window, WPARAM wParam);
void OnFrameMouseLeave(HWND window);
// Esc while a category is dragged: the drag is cancelled.
void CancelCategoryDrag(HWND window);
// WM_NCHITTEST in tray mode, where the system resizes the window: the
// border zones' hit-test codes. Answers defaultResult where no zone applies.
LRESULT FrameNcHitTest(HWND window, LPARAM lParam, LRESULT defaultResult);

}  // namespace tessel
