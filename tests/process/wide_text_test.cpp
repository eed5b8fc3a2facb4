// The conversion at the system's edge: cp932 both ways, named explicitly,
// whatever the ANSI code page of the process.
#include <gtest/gtest.h>

#include <windows.h>

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

// Long texts are converted by a table read from the system once: it must
// write what the system writes for every unit of the BMP, and say "lacks"
// where the system puts its "?".
TEST(WideText, Cp932FromWideWritesWhatTheSystemWrites) {
    const auto system = [](const std::wstring& text, bool& lacked) {
        std::string bytes(text.size() * 2 + 1, '\0');
        BOOL lacking = FALSE;
        const int length = WideCharToMultiByte(kTextCodePage, WC_NO_BEST_FIT_CHARS, text.data(),
                                               static_cast<int>(text.size()), bytes.data(),
                                               static_cast<int>(bytes.size()), "?", &lacking);
        bytes.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
        lacked = lacking != FALSE;
        return bytes;
    };
    std::wstring every;
    std::wstring held;
    for (unsigned unit = 0; unit < 0x10000; ++unit) {
        if (unit < 0xd800 || unit > 0xdfff) {
            const std::wstring one(1, static_cast<wchar_t>(unit));
            bool lacked = false;
            system(one, lacked);
            every += one;
            held += lacked ? L"" : one;
        }
    }
    ASSERT_GT(held.size(), 7000u);
    for (const std::wstring& text : {every, held, held + L"\U0001F600"}) {
        bool lackedBySystem = false;
        const std::string expected = system(text, lackedBySystem);
        bool lacked = !lackedBySystem;
        EXPECT_EQ(Cp932FromWide(text, lacked), expected) << text.size();
        EXPECT_EQ(lacked, lackedBySystem) << text.size();
        EXPECT_EQ(Cp932HoldsAll(text), !lackedBySystem) << text.size();
    }
}

// Where cp932 spells a character twice, only the bytes can say which one a
// program meant.
TEST(WideText, Cp932FromWideSpelledOnceStopsAtRepeatedCharacters) {
    std::string bytes;
    bool lacked = false;
    EXPECT_TRUE(Cp932FromWideSpelledOnce(L"\u725b\u4e73 Jos\u00e9", bytes, lacked));
    EXPECT_EQ(bytes, "\x8b\x8d\x93\xfb Jos?");
    EXPECT_TRUE(lacked);
    for (const char* twice :
         {"\xee\xef", "\xfa\x40", "\xed\x40", "\x87\x90", "\x87\x9a", "\x81\x45"}) {
        EXPECT_FALSE(Cp932FromWideSpelledOnce(L"x" + WideFromCp932(twice), bytes, lacked)) << twice;
        EXPECT_EQ(bytes, "");
    }
}

}  // namespace
}  // namespace tessel
