#include <string>

#include <gtest/gtest.h>

#include "store/current_category.h"

namespace tessel {
namespace {

// Three categories of 0, 2 and 5 items.
ListStore ThreeCategories() {
    ListStore store;
    for (int count : {0, 2, 5}) {
        Category category;
        category.name = "c" + std::to_string(count);
        category.items.resize(static_cast<std::size_t>(count));
        store.InsertCategory(std::move(category), -1);
    }
    return store;
}

int SelectedCount(const ItemList& items) {
    int count = 0;
    for (const Item& item : items) {
        count += item.selected ? 1 : 0;
    }
    return count;
}

TEST(CurrentCategory, FocusLandsByPlacement) {
    struct Case {
        int from, focus, to;
        FocusPlacement placement;
        int result, focusAfter;
    } cases[] = {
        {2, 4, 1, FocusPlacement::CarriedOver, 1, 1},  // limited to the shorter list
        {1, 1, 2, FocusPlacement::CarriedOver, 1, 1},
        {2, 3, 0, FocusPlacement::CarriedOver, 1, -1},  // an empty list has no focus
        {2, 3, 1, FocusPlacement::FirstRow, 1, 0},
        {2, 3, 3, FocusPlacement::CarriedOver, 0, 3},  // out of range: nothing changes
        {2, 3, -1, FocusPlacement::FirstRow, 0, 3},
    };
    for (const Case& c : cases) {
        ListStore store = ThreeCategories();
        ASSERT_EQ(MakeCategoryCurrent(store, c.from, FocusPlacement::FirstRow), 1);
        ItemList* left = store.currentItems;
        (*left)[0].selected = false;
        (*left)[static_cast<std::size_t>(c.focus)].selected = true;
        store.focusIndex = c.focus;
        store.topIndex = 2;
        const int anchor = store.anchorIndex;

        EXPECT_EQ(MakeCategoryCurrent(store, c.to, c.placement), c.result) << c.to;
        EXPECT_EQ(store.focusIndex, c.focusAfter) << c.to;
        EXPECT_EQ(store.anchorIndex, c.result == 1 ? c.focusAfter : anchor) << c.to;
        if (c.result == 0) {
            EXPECT_EQ(store.currentCategory, c.from);
            EXPECT_EQ(SelectedCount(*left), 1) << "the selection stays";
            continue;
        }
        EXPECT_EQ(store.currentCategory, c.to);
        EXPECT_EQ(store.currentItems, store.FindCategoryItems(c.to));
        EXPECT_EQ(store.itemCount, static_cast<int>(store.currentItems->size()));
        EXPECT_EQ(store.topIndex, c.placement == FocusPlacement::FirstRow ? 0 : 2);
        EXPECT_EQ(SelectedCount(*store.currentItems), c.focusAfter >= 0 ? 1 : 0);
        if (left != store.currentItems) {
            EXPECT_EQ(SelectedCount(*left), 0) << "the list left loses its selection";
        }
    }
}

TEST(CurrentCategory, WithoutCategoriesNothingIsShownAndTheIndexStays) {
    ListStore store = ThreeCategories();
    ASSERT_EQ(MakeCategoryCurrent(store, 2, FocusPlacement::FirstRow), 1);
    // The list shown goes with the store's categories; under ASan a touch of
    // its freed items fails here.
    store.FreeAllCategories();
    EXPECT_EQ(MakeCategoryCurrent(store, -1, FocusPlacement::FirstRow), 0);
    EXPECT_EQ(store.categoryCount, 0);
    EXPECT_EQ(store.currentCategory, 2) << "system.ini remembers it";
    EXPECT_EQ(store.currentItems, nullptr);
    EXPECT_EQ(store.itemCount, 0);
    EXPECT_EQ(store.focusIndex, -1);
    EXPECT_EQ(store.anchorIndex, -1);
}

TEST(CurrentCategory, CarriedFocus) {
    struct Case {
        int focus, count, carried;
    } cases[] = {{7, 3, 2}, {1, 3, 1}, {-1, 3, 0}, {5, 0, -1}, {-1, 0, -1}};
    for (const Case& c : cases) {
        EXPECT_EQ(CarriedFocus(c.focus, c.count), c.carried) << c.focus << " in " << c.count;
    }
}

}  // namespace
}  // namespace tessel
