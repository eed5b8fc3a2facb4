#include "categorybar/bar_state.h"

namespace tessel {

BarMouseState BarMouse;

}  // namespace tessel
