// The position steps of the scroll bar: line, page, top and bottom.
#pragma once

#include "scrollbar/scroll_bar_state.h"

namespace tessel {

// Applies the step of a scroll code (line up/down, page up/down, top,
// bottom) to pos. Every step counts as a change, so that every request is
// reported; false only for codes that are not steps (nothing happens then).
bool ApplyScrollStep(ScrollBarState& state, int code);

}  // namespace tessel
