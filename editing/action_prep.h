// What a user action does to an open in-place edit before it acts.
#pragma once

#include <cstdint>

namespace tessel {

// After an open category-name edit is committed (or left): an open item
// edit is committed, dropped, left as it is, or the action refused.
enum class ItemEditPrep : std::uint8_t {
    None,     // the action sees the edit as it is
    Commit,   // the typed text is kept
    Discard,  // the typed text is dropped
    Refuse,   // nothing at all while an item edit is open
};

struct ActionPrep {
    bool commitRename = true;  // an open category-name edit keeps its name
    ItemEditPrep itemEdit = ItemEditPrep::Commit;
};

// Every open edit keeps its text: a click, a drag, a reader's action.
inline constexpr ActionPrep kCommitOpenEdits{};
// The open edit stays as it is: a second click, a double click's press.
inline constexpr ActionPrep kLeaveOpenEdits{false, ItemEditPrep::None};

}  // namespace tessel
