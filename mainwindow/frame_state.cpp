#include "mainwindow/frame_state.h"

namespace tessel {

std::string TitleBuffer = kProgramTitle;
UINT TaskbarCreatedMessage = 0;
int TrayRetryCount = 0;
BrushHandle EditBrush;
FrameMouseState FrameMouse;

}  // namespace tessel
