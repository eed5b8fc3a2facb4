// NOT YET BUILT; see frame_mouse.h.
#include "mainwindow/frame_mouse.h"

namespace tessel {

void OnFrameMouseMove(HWND, int, int) {}
void OnFrameLButtonDown(HWND, int, int) {}
void OnFrameLButtonUp(HWND, int, int) {}
void OnFrameLButtonDblClk(HWND, int, int) {}
void OnFrameRButtonDown(HWND, int, int) {}
void OnFrameRButtonUp(HWND, int, int) {}
void OnFrameMouseWheel(HWND, WPARAM) {}
void OnFrameMouseLeave(HWND) {}
void CancelCategoryDrag(HWND) {}
LRESULT FrameNcHitTest(HWND, LPARAM, LRESULT defaultResult) {
    return defaultResult;
}

}  // namespace tessel
