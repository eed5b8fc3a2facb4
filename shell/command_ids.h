// Every command identifier (WM_COMMAND, low 16 bits of wParam), each named
// once: what the shortcuts, the menus and the tray send, and what the main
// window's dispatch table (commands/command_table.h) carries out.
#pragma once

namespace tessel {

// 32780-32781: bringing the window back.
inline constexpr int kCmdShowWindow = 32780;     // a second start, the hot key
inline constexpr int kCmdRestoreWindow = 32781;  // the system restore command

// 41001-41009: the window and the settings.
inline constexpr int kCmdExit = 41001;
inline constexpr int kCmdToggleMaximised = 41002;
inline constexpr int kCmdHide = 41003;
inline constexpr int kCmdToggleTopmost = 41004;
inline constexpr int kCmdToggleCategoryBar = 41005;
inline constexpr int kCmdToggleCheckMoveDown = 41006;
inline constexpr int kCmdToggleTrayMode = 41007;
inline constexpr int kCmdFrameMenu = 41008;
inline constexpr int kCmdSaveList = 41009;

// 41101-41119: the categories.
inline constexpr int kCmdNewCategory = 41101;
inline constexpr int kCmdRenameCategory = 41102;
inline constexpr int kCmdDeleteCategory = 41103;
// Ctrl+1 .. Ctrl+9 and Ctrl+0: the first ten categories, in order.
inline constexpr int kCmdSelectCategory1 = 41104;
inline constexpr int kCmdSelectCategory2 = 41105;
inline constexpr int kCmdSelectCategory3 = 41106;
inline constexpr int kCmdSelectCategory4 = 41107;
inline constexpr int kCmdSelectCategory5 = 41108;
inline constexpr int kCmdSelectCategory6 = 41109;
inline constexpr int kCmdSelectCategory7 = 41110;
inline constexpr int kCmdSelectCategory8 = 41111;
inline constexpr int kCmdSelectCategory9 = 41112;
inline constexpr int kCmdSelectCategory10 = 41113;
inline constexpr int kCmdPreviousCategory = 41114;
inline constexpr int kCmdNextCategory = 41115;
inline constexpr int kCmdMoveCategoryLeft = 41116;
inline constexpr int kCmdMoveCategoryRight = 41117;
inline constexpr int kCmdScrollBarLeft = 41118;
inline constexpr int kCmdScrollBarRight = 41119;

// 41201-41226: the items of the current category.
inline constexpr int kCmdNewItem = 41201;
inline constexpr int kCmdEditItem = 41202;
inline constexpr int kCmdToggleCheck = 41203;
inline constexpr int kCmdCut = 41204;
inline constexpr int kCmdCopy = 41205;
inline constexpr int kCmdPaste = 41206;
inline constexpr int kCmdDeleteItems = 41207;
inline constexpr int kCmdToggleStrike = 41208;  // "cancelled"
inline constexpr int kCmdToggleBold = 41209;    // "emphasised"
inline constexpr int kCmdNewSeparator = 41210;
inline constexpr int kCmdIndent = 41211;
inline constexpr int kCmdOutdent = 41212;
inline constexpr int kCmdSelectAll = 41213;
inline constexpr int kCmdSelectChecked = 41214;
inline constexpr int kCmdSelectUnchecked = 41215;
inline constexpr int kCmdSelectStrike = 41216;
inline constexpr int kCmdSelectBold = 41217;
inline constexpr int kCmdCheckAll = 41218;
inline constexpr int kCmdUncheckAll = 41219;
inline constexpr int kCmdInvertChecks = 41220;
inline constexpr int kCmdClearStrike = 41221;
inline constexpr int kCmdClearBold = 41222;
inline constexpr int kCmdMoveItemsUp = 41223;
inline constexpr int kCmdMoveItemsDown = 41224;
inline constexpr int kCmdCutText = 41225;   // as plain text, without markers
inline constexpr int kCmdCopyText = 41226;  // as plain text, without markers
inline constexpr int kCmdUndo = 41227;
inline constexpr int kCmdRedo = 41228;

}  // namespace tessel
