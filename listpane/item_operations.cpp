#include "listpane/item_operations.h"

#include <algorithm>
#include <cstddef>
#include <new>

#include "storage/list_file_format.h"
#include "store/list_history.h"

namespace tessel {

namespace {

bool HasItems(const ListStore& store) {
    return store.currentItems != nullptr && store.itemCount > 0;
}

// What a change makes of each of the seven states, worked out once for a
// whole list.
class StateTable {
  public:
    explicit StateTable(MarkChange change) {
        for (unsigned state = 0; state < kStates; ++state) {
            next_[state] = ApplyMarkChange(static_cast<ItemState>(state), change);
        }
    }
    ItemState operator()(ItemState state) const {
        const auto index = static_cast<unsigned>(static_cast<std::uint8_t>(state));
        return index < kStates ? next_[index] : state;
    }

  private:
    static constexpr unsigned kStates = 7;
    ItemState next_[kStates];
};

// The changes of one command to the current category's states or indents,
// made item by item and noted once at the end: one entry of the history
// with the positions (as runs) and what each item had, when the store keeps
// a history; nothing is gathered when it does not.
class InPlaceChanges {
  public:
    explicit InPlaceChanges(ListStore& store)
        : store_(store), items_(*store.currentItems), recording_(store.history != nullptr) {}

    // A separator stays as it is.
    void SetState(std::size_t position, ItemState state) {
        Item& item = items_[position];
        if (item.state == state) {
            return;
        }
        if (recording_) {
            try {
                positions_.Add(static_cast<int>(position));
                states_.push_back(item.state);
            } catch (const std::bad_alloc&) {
                Lose();
            }
        }
        item.state = state;
        changed_ = true;
    }

    // Every indent changed by one command moves by the same delta.
    void MoveIndent(std::size_t position, int delta) {
        Item& item = items_[position];
        if (recording_) {
            try {
                positions_.Add(static_cast<int>(position));
            } catch (const std::bad_alloc&) {
                Lose();
            }
        }
        item.indent = static_cast<std::int16_t>(item.indent + delta);
        delta_ = delta;
        changed_ = true;
    }

    // Notes the change, and records it when it could be gathered whole; a
    // history that misses a change no longer describes the list.
    void Note() {
        if (!changed_) {
            return;
        }
        RecordChange(store_, [this](ListHistory& history) {
            if (lost_) {
                history.Clear();
            } else if (states_.empty()) {
                history.IndentsChanged(store_.currentItems, std::move(positions_), delta_);
            } else {
                history.StatesChanged(store_.currentItems, std::move(positions_),
                                      std::move(states_));
            }
        });
    }

  private:
    void Lose() {
        recording_ = false;
        lost_ = true;
        positions_ = PositionRuns();
        states_ = std::vector<ItemState>();
    }

