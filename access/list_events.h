// What a screen reader following the list through events must hear after a
// change: which rows were renamed, checked or restyled, what the selection
// and the focus did, or, when many rows changed at once (a whole list
// checked, selected or replaced), one event for the whole list. Found by
// comparing the rows with those last told of, so that every road to a
// change (keys, mouse, menus, undo, another program's list.txt) is told
// the same way. The window side (access/access_events_win.h) sends them.
#pragma once

#include <cstdint>
#include <vector>

#include "store/list_store.h"

namespace tessel {

// More rows than this changed by one action are told as one event for
// the list, as the system's own list view does.
inline constexpr int kRowEventLimit = 20;

struct ListEvent {
    std::uint32_t event = 0;  // msaa::kEvent...
    std::int32_t child = 0;   // a row's child id, or the list's own 0
};

class RowWatch {
  public:
    // Remembers the rows as they are: from now on changes are told.
    void Start(const ListStore& store, bool paneFocused);
    bool Started() const { return started_; }
    // The pane has just taken the keyboard focus: the next comparison tells
    // the focus row, even if no paint saw the focus away.
    void FocusArrived();
    // What changed since Start or the last Compare, in the order to tell
    // it: the list's or rows' changes, then the selection, the focus last.
    std::vector<ListEvent> Compare(const ListStore& store, bool paneFocused);

  private:
    // 8 bytes a row: 800 kB for 100,000 rows, kept only while a reader reads.
    struct RowMark {
        std::uint32_t text = 0;  // a fingerprint of the text
        ItemState state = ItemState::Normal;
        bool selected = false;
        std::int16_t indent = 0;
    };
    static RowMark MarkOf(const Item& item);

    bool started_ = false;
    const ItemList* list_ = nullptr;
    std::uint64_t changeCount_ = 0;
    int focus_ = -1;
    bool paneFocused_ = false;
    std::vector<RowMark> rows_;
};

}  // namespace tessel
