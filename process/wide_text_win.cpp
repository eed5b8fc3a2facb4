#include "process/wide_text_win.h"

#include <windows.h>

#include <climits>
#include <cstdint>
#include <string_view>
#include <vector>

#include "store/cp932.h"

namespace tessel {

std::size_t WriteWideFromCp932(std::string_view text, wchar_t* out) {
    // A lead byte without its second byte is no character. No line feed is
    // the second byte of a character, so the last line alone tells.
    const std::size_t lastLine = text.rfind('\n') + 1;  // 0 when there is none
    for (std::size_t i = lastLine; i < text.size(); ++i) {
        if (IsCp932LeadByte(text[i]) && ++i == text.size()) {
            text.remove_suffix(1);
        }
    }
    if (text.empty() || text.size() > static_cast<std::size_t>(INT_MAX)) {
        return 0;
    }
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(kTextCodePage, 0, text.data(), size, out, size);
    return length > 0 ? static_cast<std::size_t>(length) : 0;
}

std::wstring WideFromCp932(std::string_view text) {
    std::wstring wide(text.size(), L'\0');
    wide.resize(WriteWideFromCp932(text, wide.data()));
    return wide;
}

std::string Cp932FromWide(std::wstring_view text) {
    bool lacked = false;
    return Cp932FromWide(text, lacked);
}

namespace {

// The system's conversion of text, "?" for what cp932 lacks.
std::string SystemCp932FromWide(std::wstring_view text, bool& lacked) {
    const int size = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(kTextCodePage, WC_NO_BEST_FIT_CHARS, text.data(), size,
                                           nullptr, 0, "?", nullptr);
    if (length <= 0) {
        return std::string();
    }
    std::string bytes(static_cast<std::size_t>(length), '\0');
    BOOL usedDefault = FALSE;
    WideCharToMultiByte(kTextCodePage, WC_NO_BEST_FIT_CHARS, text.data(), size, &bytes[0], length,
                        "?", &usedDefault);
    lacked = usedDefault != FALSE;
    return bytes;
}

// Below this many units the system converts; the table, made on first use
// in a few milliseconds, would only slow the start, a key name or a typed
// character.
constexpr std::size_t kTableWorthItUnits = 4096;

bool IsSurrogate(wchar_t unit) {
    return unit >= 0xd800 && unit <= 0xdfff;
}

// What each UTF-16 unit is written as in cp932, read once from the system's
// own conversion: a paste of 100,000 lines converts millions of units, and
// a look-up does each in a nanosecond where the system call under Wine
// takes several.
class Cp932Table {
  public:
    static const Cp932Table& Get() {
        static const Cp932Table table;
        return table;
    }

    // 0 when cp932 lacks the unit (or it is half a surrogate pair); 0x100
    // plus a single byte; lead byte << 8 | trail byte.
    std::uint16_t Code(wchar_t unit) const { return codes_[static_cast<std::uint16_t>(unit)]; }
    // Whether other bytes than its own code read as the unit too.
    bool SpelledTwice(wchar_t unit) const { return twice_[static_cast<std::uint16_t>(unit)] != 0; }

  private:
    Cp932Table() : codes_(0x10000, 0), twice_(0x10000, 0) {
        ReadCodes();
        ReadSpellings();
    }

    // Every unit but the surrogates, each followed by a line feed, in one
    // call: cp932 writes no line feed inside a character.
    void ReadCodes() {
        std::wstring units;
        for (unsigned unit = 1; unit < 0x10000; ++unit) {
            if (unit != L'\n' && !IsSurrogate(static_cast<wchar_t>(unit))) {
                units += static_cast<wchar_t>(unit);
                units += L'\n';
            }
        }
        bool lacked = false;
        const std::string bytes = SystemCp932FromWide(units, lacked);
        codes_[0] = 0x100;
        codes_[L'\n'] = 0x100 | '\n';
        std::size_t at = 0;
        for (std::size_t i = 0; i < units.size(); i += 2) {
            const std::size_t end = bytes.find('\n', at);
            if (end == std::string::npos) {
                break;  // never: what is not read stays "lacks"
            }
            const std::string_view code(bytes.data() + at, end - at);
            const auto unit = static_cast<std::uint16_t>(units[i]);
            if (code.size() == 1 && (code[0] != '?' || unit == L'?')) {
                codes_[unit] =
                    static_cast<std::uint16_t>(0x100 | static_cast<unsigned char>(code[0]));
            } else if (code.size() == 2) {
                codes_[unit] = static_cast<std::uint16_t>(static_cast<unsigned char>(code[0]) << 8 |
                                                          static_cast<unsigned char>(code[1]));
            }
            at = end + 1;
        }
    }