    ListStore& store_;
    ItemList& items_;
    bool recording_;
    bool lost_ = false;
    bool changed_ = false;
    int delta_ = 0;
    PositionRuns positions_;
    std::vector<ItemState> states_;
};

}  // namespace

int NewItemPosition(int reference, int digit) {
    if (reference < 0) {
        return reference;
    }
    switch (digit) {
        case 1:
            return reference;
        case 2:
            return reference + 1;
        case 3:
            return -1;
        default:
            return 0;
    }
}

Item NewItemTemplate(const ListStore& store, int position, NewItemKind kind,
                     const SystemSettings& settings) {
    Item item;
    if (settings.AutoIndent == 1) {
        Item standing;
        if (GetItem(store.currentItems, position, standing) == 1) {
            item.indent = standing.indent;
        }
    }
    if (kind == NewItemKind::Separator) {
        item.text = SeparatorText(settings.SeparatorLength);
        item.state = ItemState::Separator;
        item.indent = 0;
    }
    return item;
}

NewItemOutcome AddNewItem(ListStore& store, int reference, NewItemKind kind,
                          const SystemSettings& settings, std::string* failedText) {
    if (store.currentItems == nullptr) {
        return NewItemOutcome::NoCategory;
    }
    const int digit =
        kind == NewItemKind::Item ? settings.InsertPositionItem : settings.InsertPositionSeparator;
    const int position = NewItemPosition(reference, digit);
    const int oldCount = CountItems(store.currentItems);
    store.itemCount = oldCount;
    Item item;
    try {
        item = NewItemTemplate(store, position, kind, settings);
    } catch (const std::bad_alloc&) {
        return NewItemOutcome::OutOfMemory;
    }
    if (InsertItem(store.currentItems, item, position) != 1) {
        if (failedText != nullptr) {
            *failedText = item.text.str();
        }
        return NewItemOutcome::OutOfMemory;
    }
    store.focusIndex = position >= 0 && position <= oldCount ? position : oldCount;
    RecordChange(store, [&](ListHistory& history) {
        history.ItemsInserted(store.currentItems, store.focusIndex, 1);
    });
    store.itemCount = CountItems(store.currentItems);
    SelectItemRange(store.currentItems, store.focusIndex, store.focusIndex);
    store.anchorIndex = store.focusIndex;
    return NewItemOutcome::Inserted;
}

int RemoveSelectedItems(ListStore& store) {
    if (!HasItems(store) || store.focusIndex < 0) {
        return 0;
    }
    std::vector<int> positions = SelectedPositions(*store.currentItems);
    if (positions.empty()) {
        return 0;
    }
    const int first = positions.front();
    std::vector<Item> taken;
    TakeItemsAt(*store.currentItems, positions, taken);
    RecordChange(store, [&](ListHistory& history) {
        history.ItemsErased(store.currentItems, std::move(positions), std::move(taken));
    });
    store.itemCount = CountItems(store.currentItems);
    store.focusIndex = store.itemCount > 0 ? std::min(first, store.itemCount - 1) : -1;
    SelectItemRange(store.currentItems, store.focusIndex, store.focusIndex);
    store.anchorIndex = store.focusIndex;
    return 1;
}

int SinkTarget(const ItemList& items, int reference) {
    const int size = static_cast<int>(items.size());
    int target = size;
    // Walk back from the end while the items are checked, never reaching
    // the reference itself: only the trailing run behind it counts.
    while (target - 1 > reference && IsChecked(items[static_cast<std::size_t>(target - 1)].state)) {
        --target;
    }
    return target;
}

ToggleOutcome ToggleMarkOfSelection(ListStore& store, int reference, ItemMark mark,
                                    bool checkMoveDown) {
    ToggleOutcome outcome;
    Item referenceItem;
    if (store.currentItems == nullptr || store.itemCount < 1 || store.focusIndex < 0 ||
        GetItem(store.currentItems, reference, referenceItem) != 1) {
        return outcome;
    }
    const MarkChange change = ChooseMarkChange(referenceItem, mark);
    const StateTable next(change);
    const ItemList& items = *store.currentItems;
    InPlaceChanges changes(store);
    for (std::size_t i = 0, count = items.size(); i < count; ++i) {
        if (items[i].selected) {
            changes.SetState(i, next(items[i].state));
        }
    }
    changes.Note();
    outcome.result = 1;
    if (!checkMoveDown || mark != ItemMark::Check || change != MarkChange::SetCheck) {
        return outcome;
    }
    if (store.itemCount < 2 || reference == store.itemCount - 1) {
        outcome.ensureFocusVisible = true;
        return outcome;
    }
    const int moved = MoveSelectionRecorded(store, SinkTarget(*store.currentItems, reference));
    if (moved >= 0) {
        store.focusIndex = moved;
    }
    return outcome;
}

int MoveSelectionOneStep(ListStore& store, MoveDirection direction) {
    if (store.currentItems == nullptr || store.itemCount < 2) {
        return 0;
    }
    const ItemList& items = *store.currentItems;
    const int size = static_cast<int>(items.size());
    int target = -1;
    if (direction == MoveDirection::Up) {
        if (store.focusIndex < 0 || store.focusIndex >= size) {
            return 0;
        }
        for (int p = store.focusIndex - 1; p >= 0; --p) {
            if (!items[static_cast<std::size_t>(p)].selected) {
                target = p;
                break;
            }
        }
    } else {
        for (int p = std::max(store.focusIndex + 1, 0); p < size; ++p) {
            if (!items[static_cast<std::size_t>(p)].selected) {
                target = p + 1;
                break;
            }
        }
    }
    if (target < 0) {
        return 0;
    }
    const int moved = MoveSelectionRecorded(store, target);
    if (moved < 0) {
        return 0;
    }
    store.focusIndex = moved;
    store.anchorIndex = moved;
    return 1;
}

int IndentSelection(ListStore& store, IndentDirection direction) {
    if (store.currentItems == nullptr || store.currentItems->empty()) {
        return -1;
    }
    const int delta = direction == IndentDirection::Indent ? 1 : -1;
    int changed = 0;
    ItemList& items = *store.currentItems;
    InPlaceChanges changes(store);
    for (std::size_t i = 0, count = items.size(); i < count; ++i) {
        Item& item = items[i];
        if (!item.selected) {
            continue;
        }
        if (direction == IndentDirection::Indent && item.indent >= kMaxIndent) {
            item.indent = kMaxIndent;
            continue;
        }
        if (direction == IndentDirection::Outdent && item.indent <= 0) {
            item.indent = 0;
            continue;
        }
        changes.MoveIndent(i, delta);
        ++changed;
    }
    changes.Note();
    return changed;
}

bool MatchesSelection(ItemState state, SelectWhich which) {
    if (which == SelectWhich::All) {
        return true;
    }
    if (state == ItemState::Separator) {
        return false;
    }
    switch (which) {
        case SelectWhich::Checked:
            return IsChecked(state);
        case SelectWhich::Unchecked:
            return !IsChecked(state);
        case SelectWhich::Strike:
            return StyleOf(state) == ItemStyle::Strike;
        case SelectWhich::Bold:
            return StyleOf(state) == ItemStyle::Bold;
        case SelectWhich::All:
            break;
    }
    return true;
}

int SelectItemsByState(ListStore& store, SelectWhich which) {
    if (!HasItems(store)) {
        return 0;
    }
    for (Item& item : *store.currentItems) {
        item.selected = MatchesSelection(item.state, which);
    }
    store.anchorIndex = store.focusIndex;
    return 1;
}

int MarkEveryItem(ListStore& store, MarkChange change) {
    if (!HasItems(store)) {
        return 0;
    }
    const StateTable next(change);
    const ItemList& items = *store.currentItems;
    InPlaceChanges changes(store);
    for (std::size_t i = 0, count = items.size(); i < count; ++i) {
        changes.SetState(i, next(items[i].state));
    }
    changes.Note();
    return 1;
}

}  // namespace tessel
