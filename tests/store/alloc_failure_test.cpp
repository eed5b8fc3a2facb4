// Memory failure inside the store: the global operator new of this test
// executable can be told to fail, and every allocation an insertion makes is
// made to fail in turn.
#include <cstdlib>
#include <new>
#include <string>

#include <gtest/gtest.h>

#include "store/list_store.h"

namespace {

// Allocations left before the next one fails; negative for never.
int allocationsUntilFailure = -1;

}  // namespace

void* operator new(std::size_t size) {
    if (allocationsUntilFailure == 0) {
        allocationsUntilFailure = -1;
        throw std::bad_alloc();
    }
    if (allocationsUntilFailure > 0) {
        --allocationsUntilFailure;
    }
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
    return operator new(size);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}

namespace tessel {
namespace {

// Long enough that copying it needs the heap.
const std::string kLongText(200, 'x');

ItemList FullList() {
    ItemList list;
    for (int i = 0; i < 5; ++i) {
        list.push_back(Item{std::to_string(i)});
    }
    list.shrink_to_fit();  // so that one more item needs a new buffer
    return list;
}

TEST(AllocFailureTest, InsertItemFailsWithNothingChanged) {
    int failures = 0;
    for (int nth = 0;; ++nth) {
        ItemList list = FullList();
        const Item item{kLongText};
        allocationsUntilFailure = nth;
        const int result = InsertItem(&list, item, 2);
        const bool failed = allocationsUntilFailure == -1;
        allocationsUntilFailure = -1;
        if (!failed) {
            EXPECT_EQ(result, 1);
            break;
        }
        ++failures;
        EXPECT_EQ(result, 0) << nth;
        ASSERT_EQ(list.size(), 5u) << nth;
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(list[static_cast<std::size_t>(i)].text, std::to_string(i)) << nth;
        }
    }
    // The new buffer; the text's copy comes from the store's text pool, which
    // has blocks to spare by now.
    EXPECT_GE(failures, 1);
}

TEST(AllocFailureTest, InsertItemsFailsWithNothingChanged) {
    ItemList list = FullList();
    ItemList block(3, Item{kLongText});
    allocationsUntilFailure = 0;  // the list's new buffer
    EXPECT_EQ(InsertItems(&list, std::move(block), 2), 0);
    allocationsUntilFailure = -1;
    ASSERT_EQ(list.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(list[static_cast<std::size_t>(i)].text, std::to_string(i));
    }
}

TEST(AllocFailureTest, InsertCategoryFailsWithNothingChanged) {
    int failures = 0;
    for (int nth = 0;; ++nth) {
        ListStore store;
        Category first;
        first.name = "first";
        ASSERT_EQ(store.InsertCategory(std::move(first), -1), 1);
        ItemList* firstItems = store.FindCategoryItems(0);

        Category category;
        category.name = kLongText;
        allocationsUntilFailure = nth;
        const int result = store.InsertCategory(std::move(category), 0);
        const bool failed = allocationsUntilFailure == -1;
        allocationsUntilFailure = -1;
        if (!failed) {
            EXPECT_EQ(result, 1);
            break;
        }
        ++failures;
        EXPECT_EQ(result, 0) << nth;
        ASSERT_EQ(store.CountCategories(), 1) << nth;
        EXPECT_EQ(store.FindCategoryItems(0), firstItems) << nth;
    }
    EXPECT_GE(failures, 2);  // the record and the new buffer
}

}  // namespace
}  // namespace tessel
