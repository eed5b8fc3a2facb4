// Command identifiers (WM_COMMAND, low 16 bits of wParam) that the main
// window itself sends or posts. The whole table is mainwindow/command_table.h.
#pragma once

namespace tessel {

inline constexpr int kCmdShowWindow = 32780;     // a second start, the hot key
inline constexpr int kCmdRestoreWindow = 32781;  // the system restore command
inline constexpr int kCmdExit = 41001;
inline constexpr int kCmdToggleMaximised = 41002;
inline constexpr int kCmdRenameCategory = 41102;
inline constexpr int kCmdSelectFirstCategory = 41104;  // Ctrl+1; Ctrl+0 is the tenth
inline constexpr int kCmdNewItem = 41201;
inline constexpr int kCmdEditItem = 41202;

}  // namespace tessel
