#include "access/list_events.h"

#include "access/reading_basics.h"
#include "storage/content_hash.h"
#include "store/item_state.h"

namespace tessel {
namespace {

// The rows of one kind of change, noted one beyond the limit: past it only
// "many" matters.
struct Changed {
    std::vector<int> rows;
    int count = 0;

    void Note(int row) {
        if (count++ <= kRowEventLimit) {
            rows.push_back(row);
        }
    }
    bool Many() const { return count > kRowEventLimit; }
};

int FocusRow(const ListStore& store) {
    const int count = CountItems(store.currentItems);
    return store.focusIndex >= 0 && store.focusIndex < count ? store.focusIndex : -1;
}

bool IsSeparator(ItemState state) {
    return state == ItemState::Separator;
}

// The row that is the whole selection, or -1 (none, or more than one).
int OnlySelectedRow(const ItemList& items) {
    int only = -1;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].selected) {
            if (only >= 0) {
                return -1;
            }
            only = static_cast<int>(i);
        }
    }
    return only;
}

void Tell(std::vector<ListEvent>& events, std::uint32_t event, const std::vector<int>& rows) {
    for (int row : rows) {
        events.push_back(ListEvent{event, row + 1});
    }
}

}  // namespace

RowWatch::RowMark RowWatch::MarkOf(const Item& item) {
    RowMark mark;
    mark.text = static_cast<std::uint32_t>(ContentHash(item.text.view()));
    mark.state = item.state;
    mark.selected = item.selected;
    mark.indent = item.indent;
    return mark;
}

void RowWatch::FocusArrived() {
    paneFocused_ = false;
}

void RowWatch::Start(const ListStore& store, bool paneFocused) {
    started_ = true;
    list_ = store.currentItems;
    changeCount_ = store.changeCount;
    focus_ = FocusRow(store);
    paneFocused_ = paneFocused;
    rows_.clear();
    if (list_ != nullptr) {
        rows_.reserve(list_->size());
        for (const Item& item : *list_) {
            rows_.push_back(MarkOf(item));
        }
    }
}

std::vector<ListEvent> RowWatch::Compare(const ListStore& store, bool paneFocused) {
    std::vector<ListEvent> events;
    if (!started_) {
        return events;
    }
    const ItemList* list = store.currentItems;
    const int focus = FocusRow(store);
    const int focusBefore = focus_;
    const bool paneFocusedBefore = paneFocused_;
    bool moved = false;    // rows came, went or changed places: the focus row may be another
    bool reorder = false;  // the whole list is to be read anew
    if (list != list_ || (list != nullptr && list->size() != rows_.size())) {
        // Another category, or rows inserted or removed.
        Start(store, paneFocused);
        moved = reorder = true;
    } else if (list != nullptr) {
        // Texts change only with the change count; unchanged, they are not
        // read again (a step through 100,000 rows reads their marks only).
        const bool texts = store.changeCount != changeCount_;
        changeCount_ = store.changeCount;
        Changed renamed, checked, restyled, added, removed;
        for (std::size_t i = 0; i < rows_.size(); ++i) {
            const Item& item = (*list)[i];
            RowMark& mark = rows_[i];
            const int row = static_cast<int>(i);
            if (texts) {
                const auto text = static_cast<std::uint32_t>(ContentHash(item.text.view()));
                if (text != mark.text) {
                    renamed.Note(row);
                    mark.text = text;
                }
            }
            // Most rows are as they were: a step changes one or two of 100,000.
            if (item.state == mark.state && item.selected == mark.selected &&
                item.indent == mark.indent) {
                continue;
            }
            if (IsChecked(item.state) != IsChecked(mark.state)) {
                checked.Note(row);
            }
            if (StyleOf(item.state) != StyleOf(mark.state) ||
                IsSeparator(item.state) != IsSeparator(mark.state) || item.indent != mark.indent) {
                restyled.Note(row);
            }
            if (item.selected != mark.selected) {
                (item.selected ? added : removed).Note(row);
            }
            mark.state = item.state;
            mark.selected = item.selected;
            mark.indent = item.indent;
        }
        // Texts changed in more than one place: rows moved (an edit changes one).
        moved = renamed.count > 1;
        reorder = moved || checked.Many() || restyled.Many();
        if (!reorder) {
            Tell(events, msaa::kEventNameChange, renamed.rows);
            Tell(events, msaa::kEventStateChange, checked.rows);
            Tell(events, msaa::kEventDescriptionChange, restyled.rows);
            const int selectionChanges = added.count + removed.count;
            const int only = selectionChanges > 0 ? OnlySelectedRow(*list) : -1;
            if (only >= 0) {
                events.push_back(ListEvent{msaa::kEventSelection, only + 1});
            } else if (added.Many() || removed.Many() || selectionChanges > kRowEventLimit) {
                events.push_back(ListEvent{msaa::kEventSelectionWithin, msaa::kSelf});
            } else {
                Tell(events, msaa::kEventSelectionAdd, added.rows);
                Tell(events, msaa::kEventSelectionRemove, removed.rows);
            }
        }
    }
    if (reorder) {
        events.insert(events.begin(), ListEvent{msaa::kEventReorder, msaa::kSelf});
    }
    focus_ = focus;
    paneFocused_ = paneFocused;
    if (paneFocused && focus >= 0 && (moved || focus != focusBefore || !paneFocusedBefore)) {
        events.push_back(ListEvent{msaa::kEventFocus, focus + 1});
    }
    return events;
}

}  // namespace tessel
