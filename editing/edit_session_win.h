// The one in-place edit: the item editor and the category rename box are
// two places for the same session. The session opens the box, gives it the
// focus and the input method's state, selects the whole text, turns the
// shortcut keys off while the box has the focus, and ends on Enter, Tab,
// Esc or the loss of the focus. The editor that opened it gives only the
// place, the limit and what a commit does with the typed text.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "drawing/gdi_handles_win.h"

namespace tessel {

// Which editor the open edit belongs to.
enum class EditOwner : std::uint8_t { None, Item, CategoryName };

// How an edit ends: keeping the typed text or dropping it.
enum class EditEnd : std::uint8_t { Drop, Keep };

struct EditPlace {
    EditOwner owner = EditOwner::None;
    HWND parent = nullptr;
    RECT place{};                     // in the parent's client space
    std::size_t limitBytes = 0;       // cp932 bytes the text may hold
    bool paintsBackground = true;     // false: the parent paints behind the text
    const char* accessibleName = "";  // what a screen reader calls the box (cp932)
    // Called once as the edit ends, after the focus has left the box and
    // before the box goes: typed is the box's text (cp932) with end Keep,
    // empty with Drop. false when what was edited is gone.
    bool (*finish)(EditEnd end, const std::string& typed) = nullptr;
};

// Opens the edit over place with text, in font (the box keeps it until it
// closes), the whole text selected with selectAll. The box, or null when an
// edit is open already or the box cannot be made.
HWND OpenEdit(const EditPlace& place, std::string_view text, FontHandle font, bool selectAll);

// The editor whose edit is open; None while there is none. An edit counts
// as open only once its box has the focus, and stops before the focus leaves
// it, so that the focus moves never end it twice.
EditOwner OpenEditOwner();
// The box while it exists (also while it opens and closes), else null.
HWND OpenEditBox();

// Ends the open edit when it belongs to owner (None: whichever is open).
// false when a kept text found its item or category gone; true otherwise,
// also when no such edit is open.
bool EndEdit(EditOwner owner, EditEnd end);
// Commits whichever edit is open: the focus went elsewhere, the window
// closes or changes its DPI, a save must keep the typed text.
inline bool CommitOpenEdit() {
    return EndEdit(EditOwner::None, EditEnd::Keep);
}

// Lets go of the box's font at shutdown; a box still open goes with its
// window and must not draw with a deleted font until then.
void ReleaseEditFont();

}  // namespace tessel
