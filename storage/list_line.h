// The line rules shared by every reader of item text (list.txt and the
// clipboard): CR LF, lone CR, lone LF and NUL end a line; a line keeps at
// most kMaxTextBytes in whole cp932 characters behind a state marker, and
// as many in all without one (a double-byte character that finds no room is
// dropped, a single byte behind it may still fit); only TABs in front of the
// first stored byte count, as indentation, and a TAB is never stored.
#pragma once

#include <cstddef>
#include <string_view>

#include "store/list_store.h"

namespace tessel {

// A line keeps at most this many bytes: a marker and a whole text.
inline constexpr std::size_t kMaxListLineBytes = 2 + kMaxTextBytes;

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
    int tabs = 0;         // TABs in front of the first stored byte, capped at kMaxIndent
    bool deeper = false;  // more TABs stood in front than kMaxIndent
    // Bytes of content were dropped: the end of an over-long line, a TAB
    // behind the first stored byte, a lead byte that ends the data, or the
    // line ended at a NUL (what follows it comes back as a line of its own).
    bool dropped = false;

    std::string_view View() const { return {text, size}; }
};

// Takes the line starting at position into line and moves position past
// the line's end. Never reads at or beyond data.size(); a lead byte that is
// the last byte of data is dropped. A line kept as it stands in data is not
// copied: its view points into data and is valid as long as data is.
void TakeListLine(std::string_view data, std::size_t& position, ListLine& line);

}  // namespace tessel
