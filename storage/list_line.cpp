#include "storage/list_line.h"

#include "store/cp932.h"

namespace tessel {

void TakeListLine(std::string_view data, std::size_t& position, ListLine& line) {
    line.size = 0;
    line.tabs = 0;
    const std::size_t size = data.size();
    while (position < size) {
        const char b = data[position++];
        if (IsCp932LeadByte(b)) {
            // A double-byte character is kept whole or not at all; a lead
            // byte that ends the data has no second byte and is dropped.
            if (position < size) {
                if (line.size + 2 <= kMaxListLineBytes) {
                    line.bytes[line.size++] = b;
                    line.bytes[line.size++] = data[position];
                }
                ++position;
            }
        } else if (b == '\t') {
            // Only TABs before the text count; a TAB is never stored.
            if (line.size == 0 && line.tabs < kMaxIndent) {
                ++line.tabs;
            }
        } else if (b == '\r' || b == '\n' || b == '\0') {
            if (b == '\r' && position < size && data[position] == '\n') {
                ++position;
            }
            return;
        } else if (line.size < kMaxListLineBytes) {
            line.bytes[line.size++] = b;
        }
    }
}

}  // namespace tessel
