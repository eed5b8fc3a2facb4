// The document: ordered categories, each with its ordered items, and the
// bookkeeping of which category and item the list pane shows.
//
// Everything is addressed by position (0-based). Out-of-range positions are
// no error: insertion appends, look-ups answer 0 or null and empty their
// output. Results are 1 for success and 0 for failure or nothing to do,
// except where a function says otherwise.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "store/item_state.h"
#include "store/item_text.h"

namespace tessel {

// A text keeps at most this many cp932 bytes (names and item texts alike).
inline constexpr std::size_t kMaxTextBytes = 255;
// The deepest indent an item can have.
inline constexpr int kMaxIndent = 100;

// 28 bytes in all, the text's 24 included: a category of 100,000 items is one
// block of 2.8 MB, with no allocation for a text of up to 22 bytes.
struct Item {
    Item() = default;
    Item(ItemText text, ItemState state = ItemState::Normal, std::int16_t indent = 0,
         bool selected = false) noexcept
        : text(std::move(text)), state(state), selected(selected), indent(indent) {}

    ItemText text;  // cp932, at most kMaxTextBytes; a separator holds "-" bytes
    ItemState state = ItemState::Normal;
    bool selected = false;    // part of the list pane's current selection
    std::int16_t indent = 0;  // 0..kMaxIndent; last, so that the record packs into 28 bytes
};

// One category's items in display order. An ItemList* stays valid for as
// long as its category is in the store (categories are held by pointer).
using ItemList = std::vector<Item>;

struct Category {
    std::string name;            // cp932, at most kMaxTextBytes
    std::int32_t nameWidth = 0;  // pixels of name in the category-bar font
    ItemList items;
};

// What GetCategory copies out: the name and width, and a reference to the
// store's own items (not a copy; never to be freed by the caller).
class ListHistory;

struct CategoryInfo {
    std::string name;
    std::int32_t nameWidth = 0;
    ItemList* items = nullptr;
};

class ListStore {
  public:
    // --- Categories -------------------------------------------------------
    // Inserts a copy of the template in front of the category at position,
    // or appends when position is negative or past the end. The template's
    // items are taken over. 1; 0 when memory runs out (nothing changes).
    int InsertCategory(Category category, int position);
    // Removes the category at position with all its items: 1, or 0 when no
    // category stands there. Count, current category and tab width are the
    // caller's to update.
    int EraseCategory(int position);
    // 1 and name, width and items of the category at position; 0 and an
    // emptied record when position is negative or past the end (or when
    // memory for the name runs out).
    int GetCategory(int position, CategoryInfo& out) const;
    // Gives the category at position a new name (cut to kMaxTextBytes at a
    // character) and the width measured for it: 1, or 0 when no category
    // stands there.
    int RenameCategory(int position, std::string name, std::int32_t nameWidth);
    // The items of the category at position, or null when there is none.
    ItemList* FindCategoryItems(int position);
    int CountCategories() const;
    // Moves the category at from in front of the one standing at to (last
    // when to is no valid position). Answers the new position, -1 when
    // nothing is to be done, -2 when the arguments are invalid.
    int RelocateCategory(int from, int to);
    // Frees every category and item; 1.
    int FreeAllCategories();
    // Takes the category at position out of the store, items and all; null
    // when none stands there. Its ItemList stays where it is in memory.
    std::unique_ptr<Category> TakeCategory(int position);
    // Puts a taken category back in front of position (appended when out of
    // range). 1; 0 when memory runs out (the category is then freed).
    int PutCategory(std::unique_ptr<Category> category, int position);
    // The position of the category whose items list is, or -1.
    int FindCategoryOf(const ItemList* list) const;
    // totalTabWidth = sum of (nameWidth + 2 x categorySpace); 0 when empty.
    void RecalcTabWidth(int categorySpace);

    // --- Bookkeeping, kept by the callers (see each field) ------------------
    std::int32_t categoryCount = 0;    // recounted by callers after inserts and deletes
    std::int32_t currentCategory = 0;  // -1 when none; saved as "CategoryIndex"
    ItemList* currentItems = nullptr;  // items of currentCategory, null when none
    std::int32_t itemCount = 0;        // items of the current category
    std::int32_t focusIndex = -1;
    std::int32_t anchorIndex = -1;
    std::int32_t topIndex = 0;
    std::int32_t totalTabWidth = 0;
    // Moves on with every change to what list.txt would hold (categories,
    // names, items, their order, texts, states and indents), never with a
    // change of selection, focus, scrolling or the current category. The
    // code that makes a change notes it; a save remembers the count.
    std::uint64_t changeCount = 0;
    // Where the changes are recorded for undo; none for a store on its own.
    ListHistory* history = nullptr;

  private:
    // Held by pointer so that an ItemList* survives inserts and moves of
    // other categories.
    std::vector<std::unique_ptr<Category>> categories_;
};

// --- Items: every function takes the list (null when there is none) ---------

// Inserts a copy of the template in front of position, or appends when the
// position is negative or past the end. 0 when list is null or memory runs out.
int InsertItem(ItemList* list, const Item& item, int position);
// The same, taking the template's text over instead of copying it.
int InsertItem(ItemList* list, Item&& item, int position);
// Inserts the items as one block in front of position (appended when the
// position is negative or past the end), taking their texts over; the list
// moves once, however many items come. 1; 0 when list is null or memory
// runs out (the list is then unchanged).
int InsertItems(ItemList* list, std::vector<Item>&& items, int position);
// Removes every selected item. The position (before deletion) of the first
// removed item; -1 when none was selected; 0 when list is null.
int DeleteSelectedItems(ItemList* list);
// 1 and a copy of the item. 0 with out untouched when list is null or the
// position is negative; 0 with out emptied when the position is past the end
// (or when memory for the text runs out).
int GetItem(const ItemList* list, int position, Item& out);
// The number of items; -1 when list is null.
int CountItems(const ItemList* list);
// Selects the positions from min(first, last) to max(first, last) and clears
// the others. first < 0 clears all when last < 0 too, and is refused (0)
// when last >= 0. A negative last with first >= 0 selects 0..first.
int SelectItemRange(ItemList* list, int first, int last);
// Moves the selected items as one block, in their order, in front of the
// item that stood at target (to the end when target is no valid position).
// Answers the block's new first position; -1 when nothing was moved.
int MoveSelectedItems(ItemList* list, int target);
// Frees every item of the list; 1.
int FreeItems(ItemList* list);
// The positions of the selected items, ascending.
std::vector<int> SelectedPositions(const ItemList& list);
// Moves the items at positions (ascending, in range) out of the list into
// taken, in their order; the others close up. One pass over the list.
void TakeItemsAt(ItemList& list, const std::vector<int>& positions, std::vector<Item>& taken);
// Puts items back so that they stand at positions (ascending, in the list
// as it will be); the inverse of TakeItemsAt. One pass over the list.
void PutItemsAt(ItemList& list, const std::vector<int>& positions, std::vector<Item>&& items);

// --- Text helpers ------------------------------------------------------------

// True when text is not empty and every byte is "-" (no double-byte character).
bool IsSeparatorText(std::string_view text);
// Removes every leading TAB.
void StripLeadingTabs(std::string& text);

}  // namespace tessel
