// Command identifiers (WM_COMMAND, low 16 bits of wParam) that the main
// window itself sends or posts.
#pragma once

namespace tessel {

inline constexpr int kCmdShowWindow = 32780;     // a second start, the hot key
inline constexpr int kCmdRestoreWindow = 32781;  // the system restore command
inline constexpr int kCmdExit = 41001;
inline constexpr int kCmdToggleMaximised = 41002;

}  // namespace tessel
