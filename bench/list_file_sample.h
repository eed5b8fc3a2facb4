// The list the list-file benchmarks read and write: 100 categories of 1,000
// items each (every tenth a separator, indents 0 to 3), about 4 MB as a file.
#pragma once

#include <string>

#include "store/list_store.h"

namespace tessel::bench {

inline constexpr int kSampleCategories = 100;
inline constexpr int kSampleItemsPerCategory = 1000;

inline ListStore MakeSampleStore() {
    ListStore store;
    for (int c = 0; c < kSampleCategories; ++c) {
        Category category;
        category.name = "カテゴリ " + std::to_string(c);
        category.items.reserve(kSampleItemsPerCategory);
        for (int i = 0; i < kSampleItemsPerCategory; ++i) {
            Item item;
            if (i % 10 == 9) {
                item.text = std::string(40, '-');
                item.state = ItemState::Separator;
            } else {
                item.text = "買い物リストの項目 No." + std::to_string(i) + " メモ付き";
                item.state = static_cast<ItemState>(i % 6);
            }
            item.indent = i % 4;
            category.items.push_back(std::move(item));
        }
        store.InsertCategory(std::move(category), -1);
    }
    return store;
}

}  // namespace tessel::bench
