// The input method's open state, carried from one in-place edit (an item's
// text, a category's name) to the next through rememberedImeOpen. Both edit
// boxes share the main window's input context.
#pragma once

namespace tessel {

// Opens or closes the input method as the last edit left it.
void RestoreImeState();
// Remembers whether the input method is open, then closes it.
void RememberAndCloseIme();
// Sets the input method to the state it already has, which changes nothing
// but makes the system set it up: done once the list shows, it spares the
// first edit of a session that wait.
void PrepareInputMethod();

}  // namespace tessel
