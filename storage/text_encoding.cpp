#include "storage/text_encoding.h"

#include <cstdint>

namespace tessel {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

bool StartsWith(std::string_view bytes, std::string_view start) {
    return bytes.substr(0, start.size()) == start;
}

bool IsUtf16Marked(std::string_view bytes) {
    return StartsWith(bytes, "\xFF\xFE") || StartsWith(bytes, "\xFE\xFF");
}

// Decodes the character at at and moves at past it; false when the bytes
// there are no strict UTF-8.
bool TakeCodePoint(std::string_view bytes, std::size_t& at, char32_t& code) {
    const auto lead = static_cast<unsigned char>(bytes[at]);
    if (lead < 0x80) {
        code = lead;
        ++at;
        return true;
    }
    std::size_t length = 0;
    char32_t least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        least = 0x80;
        code = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        least = 0x800;
        code = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        least = 0x10000;
        code = lead & 0x07u;
    } else {
        return false;  // a continuation byte, C0, C1 or F5 and above
    }
    if (bytes.size() - at < length) {
        return false;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(bytes[at + i]);
        if ((next & 0xC0u) != 0x80u) {
            return false;
        }
        code = (code << 6) | (next & 0x3Fu);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return false;
    }
    at += length;
    return true;
}

// The code point cp932 keeps a character under, where that differs.
char32_t Cp932Form(char32_t code) {
    switch (code) {
        case 0x301C:  // WAVE DASH
            return 0xFF5E;
        case 0x2016:  // DOUBLE VERTICAL LINE
            return 0x2225;
        case 0x2212:  // MINUS SIGN
            return 0xFF0D;
        case 0x00A2:  // CENT SIGN
            return 0xFFE0;
        case 0x00A3:  // POUND SIGN
            return 0xFFE1;
        case 0x00AC:  // NOT SIGN
            return 0xFFE2;
        default:
            return code;
    }
}

bool HasHighByte(std::string_view bytes) {
    for (const char b : bytes) {
        if (static_cast<unsigned char>(b) >= 0x80) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool IsStrictUtf8(std::string_view bytes) {
    char32_t code = 0;
    for (std::size_t at = 0; at < bytes.size();) {
        if (!TakeCodePoint(bytes, at, code)) {
            return false;
        }
    }
    return true;
}

TextEncoding ListFileEncoding(std::string_view bytes) {
    if (IsUtf16Marked(bytes)) {
        return TextEncoding::Utf16;
    }
    if (StartsWith(bytes, kUtf8Mark)) {
        return TextEncoding::Utf8;
    }
    // □ ■ ◇ ◆ ○ ● in UTF-8.
    constexpr std::string_view kMarkers[] = {"\xE2\x96\xA1", "\xE2\x96\xA0", "\xE2\x97\x87",
                                             "\xE2\x97\x86", "\xE2\x97\x8B", "\xE2\x97\x8F"};
    bool marked = false;
    for (const std::string_view marker : kMarkers) {
        marked = marked || bytes.find(marker) != std::string_view::npos;
    }
    return marked && IsStrictUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Cp932;
}

TextEncoding LayoutFileEncoding(std::string_view bytes) {
    if (IsUtf16Marked(bytes)) {
        return TextEncoding::Utf16;
    }
    if (StartsWith(bytes, kUtf8Mark) || (HasHighByte(bytes) && IsStrictUtf8(bytes))) {
        return TextEncoding::Utf8;
    }
    return TextEncoding::Cp932;
}

bool Utf16FromUtf8ForCp932(std::string_view bytes, std::u16string& out) {
    out.clear();
    if (StartsWith(bytes, kUtf8Mark)) {
        bytes.remove_prefix(kUtf8Mark.size());
    }
    out.reserve(bytes.size());
    char32_t code = 0;
    for (std::size_t at = 0; at < bytes.size();) {
        if (!TakeCodePoint(bytes, at, code)) {
            out.clear();
            return false;
        }
        code = Cp932Form(code);
        if (code >= 0x10000) {
            code -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (code >> 10));
            out += static_cast<char16_t>(0xDC00 + (code & 0x3FFu));
        } else {
            out += static_cast<char16_t>(code);
        }
    }
    return true;
}

}  // namespace tessel
