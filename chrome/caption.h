// The main window's caption: the current category's name, or the program's
// title when there is no category. The title bar draws it; the taskbar and
// screen readers read it.
#pragma once

#include <cstddef>
#include <string>

namespace tessel {

// A caption keeps at most this many cp932 bytes.
inline constexpr std::size_t kMaxTitleBytes = 255;

extern std::string TitleBuffer;

}  // namespace tessel
