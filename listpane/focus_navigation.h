// Moving the focus row with the navigation keys, with Shift extending the
// selection from the anchor.
#pragma once

#include <cstdint>

#include "store/list_store.h"

namespace tessel {

enum class NavigateMode : std::int32_t {
    Up = 0,
    Down = 1,
    PageUp = 2,
    PageDown = 3,
    First = 4,
    Last = 5,
};

// The focus row a key leads to, or -1 when the focus stays where it is.
// rows is the number of whole rows the pane shows; a page moves rows - 1.
int NavigateTarget(int focusIndex, int itemCount, int rows, NavigateMode mode);

// Moves the focus; unless extend is true the anchor follows it. The
// selection becomes the range between anchor and focus. 1 when the focus
// moved.
int MoveFocus(ListStore& store, int rows, NavigateMode mode, bool extend);

}  // namespace tessel
