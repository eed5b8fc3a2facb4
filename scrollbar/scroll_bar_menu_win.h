// The scroll bar's context menu as a real popup menu.
#pragma once

#include "drawing/gdi_handles_win.h"
#include "scrollbar/scroll_bar_state.h"

namespace tessel {

// Builds the popup menu for the state's orientation and position, greyed
// entries appended with MF_GRAYED. Empty when the system refuses a menu.
MenuHandle BuildScrollBarMenu(const ScrollBarState& state);

}  // namespace tessel
