// The platform's accelerator table made from the shortcut table, and the key
// names the menus show. The message loop offers every message to
// ActiveAccelerators, which the in-place edit boxes set to null while they
// have the focus.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace tessel {

// Destroys any table, then makes AcceleratorHandle (and ActiveAccelerators)
// from the 54 shortcuts and the three of undo and redo: 1 when the table
// exists.
int BuildAccelerators();
// Destroys the table, if there is one (after the message loop).
void DestroyAccelerators();
// The name of a key code ("Ctrl+Shift+N"); 1.
int FormatKeyName(std::int32_t keyCode, std::string& out);

}  // namespace tessel
