// The entries of the scroll bar's context menu: ids, texts for either
// orientation, and which of them are greyed for the current position.
#pragma once

#include <array>

#include "scrollbar/scroll_bar_state.h"

namespace tessel {

// Menu ids. kScrollMenuJump moves the thumb under the point where the menu
// was opened; the others are scroll requests.
inline constexpr int kScrollMenuJump = 1;
inline constexpr int kScrollMenuTop = 2;
inline constexpr int kScrollMenuBottom = 3;
inline constexpr int kScrollMenuPageUp = 4;
inline constexpr int kScrollMenuPageDown = 5;
inline constexpr int kScrollMenuLineUp = 6;
inline constexpr int kScrollMenuLineDown = 7;

struct ScrollMenuEntry {
    int id = 0;                  // 0: a separator
    const char* text = nullptr;  // cp932; null for a separator
    bool greyed = false;
};

inline constexpr std::size_t kScrollMenuEntryCount = 10;

// The entries in menu order, for the state's orientation and position.
std::array<ScrollMenuEntry, kScrollMenuEntryCount> ScrollMenuEntries(const ScrollBarState& state);

// The scroll request a menu id stands for; kNoScrollCode for the jump and
// for unknown ids (a cancelled menu answers 0).
int ScrollMenuRequest(int id);

}  // namespace tessel
