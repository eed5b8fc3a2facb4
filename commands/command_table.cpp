#include "commands/command_table.h"

#include "shell/command_ids.h"

namespace tessel {
namespace {

constexpr CommandPrep kRI{true, ItemEditPrep::Commit};
constexpr CommandPrep kRI0{true, ItemEditPrep::Discard};
constexpr CommandPrep kRG{true, ItemEditPrep::Refuse};
constexpr CommandPrep kR{true, ItemEditPrep::None};
// Renaming while a rename is open does nothing, so the open one stays.
constexpr CommandPrep kI{false, ItemEditPrep::Commit};

}  // namespace

// clang-format off
const CommandRow kCommandTable[kCommandCount] = {
    {kCmdShowWindow, kRI, CommandOp::ShowWindow},
    {kCmdRestoreWindow, kRI, CommandOp::ShowWindow},
    {kCmdExit, kRI, CommandOp::Exit},
    {kCmdToggleMaximised, kRI, CommandOp::ToggleMaximised},
    {kCmdHide, kRI, CommandOp::Hide},
    {kCmdToggleTopmost, kRI, CommandOp::ToggleTopmost},
    {kCmdToggleCategoryBar, kRI, CommandOp::ToggleCategoryBar},
    {kCmdToggleCheckMoveDown, kRI, CommandOp::ToggleCheckMoveDown},
    {kCmdToggleTrayMode, kRI, CommandOp::ToggleTrayMode},
    {kCmdFrameMenu, kRI, CommandOp::FrameMenu},
    {kCmdSaveList, kRI, CommandOp::SaveList},
    {kCmdNewCategory, kRI, CommandOp::NewCategory},
    {kCmdRenameCategory, kI, CommandOp::RenameCategory},
    {kCmdDeleteCategory, kRI, CommandOp::DeleteCategory},
    {kCmdSelectCategory1, kRI, CommandOp::SelectCategoryNumber},
    {kCmdSelectCategory2, kRI, CommandOp::SelectCategoryNumber},
    {kCmdSelectCategory3, kRI, CommandOp::SelectCategoryNumber},
    {kCmdSelectCategory4, kRI, CommandOp::SelectCategoryNumber},
    {kCmdSelectCategory5, kRI, CommandOp::SelectCategoryNumber},
    {kCmdSelectCategory6, kRI, CommandOp::SelectCategoryNumber},
    {kCmdSelectCategory7, kRI, CommandOp::SelectCategoryNumber},
    {kCmdSelectCategory8, kRI, CommandOp::SelectCategoryNumber},
    {kCmdSelectCategory9, kRI, CommandOp::SelectCategoryNumber},
    {kCmdSelectCategory10, kRI, CommandOp::SelectCategoryNumber},
    {kCmdPreviousCategory, kRI0, CommandOp::PreviousCategory},  // drops an open item edit
    {kCmdNextCategory, kRI, CommandOp::NextCategory},
    {kCmdMoveCategoryLeft, kRI, CommandOp::MoveCategoryLeft},
    {kCmdMoveCategoryRight, kRI, CommandOp::MoveCategoryRight},
    {kCmdScrollBarLeft, kRI, CommandOp::ScrollBarLeft},
    {kCmdScrollBarRight, kRI, CommandOp::ScrollBarRight},
    {kCmdNewItem, kRI, CommandOp::NewItem},
    {kCmdEditItem, kR, CommandOp::EditItem},  // commits an open edit itself
    {kCmdToggleCheck, kRG, CommandOp::ToggleCheck},
    {kCmdCut, kRG, CommandOp::Cut},
    {kCmdCopy, kRG, CommandOp::Copy},
    {kCmdPaste, kRG, CommandOp::Paste},
    {kCmdDeleteItems, kRG, CommandOp::DeleteItems},
    {kCmdToggleStrike, kRG, CommandOp::ToggleStrike},
    {kCmdToggleBold, kRG, CommandOp::ToggleBold},
    {kCmdNewSeparator, kRI, CommandOp::NewSeparator},
    {kCmdIndent, kRG, CommandOp::Indent},
    {kCmdOutdent, kRG, CommandOp::Outdent},
    {kCmdSelectAll, kRG, CommandOp::SelectAll},
    {kCmdSelectChecked, kRG, CommandOp::SelectChecked},
    {kCmdSelectUnchecked, kRG, CommandOp::SelectUnchecked},
    {kCmdSelectStrike, kRG, CommandOp::SelectStrike},
    {kCmdSelectBold, kRG, CommandOp::SelectBold},
    {kCmdCheckAll, kRG, CommandOp::CheckAll},
    {kCmdUncheckAll, kRG, CommandOp::UncheckAll},
    {kCmdInvertChecks, kRG, CommandOp::InvertChecks},
    {kCmdClearStrike, kRG, CommandOp::ClearStrike},
    {kCmdClearBold, kRG, CommandOp::ClearBold},
    {kCmdMoveItemsUp, kRI, CommandOp::MoveItemsUp},
    {kCmdMoveItemsDown, kRI, CommandOp::MoveItemsDown},
    {kCmdCutText, kRG, CommandOp::CutText},
    {kCmdCopyText, kRG, CommandOp::CopyText},
    {kCmdUndo, kRI, CommandOp::Undo},
    {kCmdRedo, kRI, CommandOp::Redo},
};
// clang-format on

const CommandRow* FindCommand(std::uint32_t wParamLow) {
    const std::int32_t id = static_cast<std::int32_t>(wParamLow & 0xFFFF);
    for (const CommandRow& row : kCommandTable) {
        if (row.id == id) {
            return &row;
        }
    }
    return nullptr;
}

}  // namespace tessel
