#include "store/list_store.h"

#include <algorithm>
#include <iterator>
#include <limits>
#include <new>
#include <utility>

#include "store/cp932.h"

namespace tessel {

namespace {

// A position counts as in range for a container of size n.
bool InRange(int position, std::size_t n) {
    return position >= 0 && static_cast<std::size_t>(position) < n;
}

// Where an insertion at position lands: in front of the record there, or
// at the end for a negative or too large position.
std::size_t InsertionIndex(int position, std::size_t n) {
    return InRange(position, n) ? static_cast<std::size_t>(position) : n;
}

void ClampText(std::string& text) {
    text.resize(Cp932Prefix(text, kMaxTextBytes).size());
}

}  // namespace

// --- Categories ---------------------------------------------------------------

int ListStore::InsertCategory(Category category, int position) {
    ClampText(category.name);
    std::unique_ptr<Category> record;
    try {
        record = std::make_unique<Category>(std::move(category));
    } catch (const std::bad_alloc&) {
        return 0;
    }
    return PutCategory(std::move(record), position);
}

int ListStore::EraseCategory(int position) {
    if (!InRange(position, categories_.size())) {
        return 0;
    }
    categories_.erase(categories_.begin() + position);
    return 1;
}

int ListStore::RenameCategory(int position, std::string name, std::int32_t nameWidth) {
    if (!InRange(position, categories_.size())) {
        return 0;
    }
    ClampText(name);
    Category& category = *categories_[static_cast<std::size_t>(position)];
    category.name = std::move(name);
    category.nameWidth = nameWidth;
    return 1;
}

int ListStore::GetCategory(int position, CategoryInfo& out) const {
    if (!InRange(position, categories_.size())) {
        out = CategoryInfo{};
        return 0;
    }
    Category& category = *categories_[static_cast<std::size_t>(position)];
    try {
        out.name = category.name;
    } catch (const std::bad_alloc&) {
        out = CategoryInfo{};
        return 0;
    }
    out.nameWidth = category.nameWidth;
    // The store's own list, not a copy: callers change items through it.
    out.items = &category.items;
    return 1;
}

ItemList* ListStore::FindCategoryItems(int position) {
    if (!InRange(position, categories_.size())) {
        return nullptr;
    }
    return &categories_[static_cast<std::size_t>(position)]->items;
}

int ListStore::CountCategories() const {
    return static_cast<int>(categories_.size());
}

int ListStore::RelocateCategory(int from, int to) {
    // Staying in front of itself or of its successor is no move. Compared
    // in 64 bits so that extreme arguments cannot overflow.
    if (to == from || static_cast<std::int64_t>(to) == static_cast<std::int64_t>(from) + 1) {
        return -1;
    }
    const std::size_t n = categories_.size();
    if (n == 0 || !InRange(from, n)) {
        return -2;
    }
    const bool toValid = InRange(to, n);
    if (!toValid && static_cast<std::size_t>(from) == n - 1) {
        return -1;  // the last one would go to the end
    }

    // The category ends up behind the one that stood in front of "to" (or
    // behind the last one for an invalid "to"), or first when to == 0.
    const auto source = static_cast<std::size_t>(from);
    std::size_t target = 0;
    if (!toValid) {
        target = n - 1;
    } else if (to > 0) {
        const auto behind = static_cast<std::size_t>(to - 1);
        target = source < behind ? behind : behind + 1;
    }
    auto first = categories_.begin();
    if (target > source) {
        std::rotate(first + source, first + source + 1, first + target + 1);
    } else {
        std::rotate(first + target, first + source, first + source + 1);
    }
    // Callers pass "to" in 0..n; a negative "to" is answered as given.
    return from < to ? to - 1 : to;
}

std::unique_ptr<Category> ListStore::TakeCategory(int position) {
    if (!InRange(position, categories_.size())) {
        return nullptr;
    }
    std::unique_ptr<Category> taken = std::move(categories_[static_cast<std::size_t>(position)]);
    categories_.erase(categories_.begin() + position);
    return taken;
}

int ListStore::PutCategory(std::unique_ptr<Category> category, int position) {
    // Strong guarantee: moving a unique_ptr cannot throw, so a failed
    // reallocation leaves the vector as it was.
    try {
        const std::size_t index = InsertionIndex(position, categories_.size());
        categories_.insert(categories_.begin() + static_cast<std::ptrdiff_t>(index),
                           std::move(category));
    } catch (const std::bad_alloc&) {
        return 0;
    }
    return 1;
}

int ListStore::FindCategoryOf(const ItemList* list) const {
    for (std::size_t i = 0; i < categories_.size(); ++i) {
        if (&categories_[i]->items == list) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int ListStore::FreeAllCategories() {
    std::vector<std::unique_ptr<Category>>().swap(categories_);
    return 1;
}

void ListStore::RecalcTabWidth(int categorySpace) {
    std::int64_t total = 0;
    for (const auto& category : categories_) {
        total += static_cast<std::int64_t>(category->nameWidth) + 2 * std::int64_t{categorySpace};
    }
    // Pixel widths never come near the limits; the clamp only keeps absurd
    // input from overflowing.
    total = std::clamp<std::int64_t>(total, std::numeric_limits<std::int32_t>::min(),
                                     std::numeric_limits<std::int32_t>::max());
    totalTabWidth = static_cast<std::int32_t>(total);
}

// A long list moves and grows as whole records: keep them small.
static_assert(sizeof(Item) == 28);

// --- Items --------------------------------------------------------------------

int InsertItem(ItemList* list, const Item& item, int position) {
    if (list == nullptr) {
        return 0;
    }
    try {
        return InsertItem(list, Item(item), position);
    } catch (const std::bad_alloc&) {
        return 0;
    }
}

int InsertItem(ItemList* list, Item&& item, int position) {
    if (list == nullptr) {
        return 0;
    }
    try {
        const std::size_t index = InsertionIndex(position, list->size());
        // Item moves cannot throw, so a failed reallocation changes nothing.
        list->insert(list->begin() + static_cast<std::ptrdiff_t>(index), std::move(item));
    } catch (const std::bad_alloc&) {
        return 0;
    }
    return 1;
}

int InsertItems(ItemList* list, std::vector<Item>&& items, int position) {
    if (list == nullptr) {
        return 0;
    }
    try {
        const std::size_t index = InsertionIndex(position, list->size());
        // Item moves cannot throw, so a failed reallocation changes nothing.
        list->insert(list->begin() + static_cast<std::ptrdiff_t>(index),
                     std::make_move_iterator(items.begin()), std::make_move_iterator(items.end()));
    } catch (const std::bad_alloc&) {
        return 0;
    }
    return 1;
}

int DeleteSelectedItems(ItemList* list) {
    if (list == nullptr) {
        return 0;
    }
    const auto firstSelected =
        std::find_if(list->begin(), list->end(), [](const Item& item) { return item.selected; });
    if (firstSelected == list->end()) {
        return -1;
    }
    const auto removed = static_cast<int>(firstSelected - list->begin());
    list->erase(
        std::remove_if(firstSelected, list->end(), [](const Item& item) { return item.selected; }),
        list->end());
    return removed;
}

int GetItem(const ItemList* list, int position, Item& out) {
    if (list == nullptr || position < 0) {
        return 0;
    }
    if (static_cast<std::size_t>(position) < list->size()) {
        try {
            out = (*list)[static_cast<std::size_t>(position)];
            return 1;
        } catch (const std::bad_alloc&) {
            // Answered like a position past the end: out emptied.
        }
    }
    out = Item{};
    return 0;
}

int CountItems(const ItemList* list) {
    if (list == nullptr) {
        return -1;
    }
    return static_cast<int>(list->size());
}

int SelectItemRange(ItemList* list, int first, int last) {
    if (list == nullptr) {
        return 0;
    }
    if (first < 0) {
        if (last >= 0) {
            return 0;
        }
        for (Item& item : *list) {
            item.selected = false;
        }
        return 1;
    }
    // A negative last reaches down to position 0.
    const int low = std::min(first, last);
    const int high = std::max(first, last);
    int position = 0;
    for (Item& item : *list) {
        item.selected = position >= low && position <= high;
        ++position;
    }
    return 1;
}

namespace {

// std::rotate, moving each item once where the shorter side is small: the
// standard one swaps, three moves an item, and a row sunk past a million
// others is the common case.
void RotateItems(ItemList::iterator first, ItemList::iterator middle, ItemList::iterator last) {
    constexpr std::ptrdiff_t kMaxHeld = 4096;
    if (middle - first <= std::min(last - middle, kMaxHeld)) {
        std::vector<Item> held(std::make_move_iterator(first), std::make_move_iterator(middle));
        std::move(held.begin(), held.end(), std::move(middle, last, first));
    } else if (last - middle <= kMaxHeld) {
        std::vector<Item> held(std::make_move_iterator(middle), std::make_move_iterator(last));
        std::move_backward(first, middle, last);
        std::move(held.begin(), held.end(), first);
    } else {
        std::rotate(first, middle, last);
    }
}

// Brings the selected items of [first, last) to its front (selectedFirst)
// or back, keeping both groups in order. A single run of selected items,
// the usual case, is rotated in place; only scattered ones need the
// buffer of a stable partition.
void GatherSelected(ItemList::iterator first, ItemList::iterator last, bool selectedFirst) {
    const auto isSelected = [](const Item& item) { return item.selected; };
    const auto runStart = std::find_if(first, last, isSelected);
    const auto runEnd =
        std::find_if(runStart, last, [](const Item& item) { return !item.selected; });
    if (std::find_if(runEnd, last, isSelected) == last) {
        if (selectedFirst) {
            RotateItems(first, runStart, runEnd);
        } else {
            RotateItems(runStart, runEnd, last);
        }
        return;
    }
    if (selectedFirst) {
        std::stable_partition(first, last, isSelected);
    } else {
        std::stable_partition(first, last, [](const Item& item) { return !item.selected; });
    }
}

}  // namespace

int MoveSelectedItems(ItemList* list, int target) {
    if (list == nullptr || list->size() <= 1) {
        return -1;
    }
    const auto isSelected = [](const Item& item) { return item.selected; };
    const auto firstSelected = std::find_if(list->begin(), list->end(), isSelected);
    if (firstSelected == list->end()) {
        return -1;
    }
    const auto lastSelected =
        std::find_if(list->rbegin(), list->rend(), isSelected).base();  // one past it
    if (firstSelected == list->begin() && lastSelected == list->end() &&
        std::all_of(firstSelected, lastSelected, isSelected)) {
        return -1;  // everything is selected
    }
    // The block goes behind the last unselected item in front of "target"
    // (behind the last unselected item of all for an invalid target): in
    // front of the split the unselected items keep their places ahead of
    // the selected ones, behind it the selected ones come first. Items
    // outside the selection's span are in place already and are not touched.
    const auto middle =
        list->begin() + static_cast<std::ptrdiff_t>(InsertionIndex(target, list->size()));
    auto blockStart = middle;
    if (firstSelected < middle) {
        const auto selectedInFront = std::count_if(firstSelected, middle, isSelected);
        GatherSelected(firstSelected, middle, false);
        blockStart = middle - selectedInFront;
    }
    if (lastSelected > middle) {
        GatherSelected(middle, lastSelected, true);
    }
    return static_cast<int>(blockStart - list->begin());
}

int FreeItems(ItemList* list) {
    if (list != nullptr) {
        ItemList().swap(*list);  // releases the storage, not just the items
    }
    return 1;
}

// --- Text helpers ---------------------------------------------------------------

std::vector<int> SelectedPositions(const ItemList& list) {
    std::vector<int> positions;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (list[i].selected) {
            positions.push_back(static_cast<int>(i));
        }
    }
    return positions;
}

void TakeItemsAt(ItemList& list, const std::vector<int>& positions, std::vector<Item>& taken) {
    taken.clear();
    if (positions.size() == list.size()) {
        taken.swap(list);  // every item: a million go without a move
        return;
    }
    taken.reserve(positions.size());
    std::size_t next = 0;  // the next position to take
    std::size_t kept = 0;
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (next < positions.size() && static_cast<std::size_t>(positions[next]) == i) {
            taken.push_back(std::move(list[i]));
            ++next;
        } else {
            if (kept != i) {
                list[kept] = std::move(list[i]);
            }
            ++kept;
        }
    }
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(kept), list.end());
}

void PutItemsAt(ItemList& list, const std::vector<int>& positions, std::vector<Item>&& items) {
    if (list.empty()) {
        list.swap(items);  // the positions are then 0, 1, 2...
        items.clear();
        return;
    }
    const std::size_t oldSize = list.size();
    list.resize(oldSize + items.size());
    // From the back: each old item moves at most once, to its final place.
    std::size_t from = oldSize;
    std::size_t next = items.size();
    for (std::size_t to = list.size(); to-- > 0;) {
        if (next > 0 && static_cast<std::size_t>(positions[next - 1]) == to) {
            list[to] = std::move(items[--next]);
        } else {
            list[to] = std::move(list[--from]);
        }
    }
    items.clear();
}

bool IsSeparatorText(std::string_view text) {
    // "-" is never a lead byte nor a trail byte in cp932, so a text of
    // dashes alone cannot hide a double-byte character.
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c == '-'; });
}

void StripLeadingTabs(std::string& text) {
    text.erase(0, text.find_first_not_of('\t'));
}

}  // namespace tessel
