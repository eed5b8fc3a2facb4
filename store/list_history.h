// The changes made to the list, step by step, so that they can be taken
// back (undo) and made again (redo). A step is one command or one mouse
// action; it keeps only what it changed, never what the items were: the
// items it took out with their positions, the positions and old states of
// the items whose state changed, the positions and the one delta of an
// indent, an old text, a category it removed, an old name. Never a copy of
// the whole list.
//
// Entries point at a category's ItemList, which stays at one address while
// the category lives; a removed category lives on in the step that removed
// it, so every entry before and after it stays valid.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "store/list_store.h"

namespace tessel {

// Positions in a list, added in ascending order, kept as runs of
// neighbours: a run costs two or three bytes however long it is, so the
// 100,000 items of a whole list changed at once cost a few bytes, and even
// a selection of every other item about two bytes each.
class PositionRuns {
  public:
    // A position above every one added before.
    void Add(int position) {
        if (position == next_) {
            ++next_;
            return;
        }
        Flush();
        start_ = position;
        next_ = position + 1;
    }
    bool empty() const { return next_ < 0; }
    // How many positions there are.
    std::size_t size() const {
        return flushedCount_ + (next_ < 0 ? 0 : static_cast<std::size_t>(next_ - start_));
    }
    // What the runs cost beyond the object itself.
    std::size_t Bytes() const { return bytes_.capacity(); }
    // Calls run(first, count) for each run, ascending.
    template <class Run>
    void ForEachRun(Run&& run) const {
        int end = 0;
        for (std::size_t i = 0; i < bytes_.size();) {
            const int first = end + Read(i);
            const int count = Read(i) + 1;
            run(first, count);
            end = first + count;
        }
        if (next_ >= 0) {
            run(start_, next_ - start_);
        }
    }
    // Every position, ascending.
    std::vector<int> Positions() const;

  private:
    // The open run joins the encoded ones: its distance from the end of
    // the one before, and its length less one, in 7-bit groups.
    void Flush();
    void Put(unsigned value);
    int Read(std::size_t& i) const {
        unsigned value = 0;
        for (int shift = 0;; shift += 7) {
            const unsigned byte = bytes_[i++];
            value |= (byte & 0x7Fu) << shift;
            if (byte < 0x80u) {
                return static_cast<int>(value);
            }
        }
    }

    std::vector<std::uint8_t> bytes_;
    std::size_t flushedCount_ = 0;
    int end_ = 0;    // just past the last encoded run
    int start_ = 0;  // the open run, up to next_; -1 when nothing was added
    int next_ = -1;
};

// What an undo or a redo changed, for the window to show it.
struct HistoryFocus {
    bool done = false;
    int category = -1;         // the category to show; -1 when there is none
    std::vector<int> touched;  // its items to select, ascending; may be empty
    int focus = -1;            // the focus row when nothing is left to select
};

class ListHistory {
  public:
    // The history gives up its oldest steps beyond this many bytes.
    static constexpr std::size_t kDefaultLimit = 64u << 20;

    // Ends the step being recorded: the next change starts a new one.
    void Seal() { open_ = false; }
    // Forgets every step (a list read anew).
    void Clear();
    void SetLimit(std::size_t bytes) { limit_ = bytes; }
    // Called as each new step begins and after each undo and redo (the idle
    // save waits for the last change).
    void SetChangeListener(void (*listener)()) { listener_ = listener; }

    // Recorded in the order the changes are made, each into the open step.
    // The positions are those of the list after the change for inserts and
    // moves, before it for erases.
    void ItemsInserted(ItemList* list, int first, int count);
    void ItemsErased(ItemList* list, std::vector<int> positions, std::vector<Item> items);
    void ItemsMoved(ItemList* list, std::vector<int> positions, int blockStart);
    // After items changed in place: the states they had, one for each
    // position; the indents all moved by delta; the text one had.
    void StatesChanged(ItemList* list, PositionRuns positions, std::vector<ItemState> oldStates);
    void IndentsChanged(ItemList* list, PositionRuns positions, int delta);
    void TextChanged(ItemList* list, int position, ItemText oldText);
    void CategoryInserted(int position);
    void CategoryErased(int position, std::unique_ptr<Category> category);
    void CategoryRenamed(int position, std::string oldName, std::int32_t oldWidth);
    void CategoryMoved(int from, int to);

    // Takes back the last step, or makes the next undone one again. Both
    // move store.changeCount on; the store's bookkeeping is the caller's.
    HistoryFocus Undo(ListStore& store);
    HistoryFocus Redo(ListStore& store);

    std::size_t UndoSteps() const { return done_; }
    std::size_t RedoSteps() const { return steps_.size() - done_; }
    std::size_t Bytes() const { return bytes_; }

  private:
    struct Entry {
        enum class Kind : std::uint8_t {
            InsertItems,
            EraseItems,
            MoveItems,
            ChangeStates,
            ChangeIndents,
            ChangeText,
            InsertCategory,
            EraseCategory,
            RenameCategory,
            MoveCategory,
        };
        Entry(Kind kind, ItemList* list, int first = 0, int count = 0)
            : kind(kind), list(list), first(first), count(count) {}

        Kind kind = Kind::InsertItems;
        ItemList* list = nullptr;
        int first = 0;  // inserted items, block start, category position, move source,
                        // changed text
        int count = 0;  // inserted items, move target, indent delta
        std::vector<int> positions;
        PositionRuns runs;                   // changed states and indents
        std::vector<ItemState> states;       // the other states, one for each of runs
        std::vector<Item> items;             // taken out
        std::unique_ptr<Category> category;  // held while out of the store
        std::string name;                    // the other name
        ItemText text;                       // the other text
        std::int32_t width = 0;
    };
    struct Step {
        std::vector<Entry> entries;
        std::size_t bytes = 0;
    };

    Entry& Add(Entry entry);
    // Takes back the last done step (undo) or makes the next one again.
    HistoryFocus Replay(ListStore& store, bool undo);
    void Apply(Entry& entry, ListStore& store, bool undo, HistoryFocus& focus);
    void Recount(Step& step);
    void Trim();
    static std::size_t EntryBytes(const Entry& entry);

    std::deque<Step> steps_;
    std::size_t done_ = 0;  // steps_[0 .. done_) are done, the rest undone
    bool open_ = false;     // steps_[done_ - 1] still takes entries
    std::size_t bytes_ = 0;
    std::size_t limit_ = kDefaultLimit;
    void (*listener_)() = nullptr;
};

// Moves the selected items of the current category as one block in front
// of target (MoveSelectedItems) and records the move. The block's new first
// position, or -1 when nothing could be moved; a block that lands where it
// stood is no change.
int MoveSelectionRecorded(ListStore& store, int target);

// Moves store.changeCount on and records the change in store.history, when
// it has one. A history that cannot take the record (no memory) is
// cleared, as it no longer describes the list.
template <class Record>
void RecordChange(ListStore& store, Record&& record) {
    ++store.changeCount;
    if (store.history == nullptr) {
        return;
    }
    try {
        record(*store.history);
    } catch (...) {
        store.history->Clear();
    }
}

}  // namespace tessel
