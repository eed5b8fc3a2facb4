// The list pane's off-screen image, exactly the client size. WM_PAINT draws
// the list into it and copies the invalid rectangle to the screen.
#pragma once

#include <windows.h>

#include "drawing/offscreen_image_win.h"

namespace tessel {

// The pane's one image.
extern OffscreenImage ListBuffer;

// CreateListBuffer(pane, width, height) -> 1 / 0 (0, without an image, for
// a size of 0 or below); ReleaseListBuffer.
int CreateListBuffer(HWND pane, int width, int height);
void ReleaseListBuffer();

}  // namespace tessel
