// The global hot key that shows or hides the window from any program
// ("WindowHotKey" of system.ini).
#pragma once

#include <windows.h>

#include <cstdint>

namespace tessel {

// The one hot key identifier of the main window.
inline constexpr int kWindowHotKeyId = 0x80F0;

// Registers keyCode (the 16-bit key code of shell/hot_key_code.h) under id for
// window: 1 when registered. A key code of 0 or less unregisters id instead
// and answers 0. A combination another program holds is simply not ours.
int RegisterWindowHotKey(std::int32_t keyCode, int id, HWND window);

}  // namespace tessel
