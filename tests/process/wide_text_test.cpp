// The conversion at the system's edge: cp932 both ways, named explicitly,
// whatever the ANSI code page of the process.
#include <gtest/gtest.h>

#include <string>

#include "process/wide_text_win.h"

namespace tessel {
namespace {

TEST(WideText, Cp932RoundTripsAndLacksBecomeQuestionMarks) {
    struct Case {
        std::string cp932;
        std::wstring wide;
    } cases[] = {
        {"", L""},
        {"plain", L"plain"},
        {"\x81\xa0\x8b\x8d\x93\xfb", L"\u25a1\u725b\u4e73"},        // □牛乳
        {"\x82\xc4\x82\xc1\xb1\xb2", L"\u3066\u3063\uff71\uff72"},  // てっｱｲ (half-width kana)
        {"\x5c\x7e", L"\\~"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WideFromCp932(c.cp932), c.wide) << c.cp932;
        EXPECT_EQ(Cp932FromWide(c.wide), c.cp932) << c.cp932;
    }
    // Lacking letters are "?", never a look-alike.
    EXPECT_EQ(Cp932FromWide(L"Jos\u00e9-\u00f8"), "Jos?-?");
    EXPECT_EQ(Cp932FromWide(L"a\uac00b"), "a?b");
    EXPECT_EQ(WideFromCp932("ab\x82"), L"ab");  // a lone lead byte at the end
    EXPECT_EQ(WideFromCp932(std::string(253, 'x') + "\x82\xa0"),
              std::wstring(253, L'x') + L"\u3042");
}

}  // namespace
}  // namespace tessel
