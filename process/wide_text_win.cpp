#include "process/wide_text_win.h"

#include <windows.h>

#include <climits>

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

std::string Cp932FromWide(std::wstring_view text, bool& lacked) {
    lacked = false;
    if (text.empty() || text.size() > static_cast<std::size_t>(INT_MAX)) {
        return std::string();
    }
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

bool Cp932HoldsAll(std::wstring_view text) {
    if (text.empty()) {
        return true;
    }
    if (text.size() > static_cast<std::size_t>(INT_MAX)) {
        return false;
    }
    BOOL lacking = FALSE;
    const int length =
        WideCharToMultiByte(kTextCodePage, WC_NO_BEST_FIT_CHARS, text.data(),
                            static_cast<int>(text.size()), nullptr, 0, "?", &lacking);
    return length > 0 && !lacking;
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
