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

// A text beyond the record's own bytes takes a block of the pool.
std::size_t TextBytes(const ItemText& text) {
    return text.size() > ItemText::kInlineBytes ? ItemText::kMaxBytes + 1 : 0;
}

}  // namespace

std::vector<int> PositionRuns::Positions() const {
    std::vector<int> positions;
    positions.reserve(size());
    ForEachRun([&positions](int first, int count) {
        for (int p = first; p < first + count; ++p) {
            positions.push_back(p);
        }
    });
    return positions;
}

void PositionRuns::Flush() {
    if (next_ < 0) {
        return;
    }
    Put(static_cast<unsigned>(start_ - end_));
    Put(static_cast<unsigned>(next_ - start_ - 1));
    end_ = next_;
    flushedCount_ += static_cast<std::size_t>(next_ - start_);
    next_ = -1;
}

void PositionRuns::Put(unsigned value) {
    while (value >= 0x80u) {
        bytes_.push_back(static_cast<std::uint8_t>(value | 0x80u));
        value >>= 7;
    }
    bytes_.push_back(static_cast<std::uint8_t>(value));
}

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

void ListHistory::StatesChanged(ItemList* list, PositionRuns positions,
                                std::vector<ItemState> oldStates) {
    Entry entry(Entry::Kind::ChangeStates, list);
    entry.runs = std::move(positions);
    entry.states = std::move(oldStates);
    Add(std::move(entry));
}

void ListHistory::IndentsChanged(ItemList* list, PositionRuns positions, int delta) {
    Entry entry(Entry::Kind::ChangeIndents, list, 0, delta);
    entry.runs = std::move(positions);
    Add(std::move(entry));
}

void ListHistory::TextChanged(ItemList* list, int position, ItemText oldText) {
    Entry entry(Entry::Kind::ChangeText, list, position);
    entry.text = std::move(oldText);
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
        case Kind::ChangeStates: {
            // Each swap hands the list the other state and keeps this one.
            ItemState* other = entry.states.data();
            entry.runs.ForEachRun([list, &other](int first, int count) {
                const auto begin = list->begin() + first;
                for (auto item = begin; item != begin + count; ++item) {
                    std::swap(item->state, *other++);
                }
            });
            focus.touched = entry.runs.Positions();
            break;
        }
        case Kind::ChangeIndents: {
            const int delta = undo ? -entry.count : entry.count;
            entry.runs.ForEachRun([list, delta](int first, int count) {
                const auto begin = list->begin() + first;
                for (auto item = begin; item != begin + count; ++item) {
                    item->indent = static_cast<std::int16_t>(item->indent + delta);
                }
            });
            focus.touched = entry.runs.Positions();
            break;
        }
        case Kind::ChangeText:
            std::swap((*list)[static_cast<std::size_t>(entry.first)].text, entry.text);
            focus.touched.push_back(entry.first);
            break;
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
    std::size_t bytes = sizeof(Entry) + entry.positions.capacity() * sizeof(int) +
                        entry.runs.Bytes() + entry.states.capacity() * sizeof(ItemState) +
                        entry.name.capacity() + TextBytes(entry.text);
    const auto countItems = [&bytes](const std::vector<Item>& items) {
        bytes += (items.capacity() - items.size()) * sizeof(Item);
        for (const Item& item : items) {
            bytes += sizeof(Item) + TextBytes(item.text);
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
