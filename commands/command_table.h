// Every command identifier the main window carries out, with what is done to
// open in-place edits before it and which operation follows. The dispatcher
// (commands/command_dispatch_win.h) runs this table; nothing else decides.
#pragma once

#include <cstdint>

#include "editing/action_prep.h"

namespace tessel {

// Before the operation, what is done to an open edit (BeginUserAction).
using CommandPrep = ActionPrep;

enum class CommandOp : std::uint8_t {
    ShowWindow,
    Exit,
    ToggleMaximised,
    Hide,
    ToggleTopmost,
    ToggleCategoryBar,
    ToggleCheckMoveDown,
    ToggleTrayMode,
    FrameMenu,
    SaveList,
    NewCategory,
    RenameCategory,
    DeleteCategory,
    SelectCategoryNumber,  // category (identifier - kCmdSelectCategory1)
    PreviousCategory,
    NextCategory,
    MoveCategoryLeft,
    MoveCategoryRight,
    ScrollBarLeft,
    ScrollBarRight,
    NewItem,
    EditItem,
    ToggleCheck,
    Cut,
    Copy,
    Paste,
    DeleteItems,
    ToggleStrike,
    ToggleBold,
    NewSeparator,
    Indent,
    Outdent,
    SelectAll,
    SelectChecked,
    SelectUnchecked,
    SelectStrike,
    SelectBold,
    CheckAll,
    UncheckAll,
    InvertChecks,
    ClearStrike,
    ClearBold,
    MoveItemsUp,
    MoveItemsDown,
    CutText,
    CopyText,
    Undo,
    Redo,
    Count
};

struct CommandRow {
    std::int32_t id;
    CommandPrep prep;
    CommandOp op;
};

// The 54 shortcuts, the two window requests, undo and redo.
inline constexpr int kCommandCount = 58;
extern const CommandRow kCommandTable[kCommandCount];

// The row of an identifier (only the low 16 bits count), or null when the
// identifier is unknown.
const CommandRow* FindCommand(std::uint32_t wParamLow);

}  // namespace tessel