    // Every single byte and every lead and trail byte pair read back, each
    // followed by a line feed: a unit read from bytes other than its own
    // code is spelled twice (the NEC and IBM rows repeat some characters).
    void ReadSpellings() {
        twice_[0x30fb] = 1;  // the middle dot stands in for bytes that are no character
        std::string bytes;
        for (unsigned lead = 1; lead < 0x100; ++lead) {
            if (lead == '\n') {
                continue;
            }
            if (!IsCp932LeadByte(static_cast<unsigned char>(lead))) {
                bytes += static_cast<char>(lead);
                bytes += '\n';
                continue;
            }
            for (unsigned trail = 0x40; trail <= 0xfc; ++trail) {
                bytes += static_cast<char>(lead);
                bytes += static_cast<char>(trail);
                bytes += '\n';
            }
        }
        const std::wstring units = WideFromCp932(bytes);
        std::size_t at = 0;
        std::size_t from = 0;
        while (from < bytes.size()) {
            const std::size_t byteEnd = bytes.find('\n', from);
            const std::size_t unitEnd = units.find(L'\n', at);
            if (unitEnd == std::wstring::npos) {
                break;
            }
            if (unitEnd == at + 1) {
                const wchar_t unit = units[at];
                const std::uint16_t code = Code(unit);
                const std::string_view spelled(bytes.data() + from, byteEnd - from);
                const bool same = spelled.size() == 1
                                      ? code == (0x100 | static_cast<unsigned char>(spelled[0]))
                                      : code == (static_cast<unsigned char>(spelled[0]) << 8 |
                                                 static_cast<unsigned char>(spelled[1]));
                if (!same) {
                    twice_[static_cast<std::uint16_t>(unit)] = 1;
                }
            }
            at = unitEnd + 1;
            from = byteEnd + 1;
        }
    }

    std::vector<std::uint16_t> codes_;
    std::vector<std::uint8_t> twice_;  // bytes, not bits: read once per unit of a paste
};

// Writes text as cp932 in one pass, "?" for what it lacks; false, with
// bytes left empty, at a unit spelled twice when stopAtTwice.
bool WriteCp932(std::wstring_view text, bool stopAtTwice, std::string& bytes, bool& lacked) {
    lacked = false;
    bytes.clear();
    if (text.empty()) {
        return true;
    }
    if (text.size() > static_cast<std::size_t>(INT_MAX) / 2) {
        return !stopAtTwice;
    }
    if (!stopAtTwice && text.size() < kTableWorthItUnits) {
        bytes = SystemCp932FromWide(text, lacked);
        return true;
    }
    const Cp932Table& table = Cp932Table::Get();
    bytes.resize(text.size() * 2);
    char* out = bytes.data();
    for (const wchar_t unit : text) {
        const std::uint16_t code = table.Code(unit);
        if (stopAtTwice && table.SpelledTwice(unit)) {
            bytes.clear();
            return false;
        }
        if (code == 0) {
            if (IsSurrogate(unit)) {
                // How a pair or half of one is written is the system's to say.
                bytes = SystemCp932FromWide(text, lacked);
                return true;
            }
            *out++ = '?';
            lacked = true;
        } else if (code <= 0x1ff) {
            *out++ = static_cast<char>(code & 0xff);
        } else {
            *out++ = static_cast<char>(code >> 8);
            *out++ = static_cast<char>(code & 0xff);
        }
    }
    bytes.resize(static_cast<std::size_t>(out - bytes.data()));
    return true;
}

}  // namespace

std::string Cp932FromWide(std::wstring_view text, bool& lacked) {
    std::string bytes;
    WriteCp932(text, false, bytes, lacked);
    return bytes;
}

bool Cp932FromWideSpelledOnce(std::wstring_view text, std::string& bytes, bool& lacked) {
    return WriteCp932(text, true, bytes, lacked);
}

bool Cp932HoldsAll(std::wstring_view text) {
    if (text.size() < kTableWorthItUnits) {
        BOOL lacking = FALSE;
        const int length =
            WideCharToMultiByte(kTextCodePage, WC_NO_BEST_FIT_CHARS, text.data(),
                                static_cast<int>(text.size()), nullptr, 0, "?", &lacking);
        return text.empty() || (length > 0 && !lacking);
    }
    const Cp932Table& table = Cp932Table::Get();
    for (const wchar_t unit : text) {
        if (IsSurrogate(unit) || table.Code(unit) == 0) {
            return false;  // cp932 has nothing outside the BMP
        }
    }
    return true;
}

std::wstring WithoutCharactersCp932Lacks(std::wstring_view text) {
    std::wstring kept;
    kept.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool pair =
            IS_HIGH_SURROGATE(text[i]) && i + 1 < text.size() && IS_LOW_SURROGATE(text[i + 1]);
        if (pair) {
            ++i;  // outside the BMP: cp932 has nothing there
        } else if (Cp932HoldsAll(text.substr(i, 1))) {
            kept += text[i];
        }
    }
    return kept;
}

}  // namespace tessel
