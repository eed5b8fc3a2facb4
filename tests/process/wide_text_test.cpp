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

// Only a lead byte that ends the last line lacks its partner: no line feed
// is the second byte of a character, so the lines before need no reading.
TEST(WideText, OneLeadByteAtTheVeryEndIsDropped) {
    struct Case {
        std::string cp932;
        std::wstring wide;
    } cases[] = {
        {"\x82\xa0\r\n\x82", L"\u3042\r\n"}, {"x\n\x82\xa0\x82\xa0", L"x\n\u3042\u3042"},
        {"a\n\x81\x81", L"a\n\uff1d"},  // the last 0x81 is a second byte
        {"\x81\x81\x81", L"\uff1d"},         {"\n\x81", L"\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WideFromCp932(c.cp932), c.wide) << c.cp932;
        // Written in place: never more units than bytes, nothing after them.
        std::wstring out(c.cp932.size() + 1, L'#');
        const std::size_t count = WriteWideFromCp932(c.cp932, out.data());
        EXPECT_EQ(out.substr(0, count), c.wide) << c.cp932;
        EXPECT_EQ(out.substr(count), std::wstring(out.size() - count, L'#')) << c.cp932;
    }
}

}  // namespace
}  // namespace tessel
