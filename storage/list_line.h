// The line rules shared by every reader of item text (list.txt and the
// clipboard): CR LF, lone CR, lone LF and NUL end a line; a line keeps at
// most kMaxListLineBytes in whole cp932 characters (a double-byte character
// that finds no room is dropped, a single byte behind it may still fit); only
// TABs in front of the first stored byte count, as indentation, and a TAB
// is never stored.
#pragma once

#include <cstddef>
#include <string_view>

#include "store/list_store.h"

namespace tessel {

// A line keeps at most this many bytes, marker included.
inline constexpr std::size_t kMaxListLineBytes = 255;

// One line as the readers keep it; a fixed buffer, so reading a line never
// allocates.
struct ListLine {
    ListLine() = default;
    // text may point into bytes: a copy would point into the original.
    ListLine(const ListLine&) = delete;
    ListLine& operator=(const ListLine&) = delete;

    char bytes[kMaxListLineBytes];
    const char* text = bytes;  // the kept bytes: in the data read, or in bytes
    std::size_t size = 0;
    int tabs = 0;  // TABs in front of the first stored byte, capped at kMaxIndent

    std::string_view View() const { return {text, size}; }
};

// Takes the line starting at position into line and moves position past
// the line's end. Never reads at or beyond data.size(); a lead byte that is
// the last byte of data is dropped. A line kept as it stands in data is not
// copied: its view points into data and is valid as long as data is.
void TakeListLine(std::string_view data, std::size_t& position, ListLine& line);

}  // namespace tessel
