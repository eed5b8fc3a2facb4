#include "storage/list_line.h"

#include <cstdint>
#include <cstring>

#include "store/cp932.h"

namespace tessel {
namespace {

// The first byte at or after from that is below 0x0E (the TAB and every
// line end are), or size. Eight bytes at a time where the words' byte
// order allows: a byte below n sets its top bit in (x - n...) & ~x.
std::size_t FindControlByte(const char* bytes, std::size_t from, std::size_t size) {
    std::size_t at = from;
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    constexpr std::uint64_t kEveryByte = 0x0101010101010101ULL;
    constexpr std::uint64_t kTopBits = 0x8080808080808080ULL;
    for (; at + 8 <= size; at += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes + at, sizeof word);
        // The lowest flagged byte is exact; bytes above it may be flagged
        // falsely, and are never looked at.
        const std::uint64_t flagged = (word - kEveryByte * 0x0E) & ~word & kTopBits;
        if (flagged != 0) {
            return at + static_cast<std::size_t>(__builtin_ctzll(flagged) / 8);
        }
    }
#endif
    for (; at < size; ++at) {
        if (static_cast<unsigned char>(bytes[at]) < 0x0E) {
            return at;
        }
    }
    return size;
}

bool EndsLine(char b) {
    return b == '\r' || b == '\n' || b == '\0';
}

// Whether lead and trail are one of the six state markers (0x81 0x9B,
// 0x9C, 0x9E, 0x9F, 0xA0, 0xA1): a line that starts with one keeps a whole
// text behind it.
bool IsMarker(char lead, char trail) {
    const auto t = static_cast<unsigned char>(trail);
    return static_cast<unsigned char>(lead) == 0x81 &&
           (t == 0x9B || t == 0x9C || t == 0x9E || t == 0x9F || t == 0xA0 || t == 0xA1);
}

// The most bytes a line that starts with these size bytes keeps.
std::size_t LineLimit(const char* start, std::size_t size) {
    return size >= 2 && IsMarker(start[0], start[1]) ? kMaxListLineBytes : kMaxTextBytes;
}

// Whether the byte in front of end is the lead byte of a character that
// would take the byte at end along. Read backwards: the run of bytes in the
// lead range in front of end starts behind a character's last byte (or at
// start), so it pairs up from there, and an odd run ends in a lead byte.
bool EndsInLeadByte(const char* bytes, std::size_t start, std::size_t end) {
    std::size_t run = 0;
    while (end - run > start && IsCp932LeadByte(bytes[end - run - 1])) {
        ++run;
    }
    return run % 2 == 1;
}

// Moves at past the line end at at (CR LF counts as one).
void SkipLineEnd(const char* bytes, std::size_t size, std::size_t& at) {
    if (at < size) {
        if (bytes[at] == '\r' && at + 1 < size && bytes[at + 1] == '\n') {
            ++at;
        }
        ++at;
    }
}

// Every rule, byte by byte, copying into line.bytes.
void TakeLineByBytes(const char* bytes, std::size_t size, std::size_t& position, ListLine& line) {
    // Counters live in locals: a store through the char buffer may alias
    // any member, which would reload and store them for every byte.
    std::size_t at = position;
    std::size_t kept = 0;
    std::size_t limit = kMaxTextBytes;
    int tabs = 0;
    bool deeper = false;
    bool dropped = false;
    while (at < size) {
        const char b = bytes[at++];
        if (IsCp932LeadByte(b)) {
            // A double-byte character is kept whole or not at all; a lead
            // byte that ends the data has no second byte and is dropped.
            if (at == size) {
                dropped = true;
            } else {
                if (kept == 0 && IsMarker(b, bytes[at])) {
                    limit = kMaxListLineBytes;
                }
                if (kept + 2 <= limit) {
                    line.bytes[kept] = b;
                    line.bytes[kept + 1] = bytes[at];
                    kept += 2;
                } else {
                    dropped = true;
                }
                ++at;
            }
        } else if (b == '\t') {
            // Only TABs before the text count; a TAB is never stored.
            if (kept != 0) {
                dropped = true;
            } else if (tabs < kMaxIndent) {
                ++tabs;
            } else {
                deeper = true;
            }
        } else if (EndsLine(b)) {
            dropped = dropped || b == '\0';
            SkipLineEnd(bytes, size, --at);
            break;
        } else if (kept < limit) {
            line.bytes[kept++] = b;
        } else {
            dropped = true;
        }
    }
    position = at;
    line.text = line.bytes;
    line.size = kept;
    line.tabs = tabs;
    line.deeper = deeper;
    line.dropped = dropped;
}

}  // namespace

void TakeListLine(std::string_view data, std::size_t& position, ListLine& line) {
    const char* const bytes = data.data();
    const std::size_t size = data.size();
    // Nearly every line is leading TABs, then whole characters without a
    // TAB, short enough to keep: such a line is its own bytes of data, found
    // by a word-wise search for its end, and is not copied. Anything else
    // takes every rule byte by byte.
    std::size_t at = position;
    int tabs = 0;
    while (at < size && bytes[at] == '\t') {
        ++at;
        ++tabs;
    }
    const std::size_t start = at;
    std::size_t end = FindControlByte(bytes, start, size);
    while (end < size && bytes[end] != '\t' && !EndsLine(bytes[end])) {
        end = FindControlByte(bytes, end + 1, size);  // other control bytes are text
    }
    const bool plain = tabs <= kMaxIndent && (end == size || bytes[end] != '\t') &&
                       end - start <= LineLimit(bytes + start, end - start) &&
                       !EndsInLeadByte(bytes, start, end);
    if (!plain) {
        TakeLineByBytes(bytes, size, position, line);
        return;
    }
    line.text = bytes + start;
    line.size = end - start;
    line.tabs = tabs;
    line.deeper = false;
    line.dropped = end < size && bytes[end] == '\0';
    SkipLineEnd(bytes, size, end);
    position = end;
}

}  // namespace tessel
