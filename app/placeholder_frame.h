// A plain top-level window that stands in for the main frame until the real
// one is built: it has the frame's class and title and nothing else.
#pragma once

#include <windows.h>

namespace tessel {

inline constexpr char kMainFrameClass[] = "TesselListMainFrame";
inline constexpr char kAppTitle[] = "てっせるリスト";

// Registers the class; false when the system refuses it.
bool RegisterPlaceholderFrame(HINSTANCE instance);
HWND CreatePlaceholderFrame(HINSTANCE instance);

}  // namespace tessel
