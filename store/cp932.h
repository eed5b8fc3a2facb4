// cp932 (Shift-JIS) byte helpers for portable code. Windows code may use
// IsDBCSLeadByte instead; both agree for code page 932.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tessel {

// True for the bytes that begin a two-byte character: 0x81-0x9F and 0xE0-0xFC.
constexpr bool IsCp932LeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
constexpr bool IsCp932LeadByte(char b) {
    return IsCp932LeadByte(static_cast<unsigned char>(b));
}

// The longest prefix of text that is at most maxBytes long and does not end
// in the middle of a two-byte character.
std::string_view Cp932Prefix(std::string_view text, std::size_t maxBytes);

}  // namespace tessel
