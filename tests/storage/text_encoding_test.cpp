// The data files as a user's editor saves them: which are taken as UTF-8,
// and what UTF-8 becomes on its way to cp932.
#include <string>

#include <gtest/gtest.h>

#include "storage/text_encoding.h"

namespace tessel {
namespace {

// u8 literals stay UTF-8 whatever the compiler's execution character set.
const std::string kList = u8"買い物\r\n□牛乳\r\n\t■パン\r\n";
const std::string kMark = "\xEF\xBB\xBF";

TEST(TextEncoding, WhichFilesAreUtf8) {
    const struct {
        std::string bytes;
        TextEncoding list;
        TextEncoding layout;
    } cases[] = {
        {kList, TextEncoding::Utf8, TextEncoding::Utf8},
        {kMark + kList, TextEncoding::Utf8, TextEncoding::Utf8},
        {kMark + "Shop\r\n", TextEncoding::Utf8, TextEncoding::Utf8},
        // Valid UTF-8 without a marker: for list.txt it may be cp932 names.
        {u8"買い物\r\n", TextEncoding::Cp932, TextEncoding::Utf8},
        {u8"[Font]\r\nList=メイリオ,12,0\r\n", TextEncoding::Cp932, TextEncoding::Utf8},
        // A marker, but one byte breaks UTF-8: cp932 after all.
        {kList + "\xFF", TextEncoding::Cp932, TextEncoding::Cp932},
        // cp932 □牛乳 and half-width kana: not UTF-8.
        {"C\r\n\x81\xA0\x8B\x8D\x93\xFB\r\n", TextEncoding::Cp932, TextEncoding::Cp932},
        {"\xB6\xC0\xB6\xC5\r\n", TextEncoding::Cp932, TextEncoding::Cp932},
        {"Shop\r\n", TextEncoding::Cp932, TextEncoding::Cp932},  // ASCII: the same in both
        {"", TextEncoding::Cp932, TextEncoding::Cp932},
        {"\xFF\xFE\x43", TextEncoding::Utf16, TextEncoding::Utf16},  // C in UTF-16
        {"\xFE\xFF", TextEncoding::Utf16, TextEncoding::Utf16},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ListFileEncoding(c.bytes), c.list) << c.bytes;
        EXPECT_EQ(LayoutFileEncoding(c.bytes), c.layout) << c.bytes;
    }
}

TEST(TextEncoding, StrictUtf8Only) {
    const struct {
        std::string bytes;
        bool valid;
    } cases[] = {
        {u8"aé€😀", true},
        {"\xF4\x8F\xBF\xBF", true},   // U+10FFFF
        {"\xC0\xAF", false},          // overlong "/"
        {"\xF0\x80\x80\xAF", false},  // overlong
        {"\xED\xA0\x80", false},      // a surrogate
        {"\xF4\x90\x80\x80", false},  // above U+10FFFF
        {"\xE3\x81", false},          // cut short
        {"\x80", false},              // a continuation byte alone
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsStrictUtf8(c.bytes), c.valid) << c.bytes;
        std::u16string out = u"x";
        EXPECT_EQ(Utf16FromUtf8ForCp932(c.bytes, out), c.valid) << c.bytes;
        EXPECT_EQ(out.empty(), !c.valid);
    }
}

TEST(TextEncoding, Utf8AsCp932Takes) {
    const struct {
        std::string bytes;
        std::u16string expected;
    } cases[] = {
        {kMark + kList, u"買い物\r\n□牛乳\r\n\t■パン\r\n"},        // the mark is no text
        {u8"a〜‖−¢£¬", u"a\uFF5E\u2225\uFF0D\uFFE0\uFFE1\uFFE2"},  // WAVE DASH as ～...
        {u8"～∥－￠￡￢", u"～∥－￠￡￢"},                         // cp932's own stay
        {u8"é😀", u"é\xD83D\xDE00"},  // letters cp932 lacks stay, for the caller to find
    };
    for (const auto& c : cases) {
        std::u16string out;
        ASSERT_TRUE(Utf16FromUtf8ForCp932(c.bytes, out)) << c.bytes;
        EXPECT_EQ(out, c.expected) << c.bytes;
    }
}

}  // namespace
}  // namespace tessel
