// Setting the main window's caption (chrome/caption.h).
#pragma once

#include <string_view>

namespace tessel {

// Keeps text (cp932) as the caption, cut to kMaxTitleBytes, and gives it to
// the window as its text. The title bar is drawn by its caller.
void SetCaption(std::string_view text);

}  // namespace tessel
