#include "store/list_history.h"

#include <algorithm>
#include <iterator>

namespace tessel {

namespace {

// Moves [first, first + count) of list out into taken.
void TakeRange(ItemList& list, int first, int count, std::vector<Item>& taken) {
    const auto begin = list.begin() + first;
    taken.assign(std::make_move_iterator(begin), std::make_move_iterator(begin + count));
    list.erase(begin, begin + count);
}

void PutRange(ItemList& list, int first, std::vector<Item>&& items) {
    list.insert(list.begin() + first, std::make_move_iterator(items.begin()),
                std::make_move_iterator(items.end()));
    items.clear();
}

std::vector<int> Range(int first, int count) {
    std::vector<int> positions(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        positions[static_cast<std::size_t>(i)] = first + i;
    }
    return positions;
}

// The final index of the category moved from "from" to "to", in the terms
// of ListStore::RelocateCategory ("in front of the one at").
int RelocateTo(ListStore& store, int from, int to) {
    return store.RelocateCategory(from, to > from ? to + 1 : to);
}

std::size_t ItemBytes(const Item& item) {
    // A text beyond the record's own bytes takes a block of the pool.
    return sizeof(Item) + (item.text.size() > ItemText::kInlineBytes ? ItemText::kMaxBytes + 1 : 0);
}

}  // namespace

int MoveSelectionRecorded(ListStore& store, int target) {
    if (store.currentItems == nullptr) {
        return -1;
    }
    std::vector<int> positions = SelectedPositions(*store.currentItems);
    const int moved = MoveSelectedItems(store.currentItems, target);
    if (moved < 0) {
        return moved;
    }
    bool inPlace = true;
    for (std::size_t i = 0; i < positions.size() && inPlace; ++i) {
        inPlace = positions[i] == moved + static_cast<int>(i);
    }
    if (!inPlace) {
        RecordChange(store, [&](ListHistory& history) {
            history.ItemsMoved(store.currentItems, std::move(positions), moved);
        });
    }
    return moved;
}

void ListHistory::Clear() {
    steps_.clear();
    done_ = 0;
    open_ = false;
    bytes_ = 0;
}

ListHistory::Entry& ListHistory::Add(Entry entry) {
    if (!open_) {
        // A new change drops the steps that could have been redone.
        while (steps_.size() > done_) {
            bytes_ -= steps_.back().bytes;
            steps_.pop_back();
        }
        steps_.emplace_back();
        ++done_;
        open_ = true;
        if (listener_ != nullptr) {
            listener_();
        }
    }
    Step& step = steps_[done_ - 1];
    step.entries.push_back(std::move(entry));
    const std::size_t added = EntryBytes(step.entries.back());
    step.bytes += added;
    bytes_ += added;
    Trim();
    return steps_[done_ - 1].entries.back();
}

void ListHistory::ItemsInserted(ItemList* list, int first, int count) {
    Add(Entry(Entry::Kind::InsertItems, list, first, count));
}

void ListHistory::ItemsErased(ItemList* list, std::vector<int> positions, std::vector<Item> items) {
    Entry entry(Entry::Kind::EraseItems, list);
    entry.positions = std::move(positions);
    entry.items = std::move(items);
    Add(std::move(entry));
}

void ListHistory::ItemsMoved(ItemList* list, std::vector<int> positions, int blockStart) {
    Entry entry(Entry::Kind::MoveItems, list, blockStart);
    entry.positions = std::move(positions);
    Add(std::move(entry));
}

void ListHistory::ItemChanging(ItemList* list, int position, const Item& before) {
    // The changes of one command to one list share an entry.
    if (open_ && !steps_[done_ - 1].entries.empty()) {
        Step& step = steps_[done_ - 1];
        Entry& last = step.entries.back();
        if (last.kind == Entry::Kind::ChangeItems && last.list == list) {
            last.positions.push_back(position);
            last.items.push_back(before);
            const std::size_t added = sizeof(int) + ItemBytes(before);
            step.bytes += added;
            bytes_ += added;
            Trim();
            return;
        }
    }
    Entry entry(Entry::Kind::ChangeItems, list);
    entry.positions.push_back(position);
    entry.items.push_back(before);
    Add(std::move(entry));
}

void ListHistory::CategoryInserted(int position) {
    Add(Entry(Entry::Kind::InsertCategory, nullptr, position));
}

void ListHistory::CategoryErased(int position, std::unique_ptr<Category> category) {
    Entry entry(Entry::Kind::EraseCategory, nullptr, position);
    entry.category = std::move(category);
    Add(std::move(entry));
}

void ListHistory::CategoryRenamed(int position, std::string oldName, std::int32_t oldWidth) {
    Entry entry(Entry::Kind::RenameCategory, nullptr, position);
    entry.name = std::move(oldName);
    entry.width = oldWidth;
    Add(std::move(entry));
}

void ListHistory::CategoryMoved(int from, int to) {
    Add(Entry(Entry::Kind::MoveCategory, nullptr, from, to));
}

HistoryFocus ListHistory::Undo(ListStore& store) {
    return Replay(store, true);
}

HistoryFocus ListHistory::Redo(ListStore& store) {
    return Replay(store, false);
}

HistoryFocus ListHistory::Replay(ListStore& store, bool undo) {
    open_ = false;
    HistoryFocus focus;
    if (undo ? done_ == 0 : done_ == steps_.size()) {
        return focus;
    }
    Step& step = undo ? steps_[--done_] : steps_[done_++];
    if (undo) {
        for (auto entry = step.entries.rbegin(); entry != step.entries.rend(); ++entry) {
            Apply(*entry, store, true, focus);
        }
    } else {
        for (Entry& entry : step.entries) {
            Apply(entry, store, false, focus);
        }
    }
    Recount(step);
    ++store.changeCount;
    if (listener_ != nullptr) {
        listener_();
    }
    focus.done = true;
    return focus;
}

void ListHistory::Apply(Entry& entry, ListStore& store, bool undo, HistoryFocus& focus) {
    using Kind = Entry::Kind;
    focus.touched.clear();
    focus.focus = -1;
    if (entry.list != nullptr) {
        focus.category = store.FindCategoryOf(entry.list);
    }
    ItemList* list = entry.list;
    switch (entry.kind) {
        case Kind::InsertItems:
            if (undo) {
                TakeRange(*list, entry.first, entry.count, entry.items);
                focus.focus = entry.first;
            } else {
                PutRange(*list, entry.first, std::move(entry.items));
                focus.touched = Range(entry.first, entry.count);
            }
            break;
        case Kind::EraseItems:
            if (undo) {
                PutItemsAt(*list, entry.positions, std::move(entry.items));
                focus.touched = entry.positions;
            } else {
                TakeItemsAt(*list, entry.positions, entry.items);
                focus.focus = entry.positions.empty() ? -1 : entry.positions.front();
            }
            break;
        case Kind::MoveItems: {
            std::vector<Item> block;
            const int count = static_cast<int>(entry.positions.size());
            if (undo) {
                TakeRange(*list, entry.first, count, block);
                PutItemsAt(*list, entry.positions, std::move(block));
                focus.touched = entry.positions;
            } else {
                TakeItemsAt(*list, entry.positions, block);
                PutRange(*list, entry.first, std::move(block));
                focus.touched = Range(entry.first, count);
            }
            break;
        }
        case Kind::ChangeItems: {
            // Each swap hands the list the other version and keeps this one.
            const std::size_t n = entry.positions.size();
            for (std::size_t k = 0; k < n; ++k) {
                const std::size_t i = undo ? n - 1 - k : k;
                std::swap((*list)[static_cast<std::size_t>(entry.positions[i])], entry.items[i]);
            }
            focus.touched = entry.positions;
            std::sort(focus.touched.begin(), focus.touched.end());
            focus.touched.erase(std::unique(focus.touched.begin(), focus.touched.end()),
                                focus.touched.end());
            break;
        }
        case Kind::InsertCategory:
        case Kind::EraseCategory: {
            const bool takeOut = (entry.kind == Kind::InsertCategory) == undo;
            if (takeOut) {
                entry.category = store.TakeCategory(entry.first);
                focus.category = std::min(entry.first, store.CountCategories() - 1);
            } else {
                store.PutCategory(std::move(entry.category), entry.first);
                focus.category = entry.first;
            }
            break;
        }
        case Kind::RenameCategory: {
            CategoryInfo info;
            store.GetCategory(entry.first, info);
            store.RenameCategory(entry.first, std::exchange(entry.name, info.name),
                                 std::exchange(entry.width, info.nameWidth));
            focus.category = entry.first;
            break;
        }
        case Kind::MoveCategory:
            if (undo) {
                RelocateTo(store, entry.count, entry.first);
                focus.category = entry.first;
            } else {
                RelocateTo(store, entry.first, entry.count);
                focus.category = entry.count;
            }
            break;
    }
}

void ListHistory::Recount(Step& step) {
    bytes_ -= step.bytes;
    step.bytes = 0;
    for (const Entry& entry : step.entries) {
        step.bytes += EntryBytes(entry);
    }
    bytes_ += step.bytes;
}

void ListHistory::Trim() {
    // The oldest done steps go first; the open one always stays.
    while (bytes_ > limit_ && done_ > 1) {
        bytes_ -= steps_.front().bytes;
        steps_.pop_front();
        --done_;
    }
}

std::size_t ListHistory::EntryBytes(const Entry& entry) {
    std::size_t bytes =
        sizeof(Entry) + entry.positions.capacity() * sizeof(int) + entry.name.capacity();
    const auto countItems = [&bytes](const std::vector<Item>& items) {
        bytes += (items.capacity() - items.size()) * sizeof(Item);
        for (const Item& item : items) {
            bytes += ItemBytes(item);
        }
    };
    countItems(entry.items);
    if (entry.category != nullptr) {
        bytes += sizeof(Category) + entry.category->name.capacity();
        countItems(entry.category->items);
    }
    return bytes;
}

}  // namespace tessel
