#include "mainwindow/frame_state_win.h"

namespace tessel {

UINT TaskbarCreatedMessage = 0;
int TrayRetryCount = 0;
BrushHandle EditBrush;
IconHandle WindowSmallIcon;
IconHandle WindowLargeIcon;
FrameMouseState FrameMouse;

}  // namespace tessel
