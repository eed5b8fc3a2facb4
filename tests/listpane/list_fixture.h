// A store holding one current category built from short item descriptions,
// with helpers that read the list back as text for compact expectations.
#pragma once

#include <string>
#include <vector>

#include "store/list_store.h"

namespace tessel::test {

inline Item MakeItem(std::string text, ItemState state = ItemState::Normal, int indent = 0,
                     bool selected = false) {
    Item item;
    item.text = std::move(text);
    item.state = state;
    item.indent = indent;
    item.selected = selected;
    return item;
}

// Items named by single words: "A B C" gives three Normal items.
inline std::vector<Item> Named(const std::string& words) {
    std::vector<Item> items;
    std::string word;
    for (char c : words + " ") {
        if (c == ' ') {
            if (!word.empty()) {
                items.push_back(MakeItem(word));
            }
            word.clear();
        } else {
            word += c;
        }
    }
    return items;
}

class TestList {
  public:
    explicit TestList(std::vector<Item> items) {
        Category category;
        category.name = "test";
        category.items = std::move(items);
        store.InsertCategory(std::move(category), 0);
        store.currentCategory = 0;
        store.currentItems = store.FindCategoryItems(0);
        store.itemCount = CountItems(store.currentItems);
    }
    explicit TestList(const std::string& words) : TestList(Named(words)) {}
    TestList(const TestList&) = delete;
    TestList& operator=(const TestList&) = delete;

    ItemList& items() { return *store.currentItems; }
    Item& at(int position) { return items()[static_cast<std::size_t>(position)]; }

    // "A B C"
    std::string Texts() {
        std::string out;
        for (std::size_t i = 0; i < items().size(); ++i) {
            out += (i == 0 ? "" : " ") + items()[i].text;
        }
        return out;
    }
    // The selected positions, "1 3".
    std::string Selected() {
        std::string out;
        for (std::size_t i = 0; i < items().size(); ++i) {
            if (items()[i].selected) {
                out += (out.empty() ? "" : " ") + std::to_string(i);
            }
        }
        return out;
    }
    // The state values in order, "0 1 6".
    std::string States() {
        std::string out;
        for (const Item& item : items()) {
            out += (out.empty() ? "" : " ") + std::to_string(static_cast<int>(item.state));
        }
        return out;
    }
    void Select(std::initializer_list<int> positions) {
        for (Item& item : items()) {
            item.selected = false;
        }
        for (int p : positions) {
            at(p).selected = true;
        }
    }

    ListStore store;
};

}  // namespace tessel::test
