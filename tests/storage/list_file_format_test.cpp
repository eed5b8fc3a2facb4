#include <new>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "storage/list_file_format.h"

namespace tessel {
namespace {

// The markers as bytes, to build lines with.
const std::string kBox = "□";           // Normal
const std::string kBlackBox = "■";      // NormalChecked
const std::string kDiamond = "◇";       // Strike
const std::string kBlackDiamond = "◆";  // StrikeChecked
const std::string kCircle = "○";        // Bold
const std::string kBlackCircle = "●";   // BoldChecked

// A name's width: 7 pixels a byte.
int Measure(std::string_view name) {
    return static_cast<int>(name.size()) * 7;
}

struct Loaded {
    ListStore store;
    int result = 0;
};

std::unique_ptr<Loaded> Load(const std::string& bytes, int separatorLength = 40,
                             int categoryIndex = 0) {
    auto loaded = std::make_unique<Loaded>();
    loaded->store.currentCategory = categoryIndex;
    loaded->result = ParseListFile(bytes, loaded->store, separatorLength, 5, Measure);
    return loaded;
}

std::vector<std::string> Names(const ListStore& store) {
    std::vector<std::string> names;
    CategoryInfo info;
    for (int i = 0; store.GetCategory(i, info); ++i) {
        names.push_back(info.name);
    }
    return names;
}

const ItemList& ItemsOf(ListStore& store, int category) {
    static const ItemList kNone;
    const ItemList* items = store.FindCategoryItems(category);
    return items ? *items : kNone;
}

// The example list: two categories with a few items of every kind.
const std::string kExample = "買い物\r\n" + kBox + "牛乳\r\n\t" + kBlackBox +
                             "パン\r\n\r\n仕事\r\n" + kDiamond + "------\r\n" + kBlackCircle +
                             "報告書\r\n";
// The same as the writer puts it: a separator is always written with "□".
const std::string kWrittenExample = "買い物\r\n" + kBox + "牛乳\r\n\t" + kBlackBox +
                                    "パン\r\n\r\n仕事\r\n" + kBox + "------\r\n" + kBlackCircle +
                                    "報告書\r\n";

TEST(ListFileReadTest, ReadsTheExample) {
    auto loaded = Load(kExample, 40, 1);
    ListStore& store = loaded->store;
    EXPECT_EQ(loaded->result, 1);
    EXPECT_EQ(Names(store), (std::vector<std::string>{"買い物", "仕事"}));
    const ItemList& first = ItemsOf(store, 0);
    ASSERT_EQ(first.size(), 2u);
    EXPECT_EQ(first[0].text, "牛乳");
    EXPECT_EQ(first[0].state, ItemState::Normal);
    EXPECT_EQ(first[0].indent, 0);
    EXPECT_EQ(first[1].text, "パン");
    EXPECT_EQ(first[1].state, ItemState::NormalChecked);
    EXPECT_EQ(first[1].indent, 1);
    const ItemList& second = ItemsOf(store, 1);
    ASSERT_EQ(second.size(), 2u);
    EXPECT_EQ(second[0].state, ItemState::Separator);
    EXPECT_EQ(second[0].text, std::string(40, '-'));
    EXPECT_EQ(second[1].state, ItemState::BoldChecked);
    EXPECT_EQ(second[1].text, "報告書");

    CategoryInfo info;
    ASSERT_EQ(store.GetCategory(0, info), 1);
    EXPECT_EQ(info.nameWidth, 6 * 7);
    EXPECT_EQ(store.totalTabWidth, (6 + 4) * 7 + 2 * 2 * 5);
    EXPECT_EQ(store.categoryCount, 2);
    EXPECT_EQ(store.currentCategory, 1);
    EXPECT_EQ(store.currentItems, store.FindCategoryItems(1));
    EXPECT_EQ(store.itemCount, 2);
    EXPECT_EQ(store.focusIndex, 0);
    EXPECT_EQ(store.anchorIndex, 0);
    EXPECT_TRUE(second[0].selected);
    EXPECT_FALSE(second[1].selected);
    EXPECT_FALSE(first[0].selected);
}

TEST(ListFileReadTest, LineEnds) {
    const std::string crlf = "A\r\n" + kBox + "x\r\n" + kBox + "y\r\n\r\nB\r\n" + kBox + "z\r\n";
    std::string lf = crlf;
    std::string cr = crlf;
    for (std::size_t at; (at = lf.find("\r\n")) != std::string::npos;) {
        lf.replace(at, 2, "\n");
        cr.replace(at, 2, "\r");
    }
    const std::string expected = FormatListFile(Load(crlf)->store);
    EXPECT_EQ(expected, crlf);
    EXPECT_EQ(FormatListFile(Load(lf)->store), expected);
    EXPECT_EQ(FormatListFile(Load(cr)->store), expected);
    // NUL ends a line too; a last line needs no end at all.
    EXPECT_EQ(FormatListFile(Load(std::string("A\0", 2) + kBox + "x\n" + kBox + "y\r\n\n\r\n\r" +
                                  "B\r\n" + kBox + "z")
                                 ->store),
              expected);
    // CR LF CR LF is one line end and an empty line; TAB-only lines are empty.
    EXPECT_EQ(FormatListFile(Load("A\r\n\r\n\t\t\r\n" + kBox + "x\r\n\r\n\r\n" + kBox +
                                  "y\r\nB\r\n" + kBox + "z\r\n")
                                 ->store),
              expected);
}

TEST(ListFileReadTest, IndentAndTabs) {
    auto loaded = Load("C\r\n\t\t\t" + kBox + "a\r\n" + std::string(150, '\t') + kBox + "b\r\n" +
                       kBox + "x\ty\r\n" + kBox + "\tz\r\n\t\t" + kCircle + "\t\r\n");
    const ItemList& items = ItemsOf(loaded->store, 0);
    ASSERT_EQ(items.size(), 5u);
    EXPECT_EQ(items[0].indent, 3);
    EXPECT_EQ(items[0].text, "a");
    EXPECT_EQ(items[1].indent, 100);
    EXPECT_EQ(items[2].text, "xy");  // a TAB in the text is dropped
    EXPECT_EQ(items[2].indent, 0);
    EXPECT_EQ(items[3].text, "z");  // and behind the marker does not indent
    EXPECT_EQ(items[3].indent, 0);
    EXPECT_EQ(items[4].text, "");
    EXPECT_EQ(items[4].state, ItemState::Bold);
    EXPECT_EQ(items[4].indent, 2);
    // Leading TABs of a category line are dropped with their count.
    EXPECT_EQ(Names(Load("\t\tName\r\n")->store), (std::vector<std::string>{"Name"}));
}

TEST(ListFileReadTest, MarkersAndSeparators) {
    auto loaded =
        Load("C\r\n" + kBlackCircle + "----\r\n" + kBox + "\r\n" + kBox + "--a\r\n" + kDiamond +
                 "s\r\n" + kBlackDiamond + "t\r\n" + kCircle + "u\r\n" + kBlackBox + "-\r\n",
             12);
    const ItemList& items = ItemsOf(loaded->store, 0);
    ASSERT_EQ(items.size(), 7u);
    EXPECT_EQ(items[0].state, ItemState::Separator);  // not a checked item
    EXPECT_EQ(items[0].text, std::string(12, '-'));
    EXPECT_EQ(items[1].state, ItemState::Normal);
    EXPECT_EQ(items[1].text, "");
    EXPECT_EQ(items[2].state, ItemState::Normal);
    EXPECT_EQ(items[2].text, "--a");
    EXPECT_EQ(items[3].state, ItemState::Strike);
    EXPECT_EQ(items[4].state, ItemState::StrikeChecked);
    EXPECT_EQ(items[5].state, ItemState::Bold);
    EXPECT_EQ(items[6].state, ItemState::Separator);

    // A one-byte line is a category; item lines before any category are dropped.
    loaded = Load(kBlackBox + "lost\r\n" + kBox + "lost too\r\nZ\r\n" + kBox + "kept\r\n");
    EXPECT_EQ(Names(loaded->store), (std::vector<std::string>{"Z"}));
    EXPECT_EQ(ItemsOf(loaded->store, 0).size(), 1u);
    // Other double-byte characters are no marker.
    EXPECT_EQ(Names(Load("△x\r\n")->store), (std::vector<std::string>{"△x"}));
}

TEST(ListFileReadTest, SeparatorLengthLimits) {
    const std::string file = "C\r\n" + kBox + "---\r\n";
    EXPECT_EQ(ItemsOf(Load(file, 300)->store, 0)[0].text, std::string(255, '-'));
    EXPECT_EQ(ItemsOf(Load(file, 255)->store, 0)[0].text, std::string(255, '-'));
    EXPECT_EQ(ItemsOf(Load(file, -5)->store, 0)[0].text, "");
    // With 0 a separator has no dashes: it is written as a bare marker and
    // comes back as an empty Normal item.
    auto loaded = Load(file, 0);
    const Item separator = ItemsOf(loaded->store, 0)[0];
    EXPECT_EQ(separator.state, ItemState::Separator);
    EXPECT_EQ(separator.text, "");
    const std::string written = FormatListFile(loaded->store);
    EXPECT_EQ(written, "C\r\n" + kBox + "\r\n");
    EXPECT_EQ(ItemsOf(Load(written, 0)->store, 0)[0].state, ItemState::Normal);
}

TEST(ListFileReadTest, OverLongLines) {
    // Single bytes: the first 255 are kept, behind the marker of an item.
    auto loaded = Load(std::string(300, 'n') + "\r\n" + kBox + std::string(300, 't') + "\r\n");
    CategoryInfo info;
    ASSERT_EQ(loaded->store.GetCategory(0, info), 1);
    EXPECT_EQ(info.name, std::string(255, 'n'));
    EXPECT_EQ(ItemsOf(loaded->store, 0)[0].text, std::string(255, 't'));

    // A double-byte character that no longer fits is dropped whole, yet a
    // single byte behind it still fits.
    loaded = Load(std::string(254, 'a') + "あb\r\n");
    ASSERT_EQ(loaded->store.GetCategory(0, info), 1);
    EXPECT_EQ(info.name, std::string(254, 'a') + "b");
    std::string wide;
    for (int i = 0; i < 130; ++i) {
        wide += "あ";
    }
    loaded = Load(wide + "\r\n");
    ASSERT_EQ(loaded->store.GetCategory(0, info), 1);
    EXPECT_EQ(info.name, wide.substr(0, 254));

    // The second byte of a character is taken whatever it is, a CR included.
    loaded = Load("X\x81\rY\r\n");
    ASSERT_EQ(loaded->store.GetCategory(0, info), 1);
    EXPECT_EQ(info.name, "X\x81\rY");
    // A lead byte that ends the data has no second byte: dropped.
    loaded = Load("X\x81");
    ASSERT_EQ(loaded->store.GetCategory(0, info), 1);
    EXPECT_EQ(info.name, "X");
}

// Whether a read drops content of the file: every loss, and the forms that
// are no loss.
TEST(ListFileReadTest, ReadsThatDropContent) {
    std::string kanji255 = "a";  // 1 + 127 double-byte characters
    for (int i = 0; i < 127; ++i) {
        kanji255 += "あ";
    }
    const struct {
        std::string file;
        bool dropped;
    } cases[] = {
        {kExample, false},
        {"C\n" + kBox + "x\r\r\n\n\n\nD\r" + kBox + "--\r\n", false},  // ends, blanks, dashes
        {"\t\tC\r\n\t\t\t\r\n" + kBox + "\r\n", false},                // TABs in front of a name
        {"C\r\n" + kBox + std::string(255, 't') + "\r\n", false},      // the longest text
        {"C\r\n" + kBox + kanji255 + "\r\n", false},
        {std::string(255, 'n') + "\r\n", false},  // the longest name
        {std::string(100, '\t') + "C\r\n" + std::string(100, '\t') + kBox + "x", false},
        {"C\r\n" + kBox + std::string(256, 't') + "\r\n", true},  // an over-long line
        {"C\r\n" + kBox + kanji255 + "b\r\n", true},
        {std::string(256, 'n') + "\r\n", true},
        {"C\r\n" + kBox + "a\tb\r\n", true},  // a TAB in a text
        {"C\r\n" + kBox + "\tb\r\n", true},
        {"C\tD\r\n", true},
        {kBox + "early\r\nC\r\n", true},  // an item before the first category
        {"C\r\n" + std::string(101, '\t') + kBox + "x\r\n", true},  // deeper than 100
        {"C\r\n" + kBox + std::string("a\0b\r\n", 5), true},        // a NUL
        {std::string("C\r\n\0", 4), true},
        {"C\r\nX\x81", true},  // a lead byte without its second byte
    };
    for (const auto& c : cases) {
        ListStore store;
        bool dropped = !c.dropped;
        EXPECT_EQ(ParseListFile(c.file, store, 40, 5, Measure, &dropped), 1);
        EXPECT_EQ(dropped, c.dropped) << c.file;
    }
    // What the writer writes always reads back whole: a 255-byte text too.
    auto loaded = Load("C\r\n" + kBox + std::string(255, 't') + "\r\n");
    bool dropped = true;
    ListStore again;
    ParseListFile(FormatListFile(loaded->store), again, 40, 5, Measure, &dropped);
    EXPECT_FALSE(dropped);
    EXPECT_EQ(ItemsOf(again, 0)[0].text, std::string(255, 't'));
}

TEST(ListFileReadTest, CurrentCategoryAndEmptyLists) {
    const std::string three = "A\r\nB\r\nC\r\n" + kBox + "c\r\n";
    EXPECT_EQ(Load(three, 40, 7)->store.currentCategory, 2);
    auto loaded = Load(three, 40, -3);
    EXPECT_EQ(loaded->store.currentCategory, 0);
    EXPECT_EQ(loaded->store.itemCount, 0);
    EXPECT_EQ(loaded->store.focusIndex, -1);
    EXPECT_EQ(loaded->store.anchorIndex, -1);

    for (const std::string& file :
         {std::string(), kBox + "only items\r\n" + kBox + "x\r\n", std::string("\r\n\r\n\t\r\n")}) {
        loaded = Load(file, 40, 4);
        EXPECT_EQ(loaded->result, 1);
        EXPECT_EQ(loaded->store.CountCategories(), 0);
        EXPECT_EQ(loaded->store.categoryCount, 0);
        EXPECT_EQ(loaded->store.currentCategory, -1);
        EXPECT_EQ(loaded->store.currentItems, nullptr);
        EXPECT_EQ(loaded->store.itemCount, 0);
        EXPECT_EQ(loaded->store.focusIndex, -1);
        EXPECT_EQ(loaded->store.totalTabWidth, 0);
    }
    EXPECT_EQ(FormatListFile(ListStore()), "");
}

TEST(ListFileReadTest, FailureKeepsWhatWasReadAndSetsTheBookkeeping) {
    ListStore store;
    int measured = 0;
    // The third category cannot be stored.
    const int result = ParseListFile("A\r\n" + kBox + "a\r\nB\r\nC\r\n" + kBox + "c\r\n", store, 40,
                                     5, [&](std::string_view) -> int {
                                         if (++measured == 3) {
                                             throw std::bad_alloc();
                                         }
                                         return 10;
                                     });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(Names(store), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(store.categoryCount, 2);
    EXPECT_EQ(store.currentCategory, 0);
    EXPECT_EQ(store.itemCount, 1);
    EXPECT_EQ(store.focusIndex, 0);
    EXPECT_EQ(store.totalTabWidth, 2 * (10 + 10));
}

TEST(ListFileWriteTest, ByteExactOutput) {
    ListStore store;
    Category first;
    first.name = "買い物";
    first.items = {Item{"牛乳"}, Item{"パン", ItemState::NormalChecked, 1, true}};
    store.InsertCategory(std::move(first), -1);
    Category second;
    second.name = "仕事";
    second.items = {Item{"------", ItemState::Separator}, Item{"報告書", ItemState::BoldChecked}};
    store.InsertCategory(std::move(second), -1);
    EXPECT_EQ(FormatListFile(store), kWrittenExample);

    // Every state's marker; out-of-range states and indents are written safely.
    Category third;
    third.name = "K";
    third.items = {Item{"s", ItemState::Strike, 0}, Item{"t", ItemState::StrikeChecked, 2},
                   Item{"b", ItemState::Bold, -4}, Item{"v", static_cast<ItemState>(42), 150}};
    store.InsertCategory(std::move(third), -1);
    EXPECT_EQ(FormatListFile(store), kWrittenExample + "\r\nK\r\n" + kDiamond + "s\r\n\t\t" +
                                         kBlackDiamond + "t\r\n" + kCircle + "b\r\n" +
                                         std::string(100, '\t') + kBox + "v\r\n");
}

TEST(ListFileWriteTest, RoundTripOfAConformingList) {
    ListStore store;
    for (int c = 0; c < 5; ++c) {
        Category category;
        category.name = "カテゴリ " + std::to_string(c) + (c == 4 ? std::string(240, 'n') : "");
        for (int i = 0; i < 40; ++i) {
            const auto state = static_cast<ItemState>(i % 7);
            std::string text =
                state == ItemState::Separator ? std::string(40, '-') : "項目 " + std::to_string(i);
            if (i == 39) {
                text = std::string(253, 'x');
            }
            category.items.push_back(Item{text, i == 39 ? ItemState::Bold : state,
                                          static_cast<std::int16_t>((i * 7) % 101)});
        }
        store.InsertCategory(std::move(category), -1);
    }
    const std::string written = FormatListFile(store);
    auto loaded = Load(written);
    EXPECT_EQ(loaded->result, 1);
    EXPECT_EQ(Names(loaded->store), Names(store));
    for (int c = 0; c < 5; ++c) {
        const ItemList& want = ItemsOf(store, c);
        const ItemList& got = ItemsOf(loaded->store, c);
        ASSERT_EQ(got.size(), want.size());
        for (std::size_t i = 0; i < want.size(); ++i) {
            EXPECT_EQ(got[i].text, want[i].text) << c << "/" << i;
            EXPECT_EQ(got[i].state, want[i].state) << c << "/" << i;
            EXPECT_EQ(got[i].indent, want[i].indent) << c << "/" << i;
        }
    }
    EXPECT_EQ(FormatListFile(loaded->store), written);
}

// Formatted a few lines at a time, between messages, the file is the same
// to the byte: empty lists and categories, a step inside a category and one
// that ends on its last item.
TEST(ListFileWriteTest, FormattedInStepsAsInOne) {
    const std::string lists[] = {
        "",
        "A\r\n",
        "A\r\n\r\nB\r\n" + kBox + "b1\r\n\t" + kBlackCircle + "b2\r\n\r\nC\r\n\r\nD\r\n" + kBox +
            "---\r\n" + kDiamond + "d2\r\n" + kBox + "d3\r\n",
    };
    for (const std::string& file : lists) {
        const auto loaded = Load(file);
        const std::string whole = FormatListFile(loaded->store);
        for (const std::size_t lines : {1u, 2u, 3u, 7u}) {
            ListFileFormatter formatter;
            int steps = 0;
            while (!formatter.Step(loaded->store, lines) && steps < 100) {
                ++steps;
            }
            EXPECT_EQ(formatter.Bytes(), whole) << "steps of " << lines << " lines";
            if (lines == 1) {
                EXPECT_GE(steps, 2 * loaded->store.CountCategories());
            }
        }
    }
}

}  // namespace
}  // namespace tessel
