// list.txt: the categories and their items as cp932 text, one record per
// line, every line ended by CR LF.
//  - A category line is the category's name.
//  - An item line is indent TABs, a two-byte state marker, then the text.
//  - Every category line but the first follows an empty line.
// The reader accepts more: CR LF, lone CR, lone LF and NUL all end a line,
// empty lines are skipped, a line keeps at most 255 bytes in whole
// characters behind its marker, and only TABs in front of the first stored
// byte count (the line rules of storage/list_line.h, which the clipboard
// reader shares).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "storage/list_line.h"
#include "store/list_store.h"

namespace tessel {

// Pixel width of a category name in the category-bar font.
using MeasureName = std::function<int(std::string_view name)>;

// Appends the categories and items of a list file (cp932 bytes) to the
// store, then sets its bookkeeping: categoryCount; currentCategory (which
// holds "CategoryIndex" on entry) clamped into the categories, or -1 when
// there is none; currentItems and itemCount of it; topIndex 0; the first
// item selected and focused; and totalTabWidth with categorySpace. Category
// names are measured with measure (null: width 0). Separators get
// SeparatorText(separatorLength). 1; 0 when a record could not be stored
// (what was read before stays, and the bookkeeping is set all the same).
// When dropped is given it tells whether content of the file is not in the
// store: the end of an over-long line, a TAB behind a line's first byte,
// items in front of the first category, indentation deeper than kMaxIndent,
// a NUL. Line ends, blank lines, TABs in front of a name and the number of
// a separator's dashes are form, not content.
int ParseListFile(std::string_view bytes, ListStore& store, int separatorLength, int categorySpace,
                  const MeasureName& measure, bool* dropped = nullptr);

// The item a line stands for, the marker already read into state (Normal
// for a clipboard line without one): body is the text behind the marker, and
// a body of dashes becomes a separator of separatorText. Both readers of item
// lines, list.txt and the clipboard, make their items here.
Item ItemFromLine(std::string_view body, ItemState state, int tabs,
                  const std::string& separatorText);

// The whole file for the store, byte for byte.
std::string FormatListFile(const ListStore& store);

// The same bytes made a few lines at a time, so that a long list can be
// formatted between the messages of the interface thread. The store must
// not change between two steps: a caller that sees a change starts anew.
class ListFileFormatter {
  public:
    // Goes on by at most maxLines lines (sizing the file first counts its
    // lines too); true once Bytes() holds the whole file.
    bool Step(const ListStore& store, std::size_t maxLines);
    std::string& Bytes() { return out_; }

  private:
    enum class Pass { Sizing, Writing, Done };
    // Where a category stands before its own line is made.
    static constexpr std::size_t kCategoryLine = static_cast<std::size_t>(-1);

    Pass pass_ = Pass::Sizing;
    int category_ = 0;
    std::size_t item_ = kCategoryLine;  // the category's next item
    std::size_t total_ = 0;
    std::string out_;
};

// A separator's text: separatorLength dashes, at most kMaxTextBytes; none
// for 0 or below.
std::string SeparatorText(int separatorLength);

// The two bytes that mark an item line for a state; a separator and any
// value outside the six checkable states are written as "□".
std::string_view StateMarker(ItemState state);
// The state the first two bytes of text stand for; false when they are no
// marker (or text is shorter).
bool ParseStateMarker(std::string_view text, ItemState& state);

}  // namespace tessel
