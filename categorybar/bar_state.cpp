#include "categorybar/bar_state.h"

#include "process/program_title.h"

namespace tessel {

std::string TitleBuffer = kProgramTitle;
BarMouseState BarMouse;

}  // namespace tessel
