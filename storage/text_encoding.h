// The encodings a user's editor may save the data files in. The program
// keeps and writes cp932; a file saved as UTF-8 is taken as UTF-8 and
// brought to cp932 on reading, and one saved as UTF-16 is not read.
#pragma once

#include <string>
#include <string_view>

namespace tessel {

enum class TextEncoding {
    Cp932,
    Utf8,
    Utf16,  // FF FE or FE FF in front: not read
};

// list.txt: UTF-8 when it starts with the UTF-8 byte-order mark, or when
// the whole file is strictly valid UTF-8 and holds a state marker
// (□■◇◆○●) in UTF-8. cp932 Japanese is almost never valid UTF-8, and the
// markers rule out a list of half-width kana names that happens to be.
TextEncoding ListFileEncoding(std::string_view bytes);
// layout.ini: UTF-8 with the mark, or when the whole file is valid UTF-8
// with some byte above 0x7F (an ASCII file is the same in both).
TextEncoding LayoutFileEncoding(std::string_view bytes);

// Whether bytes are UTF-8 as the standard has it: no overlong form, no
// surrogate, nothing above U+10FFFF, no sequence cut short.
bool IsStrictUtf8(std::string_view bytes);

// UTF-8 (a byte-order mark in front skipped) as UTF-16, the forms that
// cp932 keeps under other code points taken as cp932's own: U+301C as
// U+FF5E, U+2016 as U+2225, U+2212 as U+FF0D, U+00A2 as U+FFE0, U+00A3 as
// U+FFE1, U+00AC as U+FFE2, as text from a Mac or the web has them. false
// (out empty) when bytes are not strictly valid UTF-8.
bool Utf16FromUtf8ForCp932(std::string_view bytes, std::u16string& out);

}  // namespace tessel
