#include "chrome/caption.h"

#include "process/program_title.h"

namespace tessel {

std::string TitleBuffer = kProgramTitle;

}  // namespace tessel
