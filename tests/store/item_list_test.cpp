#include <cctype>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "store/list_store.h"

namespace tessel {
namespace {

// One item per letter; an upper-case letter is a selected item.
ItemList MakeList(const std::string& letters) {
    ItemList list;
    for (char c : letters) {
        const bool selected = c >= 'A' && c <= 'Z';
        list.push_back(Item{std::string(1, selected ? static_cast<char>(c - 'A' + 'a') : c),
                            ItemState::Normal, 0, selected});
    }
    return list;
}

// The inverse of MakeList, so that order and selection are checked at once.
std::string Letters(const ItemList& list) {
    std::string letters;
    for (const Item& item : list) {
        letters += item.selected ? static_cast<char>(item.text[0] - 'a' + 'A') : item.text[0];
    }
    return letters;
}

TEST(InsertItemTest, TakesThePositionOrAppends) {
    ItemList list = MakeList("vw");
    EXPECT_EQ(InsertItem(&list, Item{"a"}, -1), 1);
    EXPECT_EQ(InsertItem(&list, Item{"b"}, 3), 1);  // position == count
    EXPECT_EQ(InsertItem(&list, Item{"c"}, 1000), 1);
    EXPECT_EQ(InsertItem(&list, Item{"d"}, 0), 1);
    EXPECT_EQ(InsertItem(&list, Item{"e"}, 2), 1);
    EXPECT_EQ(Letters(list), "dvewabc");

    ItemList empty;
    EXPECT_EQ(InsertItem(&empty, Item{"x"}, 5), 1);
    EXPECT_EQ(Letters(empty), "x");
}

TEST(InsertItemTest, RefusesWithoutAList) {
    EXPECT_EQ(InsertItem(nullptr, Item{"x"}, 0), 0);
}

TEST(InsertItemTest, CopiesEveryField) {
    ItemList list;
    const Item item{"text", ItemState::StrikeChecked, 7, true};
    ASSERT_EQ(InsertItem(&list, item, 0), 1);
    EXPECT_EQ(list[0].text, "text");
    EXPECT_EQ(list[0].state, ItemState::StrikeChecked);
    EXPECT_EQ(list[0].indent, 7);
    EXPECT_TRUE(list[0].selected);
}

TEST(InsertItemTest, ClampsAnOverLongTextWithoutSplittingACharacter) {
    ItemList list;
    std::string kana;
    for (int i = 0; i < 128; ++i) {
        kana += "あ";  // 256 bytes in all
    }
    ASSERT_EQ(InsertItem(&list, Item{std::string(400, 'x')}, -1), 1);
    ASSERT_EQ(InsertItem(&list, Item{kana}, -1), 1);
    ASSERT_EQ(InsertItem(&list, Item{std::string(253, 'x') + "あ"}, -1), 1);

    EXPECT_EQ(list[0].text, std::string(400, 'x').substr(0, kMaxTextBytes));
    EXPECT_EQ(list[1].text, kana.substr(0, 254));
    EXPECT_EQ(list[2].text.size(), kMaxTextBytes);  // a character ending at 255 stays
}

TEST(InsertItemsTest, PutsTheBlockInOrderAtThePositionOrAppends) {
    struct Case {
        int position;
        const char* expected;
    };
    for (const Case& c :
         {Case{0, "XYvw"}, Case{1, "vXYw"}, Case{2, "vwXY"}, Case{-1, "vwXY"}, Case{99, "vwXY"}}) {
        ItemList list = MakeList("vw");
        EXPECT_EQ(InsertItems(&list, MakeList("XY"), c.position), 1);
        EXPECT_EQ(Letters(list), c.expected) << c.position;
    }
    ItemList list = MakeList("vw");
    EXPECT_EQ(InsertItems(&list, ItemList{}, 1), 1);
    EXPECT_EQ(Letters(list), "vw");
    EXPECT_EQ(InsertItems(nullptr, MakeList("x"), 0), 0);
}

TEST(InsertItemsTest, ClampsOverLongTexts) {
    ItemList list;
    ItemList block{Item{std::string(300, 'x')}, Item{std::string(254, 'x') + "あ"}};
    ASSERT_EQ(InsertItems(&list, std::move(block), 0), 1);
    EXPECT_EQ(list[0].text.size(), kMaxTextBytes);
    EXPECT_EQ(list[1].text, std::string(254, 'x'));
}

TEST(GetItemTest, NoListOrNegativePositionLeavesTheRecordAlone) {
    ItemList list = MakeList("vw");
    const Item stale{"stale", ItemState::Bold, 3, true};
    const ItemList* const lists[] = {nullptr, &list};
    for (const ItemList* l : lists) {
        Item out = stale;
        EXPECT_EQ(GetItem(l, -1, out), 0);
        EXPECT_EQ(out.text, "stale");
        EXPECT_EQ(out.state, ItemState::Bold);
        EXPECT_EQ(out.indent, 3);
        EXPECT_TRUE(out.selected);
    }
}

TEST(GetItemTest, PastTheEndEmptiesTheRecord) {
    ItemList list = MakeList("vw");
    Item out{"stale", ItemState::Bold, 3, true};
    EXPECT_EQ(GetItem(&list, 2, out), 0);
    EXPECT_EQ(out.text, "");
    EXPECT_EQ(out.state, ItemState::Normal);
    EXPECT_EQ(out.indent, 0);
    EXPECT_FALSE(out.selected);
}

TEST(GetItemTest, CopiesTheItemIndependently) {
    ItemList list;
    list.push_back(Item{"one", ItemState::NormalChecked, 4, true});
    Item out;
    ASSERT_EQ(GetItem(&list, 0, out), 1);
    EXPECT_EQ(out.text, "one");
    EXPECT_EQ(out.state, ItemState::NormalChecked);
    EXPECT_EQ(out.indent, 4);
    EXPECT_TRUE(out.selected);
    out.text = "changed";
    EXPECT_EQ(list[0].text, "one");
}

TEST(CountItemsTest, CountsOrAnswersMinusOneWithoutAList) {
    ItemList list = MakeList("vwx");
    ItemList empty;
    EXPECT_EQ(CountItems(&list), 3);
    EXPECT_EQ(CountItems(&empty), 0);
    EXPECT_EQ(CountItems(nullptr), -1);
}

TEST(SelectItemRangeTest, SelectsTheRangeInEitherOrderAndClearsTheRest) {
    ItemList list = MakeList("ABcdefG");
    EXPECT_EQ(SelectItemRange(&list, 4, 2), 1);
    EXPECT_EQ(Letters(list), "abCDEfg");
    EXPECT_EQ(SelectItemRange(&list, 1, 1), 1);
    EXPECT_EQ(Letters(list), "aBcdefg");
    EXPECT_EQ(SelectItemRange(&list, 5, 100), 1);  // the part past the end is ignored
    EXPECT_EQ(Letters(list), "abcdeFG");
}

TEST(SelectItemRangeTest, NegativeArguments) {
    ItemList list = MakeList("aBcDe");
    EXPECT_EQ(SelectItemRange(&list, -1, 3), 0);  // refused: nothing changes
    EXPECT_EQ(Letters(list), "aBcDe");
    EXPECT_EQ(SelectItemRange(&list, 2, -1), 1);  // 0..first
    EXPECT_EQ(Letters(list), "ABCde");
    EXPECT_EQ(SelectItemRange(&list, -1, -1), 1);  // clears every selection
    EXPECT_EQ(Letters(list), "abcde");
}

TEST(SelectItemRangeTest, NoListOrEmptyList) {
    ItemList empty;
    EXPECT_EQ(SelectItemRange(nullptr, 0, 0), 0);
    EXPECT_EQ(SelectItemRange(&empty, 0, 3), 1);
}

TEST(MoveSelectedItemsTest, MovesTheBlockInFrontOfTheTarget) {
    struct Case {
        const char* before;
        int target;
        int answer;
        const char* after;
    };
    const Case cases[] = {
        {"vWxYz", 0, 0, "WYvxz"},  {"vWxYz", 4, 2, "vxWYz"},
        {"vWxYz", -1, 3, "vxzWY"}, {"vWxYz", 5, 3, "vxzWY"},  // target == n: to the end
        {"vWxYz", 99, 3, "vxzWY"}, {"vWxYz", 3, 2, "vxWYz"},  // target on a selected item
        {"vWxYz", 2, 1, "vWYxz"},  {"vWx", 2, 1, "vWx"},  // already in place: answered, unchanged
        {"aBcd", -1, 3, "acdB"},                          // checked item moved down
        {"ABcd", 3, 1, "cABd"},    {"aBCd", 0, 0, "BCad"},
        {"abCD", 0, 0, "CDab"},    {"Ab", -1, 1, "bA"},
    };
    for (const Case& c : cases) {
        ItemList list = MakeList(c.before);
        EXPECT_EQ(MoveSelectedItems(&list, c.target), c.answer) << c.before << " @" << c.target;
        EXPECT_EQ(Letters(list), c.after) << c.before << " @" << c.target;
    }
}

// Every selection of six items to every target, against the plain rule:
// the unselected items in front of the target, the block, then the rest.
TEST(MoveSelectedItemsTest, AgreesWithThePlainRuleEverywhere) {
    const std::string letters = "abcdef";
    for (int mask = 1; mask < 63; ++mask) {
        std::string before;
        for (int i = 0; i < 6; ++i) {
            before += (mask >> i & 1) ? static_cast<char>(letters[i] - 'a' + 'A') : letters[i];
        }
        for (int target = -1; target <= 7; ++target) {
            const int split = target < 0 || target > 6 ? 6 : target;
            std::string front, block, back;
            for (int i = 0; i < 6; ++i) {
                const char c = before[static_cast<std::size_t>(i)];
                (std::isupper(static_cast<unsigned char>(c)) ? block
                 : i < split                                 ? front
                                                             : back) += c;
            }
            ItemList list = MakeList(before.c_str());
            EXPECT_EQ(MoveSelectedItems(&list, target), static_cast<int>(front.size()))
                << before << " @" << target;
            EXPECT_EQ(Letters(list), front + block + back) << before << " @" << target;
        }
    }
}

// Long lists, long texts: a run moved past more items than are held
// aside, and one too long on both sides to be held aside.
TEST(MoveSelectedItemsTest, MovesLongRunsOfLongTexts) {
    struct Case {
        int items, runStart, runLength, target, answer;
    } cases[] = {
        {10000, 3, 1, -1, 9999},  // one row sunk to the end
        {10000, 9000, 2, 0, 0},
        {10000, 100, 5000, -1, 5000},
        {10000, 4000, 5000, 0, 0},
    };
    for (const Case& c : cases) {
        ItemList list;
        std::vector<std::string> expected;
        for (int i = 0; i < c.items; ++i) {
            const bool selected = i >= c.runStart && i < c.runStart + c.runLength;
            list.push_back(Item{"an item text longer than inline " + std::to_string(i),
                                ItemState::Normal, 0, selected});
        }
        for (const Item& item : list) {
            if (!item.selected) {
                expected.push_back(item.text.str());
            }
        }
        const auto block = list.begin() + c.runStart;
        std::vector<std::string> run;
        for (auto it = block; it != block + c.runLength; ++it) {
            run.push_back(it->text.str());
        }
        expected.insert(expected.begin() + c.answer, run.begin(), run.end());
        ASSERT_EQ(MoveSelectedItems(&list, c.target), c.answer) << c.runStart;
        for (std::size_t i = 0; i < list.size(); ++i) {
            ASSERT_EQ(list[i].text, expected[i]) << c.runStart << " at " << i;
        }
    }
}

TEST(MoveSelectedItemsTest, AnswersMinusOneWhenNothingCanMove) {
    const char* const lists[] = {"", "A", "a", "vwxyz", "VWXYZ"};
    for (const char* letters : lists) {
        for (int target : {-1, 0, 2, 5}) {
            ItemList list = MakeList(letters);
            EXPECT_EQ(MoveSelectedItems(&list, target), -1) << letters << " @" << target;
            EXPECT_EQ(Letters(list), letters);
        }
    }
    EXPECT_EQ(MoveSelectedItems(nullptr, 0), -1);
}

TEST(MoveSelectedItemsTest, KeepsEveryFieldOfTheMovedItems) {
    ItemList list;
    list.push_back(Item{"a"});
    list.push_back(Item{"b", ItemState::BoldChecked, 5, true});
    ASSERT_EQ(MoveSelectedItems(&list, 0), 0);
    EXPECT_EQ(list[0].text, "b");
    EXPECT_EQ(list[0].state, ItemState::BoldChecked);
    EXPECT_EQ(list[0].indent, 5);
    EXPECT_TRUE(list[0].selected);
}

TEST(DeleteSelectedItemsTest, RemovesTheSelectedAndAnswersTheFirstPosition) {
    ItemList list = MakeList("VwX");
    EXPECT_EQ(DeleteSelectedItems(&list), 0);
    EXPECT_EQ(Letters(list), "w");

    list = MakeList("vwXYzA");
    EXPECT_EQ(DeleteSelectedItems(&list), 2);
    EXPECT_EQ(Letters(list), "vwz");

    list = MakeList("VWX");
    EXPECT_EQ(DeleteSelectedItems(&list), 0);
    EXPECT_EQ(CountItems(&list), 0);
}

TEST(DeleteSelectedItemsTest, NothingSelectedOrNoList) {
    ItemList list = MakeList("vwx");
    ItemList empty;
    EXPECT_EQ(DeleteSelectedItems(&list), -1);
    EXPECT_EQ(Letters(list), "vwx");
    EXPECT_EQ(DeleteSelectedItems(&empty), -1);
    EXPECT_EQ(DeleteSelectedItems(nullptr), 0);
}

TEST(FreeItemsTest, EmptiesTheList) {
    ItemList list = MakeList("vWx");
    EXPECT_EQ(FreeItems(&list), 1);
    EXPECT_EQ(CountItems(&list), 0);
    EXPECT_EQ(FreeItems(nullptr), 1);
}

}  // namespace
}  // namespace tessel
