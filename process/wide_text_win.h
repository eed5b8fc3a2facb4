// Text where it meets the system. The program keeps its text as cp932 bytes
// (list.txt, the store, layout.ini); the system's "W" calls take UTF-16.
// Both ways name code page 932 itself, never the ANSI code page, so that a
// Windows of any language, or one set to UTF-8, reads the same text.
#pragma once

#include <string>
#include <string_view>

namespace tessel {

inline constexpr unsigned kTextCodePage = 932;

// cp932 bytes as UTF-16. A lone lead byte at the end is dropped.
std::wstring WideFromCp932(std::string_view text);
// The same written to out, which holds at least text.size() units (no
// character of cp932 takes more units than bytes), in one pass; the count
// written, no NUL after it.
std::size_t WriteWideFromCp932(std::string_view text, wchar_t* out);
// UTF-16 as cp932 bytes; a character cp932 lacks becomes "?" (never a
// look-alike: "é" is no "e").
std::string Cp932FromWide(std::wstring_view text);
// The same; lacked tells whether a character became "?".
std::string Cp932FromWide(std::wstring_view text, bool& lacked);
// Whether cp932 has every character of text, so that Cp932FromWide puts no
// "?" for any. A character outside the BMP (a surrogate pair) never fits.
bool Cp932HoldsAll(std::wstring_view text);
// Cp932FromWide(text, lacked) into bytes, when these are the only bytes
// that read as text; false (bytes empty) when text holds a character cp932
// spells twice (the NEC and IBM rows repeat some) or the middle dot that
// stands in for bytes it cannot read.
bool Cp932FromWideSpelledOnce(std::wstring_view text, std::string& bytes, bool& lacked);
// text without the characters cp932 lacks.
std::wstring WithoutCharactersCp932Lacks(std::wstring_view text);

}  // namespace tessel
