#include "clipboard/clipboard_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/listpane/list_fixture.h"

namespace tessel {
namespace {

using test::MakeItem;
using test::TestList;

// The cp932 markers.
constexpr char kWhite[] = "\x81\xA0";        // □
constexpr char kBlackCircle[] = "\x81\x9C";  // ●
constexpr char kBlack[] = "\x81\xA1";        // ■

std::string CopyText(const ItemList& items, MarkerUse markers) {
    std::string out(CopyTextSize(items, markers), 'X');
    WriteCopyText(items, markers, out.data());
    // Exactly the needed size: the NUL is the last byte and the only one.
    EXPECT_EQ(out.find('\0'), out.size() - 1);
    out.pop_back();
    return out;
}

// "indent:state:text" per item, joined by "|".
std::string Describe(const std::vector<Item>& items) {
    std::string out;
    for (const Item& item : items) {
        out += (out.empty() ? "" : "|") + std::to_string(item.indent) + ":" +
               std::to_string(static_cast<int>(item.state)) + ":" + item.text;
    }
    return out;
}

std::string Parse(const std::string& text, int separatorLength = 3) {
    std::vector<Item> items;
    EXPECT_TRUE(ParseClipboardItems(text, separatorLength, items));
    for (const Item& item : items) {
        EXPECT_TRUE(item.selected);
    }
    return Describe(items);
}

TEST(CopyText, LinesOfTheSelectedItems) {
    const ItemList items{
        MakeItem("abc", ItemState::BoldChecked, 2, true),
        MakeItem("skipped", ItemState::Normal, 0, false),
        MakeItem("----", ItemState::Separator, 1, true),
        MakeItem("x", ItemState::NormalChecked, 0, true),
    };
    EXPECT_EQ(CopyText(items, MarkerUse::With), std::string("\t\t") + kBlackCircle + "abc\r\n\t" +
                                                    kWhite + "----\r\n" + kBlack + "x");
    EXPECT_EQ(CopyText(items, MarkerUse::TextOnly), "\t\tabc\r\n\t----\r\nx");
}

TEST(CopyText, NothingSelectedIsAnEmptyText) {
    const ItemList items{MakeItem("a"), MakeItem("b")};
    EXPECT_EQ(CopyTextSize(items, MarkerUse::With), 1u);
    EXPECT_EQ(CopyText(items, MarkerUse::With), "");
}

TEST(CopyText, IndentIsWrittenWithinRange) {
    const ItemList items{MakeItem("a", ItemState::Normal, 150, true),
                         MakeItem("b", ItemState::Normal, -3, true)};
    EXPECT_EQ(CopyText(items, MarkerUse::TextOnly), std::string(100, '\t') + "a\r\nb");
}

TEST(ParseClipboard, LineRules) {
    struct Case {
        std::string text;
        std::string expected;
    } cases[] = {
        {"abc\r\n\r\ndef", "0:0:abc|0:0:def"},
        {"abc\ndef\n", "0:0:abc|0:0:def"},
        {"abc\rdef\r", "0:0:abc|0:0:def"},
        {"\t\t\r\n\t\n", ""},
        {"a\tb", "0:0:ab"},
        {std::string("\t\t") + kBlackCircle + "abc", "2:5:abc"},
        {std::string(kBlack) + "\tx", "0:1:x"},
        {std::string(150, '\t') + "x", "100:0:x"},
        {kWhite, "0:0:"},
        {std::string(kBlack) + "-----", "0:6:---"},
        {"\t-", "1:6:---"},
        {std::string(kWhite) + "--a", "0:0:--a"},
        {std::string(300, 'y'), "0:0:" + std::string(255, 'y')},
        {std::string(254, 'y') + "\x82\xA0z", "0:0:" + std::string(254, 'y') + "z"},
        {"ab\x82", "0:0:ab"},
        {"\x82", ""},
        // UTF-16 made cp932: what cp932 lacks is a "?", and stays text,
        // never a state marker or a separator.
        {"?abc\r\n\t?", "0:0:?abc|1:0:?"},
        {"???\r\n?-", "0:0:???|0:0:?-"},
        {std::string(kWhite) + "\x8b\x8d\x93\xfb\r\nJos?", "0:0:\x8b\x8d\x93\xfb|0:0:Jos?"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Parse(c.text), c.expected) << c.text;
    }
    EXPECT_EQ(Parse("-", 0), "0:6:");
}

TEST(ParseClipboard, CopyThenParseReproducesTheItems) {
    ItemList items;
    const ItemState states[] = {
        ItemState::Normal, ItemState::NormalChecked, ItemState::Strike,   ItemState::StrikeChecked,
        ItemState::Bold,   ItemState::BoldChecked,   ItemState::Separator};
    int indent = 0;
    for (ItemState state : states) {
        std::string text =
            state == ItemState::Separator ? "---" : "t\x82\xA0" + std::to_string(indent);
        items.push_back(MakeItem(text, state, indent++ * 16, true));
    }
    items.push_back(MakeItem(std::string(253, 'z'), ItemState::Normal, 0, true));
    EXPECT_EQ(Parse(CopyText(items, MarkerUse::With)), Describe(items));
}

// A block from another program: its text ends at the first NUL or the
// block's end, whichever comes first; a block of no known size at its NUL.
// Each block is its own allocation of exactly its size, so that a read past
// it is caught by the address sanitizer too.
TEST(ClipboardBlock, TextEndsAtTheNulOrTheBlock) {
    struct Case {
        std::string bytes;
        std::size_t blockBytes;
        std::string expected;
    } narrow[] = {
        {std::string("ab\0cd", 5), 5, "ab"},
        {"abcd", 4, "abcd"},
        {std::string("abc\0", 4), 0, "abc"},
        {std::string(1, '\0'), 1, ""},
        {"abcd", 2, "ab"},
    };
    for (const Case& c : narrow) {
        const std::vector<char> block(c.bytes.begin(), c.bytes.end());
        EXPECT_EQ(ClipboardBlockText(block.data(), c.blockBytes), c.expected) << c.expected;
    }
    struct WideCase {
        std::u16string units;
        std::size_t blockBytes;
        std::u16string expected;
    } wide[] = {
        {std::u16string(u"ab\0cd", 5), 10, u"ab"},
        {u"abcd", 8, u"abcd"},
        {u"abcd", 7, u"abc"},  // half a unit is none
        {std::u16string(u"\u725b\0", 2), 0, u"\u725b"},
        {std::u16string(1, u'\0'), 2, u""},
        {u"a", 1, u""},
    };
    for (const WideCase& c : wide) {
        const std::vector<char16_t> block(c.units.begin(), c.units.end());
        EXPECT_EQ(ClipboardBlockText(block.data(), c.blockBytes), c.expected) << c.blockBytes;
    }
}

// The lines a paste tells of: cut at 255 bytes, or marked as having had
// characters replaced; a TAB inside a line, a line end, an empty line and
// half a character at the very end are no loss.
TEST(AlteredPasteLines, CutOrReplacedLinesCount) {
    const std::string longLine(300, 'a');
    const struct {
        std::string text;
        std::vector<bool> replaced;
        int altered;
    } cases[] = {
        {"abc\r\n\r\ndef\n", {}, 0},
        {"\t\ta\tb\rc", {}, 0},
        {std::string(255, 'a') + "\r\n\t" + std::string(255, 'b'), {}, 0},
        {longLine, {}, 1},
        {"x\r\n" + longLine + "\r\nz\r\n", {}, 1},
        {"cd\x8b", {}, 0},
        {"x\r\ny\r\n\r\nz", {false, true, false, true}, 2},
        {longLine + "\ny", {true, true}, 2},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CountAlteredPasteLines(c.text, c.replaced), c.altered) << c.text.substr(0, 20);
    }
}

TEST(PastePosition, ByDigitAndReference) {
    struct Case {
        int reference, digit, itemCount, expected;
    } cases[] = {
        {1, 1, 5, 1},  {1, 2, 5, 2},  {1, 3, 5, 5}, {1, 0, 5, 0}, {1, 7, 5, 0},
        {-1, 1, 5, 0}, {-1, 3, 5, 0}, {4, 2, 5, 5}, {9, 1, 5, 5}, {0, 2, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PastePosition(c.reference, c.digit, c.itemCount), c.expected)
            << c.reference << " " << c.digit;
    }
}

TEST(PasteText, InsertsTheBlockAsTheSelection) {
    struct Case {
        int digit, reference;
        const char* texts;
        int focus;
        const char* selected;
    } cases[] = {
        {1, 1, "a x y b c", 1, "1 2"},  {2, 1, "a b x y c", 2, "2 3"},
        {3, 1, "a b c x y", 3, "3 4"},  {0, 1, "x y a b c", 0, "0 1"},
        {2, -1, "x y a b c", 0, "0 1"},
    };
    for (const Case& c : cases) {
        TestList list("a b c");
        list.Select({0, 2});
        ASSERT_EQ(PasteText(list.store, "x\r\ny", c.reference, c.digit, 40), 1);
        EXPECT_EQ(list.Texts(), c.texts) << c.digit;
        EXPECT_EQ(list.store.itemCount, 5);
        EXPECT_EQ(list.store.focusIndex, c.focus);
        EXPECT_EQ(list.store.anchorIndex, c.focus);
        EXPECT_EQ(list.Selected(), c.selected);
    }
}

// Nothing pasted: the focus ends on a row that exists, as the only selection.
TEST(PasteText, NothingInsertedKeepsTheFocusOnARealRow) {
    struct Case {
        const char* words;
        int digit, reference, focus;
        const char* selected;
    } cases[] = {
        {"a b c", 1, 1, 1, "1"}, {"a b c", 2, 1, 2, "2"}, {"a b c", 2, 2, 2, "2"},
        {"a b c", 3, 0, 2, "2"}, {"a b c", 0, 2, 0, "0"}, {"", 3, -1, -1, ""},
        {"", 2, 0, -1, ""},
    };
    for (const Case& c : cases) {
        TestList list(c.words);
        ASSERT_EQ(PasteText(list.store, "\t\r\n\n", c.reference, c.digit, 40), 1);
        EXPECT_EQ(list.Texts(), c.words);
        EXPECT_EQ(list.store.focusIndex, c.focus) << c.words << c.digit << c.reference;
        EXPECT_EQ(list.store.anchorIndex, c.focus);
        EXPECT_EQ(list.Selected(), c.selected);
    }
}

TEST(PasteText, RefusedWithoutACurrentCategory) {
    ListStore store;
    EXPECT_EQ(PasteText(store, "x", 0, 1, 40), 0);
}

}  // namespace
}  // namespace tessel
