#include "store/cp932.h"

namespace tessel {

std::string_view Cp932Prefix(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes) {
        return text;  // nothing to cut, so no boundary to find
    }
    // Character boundaries are only known from the start: a trail byte can
    // take any lead-byte value, so the text is walked character by character.
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t step = IsCp932LeadByte(text[end]) && end + 1 < text.size() ? 2 : 1;
        if (end + step > maxBytes) {
            break;
        }
        end += step;
    }
    return text.substr(0, end);
}

}  // namespace tessel
