#include <climits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "store/list_store.h"

namespace tessel {
namespace {

using NameList = std::vector<std::string>;

Category Named(const std::string& name, int width = 0) {
    Category category;
    category.name = name;
    category.nameWidth = width;
    return category;
}

void AppendAll(ListStore& store, const NameList& names) {
    for (const auto& name : names) {
        ASSERT_EQ(store.InsertCategory(Named(name), -1), 1);
    }
}

NameList Names(const ListStore& store) {
    NameList names;
    CategoryInfo info;
    for (int i = 0; store.GetCategory(i, info) == 1; ++i) {
        names.push_back(info.name);
    }
    return names;
}

TEST(CategoryTest, InsertTakesThePositionOrAppends) {
    ListStore store;
    EXPECT_EQ(store.InsertCategory(Named("A"), -1), 1);  // into an empty store
    EXPECT_EQ(store.InsertCategory(Named("B"), 0), 1);   // new head
    EXPECT_EQ(store.InsertCategory(Named("C"), 1), 1);   // in the middle
    EXPECT_EQ(store.InsertCategory(Named("D"), 3), 1);   // position == count
    EXPECT_EQ(store.InsertCategory(Named("E"), 100), 1);
    EXPECT_EQ(store.InsertCategory(Named("F"), -5), 1);
    EXPECT_EQ(Names(store), (NameList{"B", "C", "A", "D", "E", "F"}));
    EXPECT_EQ(store.CountCategories(), 6);
}

TEST(CategoryTest, InsertTakesOverTheTemplatesItems) {
    ListStore store;
    Category category = Named("Work", 42);
    category.items.push_back(Item{"first", ItemState::Bold, 2, true});
    category.items.push_back(Item{"second"});
    ASSERT_EQ(store.InsertCategory(std::move(category), 0), 1);

    CategoryInfo info;
    ASSERT_EQ(store.GetCategory(0, info), 1);
    EXPECT_EQ(info.name, "Work");
    EXPECT_EQ(info.nameWidth, 42);
    ASSERT_NE(info.items, nullptr);
    ASSERT_EQ(CountItems(info.items), 2);
    EXPECT_EQ((*info.items)[0].text, "first");
    EXPECT_EQ((*info.items)[0].state, ItemState::Bold);
    EXPECT_EQ((*info.items)[0].indent, 2);
    EXPECT_TRUE((*info.items)[0].selected);
}

TEST(CategoryTest, InsertClampsAnOverLongNameWithoutSplittingACharacter) {
    static_assert(sizeof("ー") == 3, "narrow literals must be cp932");
    ListStore store;
    ASSERT_EQ(store.InsertCategory(Named(std::string(300, 'a')), -1), 1);
    ASSERT_EQ(store.InsertCategory(Named(std::string(254, 'a') + "ー"), -1), 1);
    ASSERT_EQ(store.InsertCategory(Named(std::string(253, 'a') + "ー"), -1), 1);

    const auto names = Names(store);
    EXPECT_EQ(names[0], std::string(255, 'a'));
    EXPECT_EQ(names[1], std::string(254, 'a'));         // the two-byte "ー" would end at 256
    EXPECT_EQ(names[2], std::string(253, 'a') + "ー");  // exactly 255 bytes fit
}

TEST(CategoryTest, GetCategoryOutOfRangeEmptiesTheRecord) {
    ListStore store;
    AppendAll(store, {"A", "B"});
    ItemList dummy;
    for (int position : {-1, 2, INT_MAX}) {
        CategoryInfo info{"stale", 7, &dummy};
        EXPECT_EQ(store.GetCategory(position, info), 0) << position;
        EXPECT_EQ(info.name, "");
        EXPECT_EQ(info.nameWidth, 0);
        EXPECT_EQ(info.items, nullptr);
    }
}

TEST(CategoryTest, GetCategoryRefersToTheStoresOwnItems) {
    ListStore store;
    AppendAll(store, {"A", "B"});
    CategoryInfo info;
    ASSERT_EQ(store.GetCategory(1, info), 1);
    EXPECT_EQ(info.items, store.FindCategoryItems(1));
    ASSERT_EQ(InsertItem(info.items, Item{"x"}, 0), 1);
    EXPECT_EQ(CountItems(store.FindCategoryItems(1)), 1);
    EXPECT_EQ(CountItems(store.FindCategoryItems(0)), 0);
}

TEST(CategoryTest, FindCategoryItemsOutOfRangeIsNull) {
    ListStore store;
    EXPECT_EQ(store.FindCategoryItems(0), nullptr);
    AppendAll(store, {"A"});
    EXPECT_NE(store.FindCategoryItems(0), nullptr);
    EXPECT_EQ(store.FindCategoryItems(-1), nullptr);
    EXPECT_EQ(store.FindCategoryItems(1), nullptr);
}

TEST(CategoryTest, EraseRemovesOnlyAnExistingPosition) {
    ListStore store;
    AppendAll(store, {"A", "B", "C"});
    EXPECT_EQ(store.EraseCategory(-1), 0);
    EXPECT_EQ(store.EraseCategory(3), 0);
    EXPECT_EQ(Names(store), (NameList{"A", "B", "C"}));
    EXPECT_EQ(store.EraseCategory(1), 1);
    EXPECT_EQ(Names(store), (NameList{"A", "C"}));
    EXPECT_EQ(store.EraseCategory(0), 1);
    EXPECT_EQ(store.EraseCategory(0), 1);
    EXPECT_EQ(store.CountCategories(), 0);
    EXPECT_EQ(store.EraseCategory(0), 0);
}

TEST(CategoryTest, RenameKeepsTheItemsAndClampsTheName) {
    ListStore store;
    AppendAll(store, {"A", "B"});
    ItemList* items = store.FindCategoryItems(1);
    EXPECT_EQ(store.RenameCategory(2, "X", 1), 0);
    EXPECT_EQ(store.RenameCategory(-1, "X", 1), 0);
    EXPECT_EQ(store.RenameCategory(1, std::string(300, 'n'), 42), 1);
    CategoryInfo info;
    ASSERT_EQ(store.GetCategory(1, info), 1);
    EXPECT_EQ(info.name, std::string(kMaxTextBytes, 'n'));
    EXPECT_EQ(info.nameWidth, 42);
    EXPECT_EQ(info.items, items);
    EXPECT_EQ(Names(store).front(), "A");
}

// The list pane keeps currentItems across every category command, so an
// ItemList* must survive changes to the other categories.
TEST(CategoryTest, ItemListPointersSurviveInsertsErasesAndRelocations) {
    ListStore store;
    AppendAll(store, {"A", "B", "C"});
    ItemList* b = store.FindCategoryItems(1);
    ASSERT_EQ(InsertItem(b, Item{"kept"}, -1), 1);

    for (int i = 0; i < 100; ++i) {  // enough to reallocate the category vector
        ASSERT_EQ(store.InsertCategory(Named("new"), 0), 1);
    }
    ASSERT_EQ(store.RelocateCategory(101, 0), 0);  // B to the front
    ASSERT_EQ(store.EraseCategory(1), 1);
    ASSERT_EQ(store.EraseCategory(store.CountCategories() - 1), 1);  // C

    EXPECT_EQ(store.FindCategoryItems(0), b);
    ASSERT_EQ(CountItems(b), 1);
    EXPECT_EQ((*b)[0].text, "kept");
}

TEST(CategoryTest, RelocateAnswersMinusOneWhenNothingMoves) {
    ListStore store;
    AppendAll(store, {"A", "B", "C", "D"});
    EXPECT_EQ(store.RelocateCategory(2, 2), -1);
    EXPECT_EQ(store.RelocateCategory(2, 3), -1);
    EXPECT_EQ(store.RelocateCategory(3, 4), -1);   // last one to the end
    EXPECT_EQ(store.RelocateCategory(3, -1), -1);  // likewise
    EXPECT_EQ(store.RelocateCategory(9, 9), -1);   // checked before the range
    EXPECT_EQ(Names(store), (NameList{"A", "B", "C", "D"}));
}

TEST(CategoryTest, RelocateAnswersMinusTwoForAnInvalidSource) {
    ListStore store;
    EXPECT_EQ(store.RelocateCategory(0, 2), -2);  // empty store
    AppendAll(store, {"A", "B", "C", "D"});
    EXPECT_EQ(store.RelocateCategory(5, 0), -2);
    EXPECT_EQ(store.RelocateCategory(4, 0), -2);
    EXPECT_EQ(store.RelocateCategory(-1, 2), -2);
    EXPECT_EQ(store.RelocateCategory(INT_MAX, INT_MIN), -2);  // no overflow in from + 1
    EXPECT_EQ(Names(store), (NameList{"A", "B", "C", "D"}));
}

TEST(CategoryTest, RelocateMovesInFrontOfTheOldTarget) {
    struct Case {
        int from, to, answer;
        NameList order;
    };
    const Case cases[] = {
        {0, 3, 2, {"B", "C", "A", "D"}},
        {3, 0, 0, {"D", "A", "B", "C"}},
        {1, 4, 3, {"A", "C", "D", "B"}},  // to == n: to the end
        {2, 1, 1, {"A", "C", "B", "D"}},
        {0, 2, 1, {"B", "A", "C", "D"}},
        // A negative "to" moves to the end and is answered as given.
        {1, -3, -3, {"A", "C", "D", "B"}},
    };
    for (const Case& c : cases) {
        ListStore store;
        AppendAll(store, {"A", "B", "C", "D"});
        EXPECT_EQ(store.RelocateCategory(c.from, c.to), c.answer) << c.from << "->" << c.to;
        EXPECT_EQ(Names(store), c.order) << c.from << "->" << c.to;
    }
}

TEST(CategoryTest, FreeAllLeavesNoCategory) {
    ListStore store;
    AppendAll(store, {"A", "B"});
    ASSERT_EQ(InsertItem(store.FindCategoryItems(0), Item{"x"}, 0), 1);
    EXPECT_EQ(store.FreeAllCategories(), 1);
    EXPECT_EQ(store.CountCategories(), 0);
    EXPECT_EQ(store.FindCategoryItems(0), nullptr);
    EXPECT_EQ(store.FreeAllCategories(), 1);
}

TEST(CategoryTest, RecalcTabWidthSumsEveryTab) {
    ListStore store;
    store.totalTabWidth = 123;
    store.RecalcTabWidth(5);
    EXPECT_EQ(store.totalTabWidth, 0);

    ASSERT_EQ(store.InsertCategory(Named("A", 30), -1), 1);
    ASSERT_EQ(store.InsertCategory(Named("B", 40), -1), 1);
    store.RecalcTabWidth(5);
    EXPECT_EQ(store.totalTabWidth, 90);
}

}  // namespace
}  // namespace tessel
