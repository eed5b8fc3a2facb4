#include "mainwindow/command_table.h"

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
    {32780, kRI, CommandOp::ShowWindow},  // a second start, the hot key
    {32781, kRI, CommandOp::ShowWindow},  // the system restore command
    {41001, kRI, CommandOp::Exit},
    {41002, kRI, CommandOp::ToggleMaximised},
    {41003, kRI, CommandOp::Hide},
    {41004, kRI, CommandOp::ToggleTopmost},
    {41005, kRI, CommandOp::ToggleCategoryBar},
    {41006, kRI, CommandOp::ToggleCheckMoveDown},
    {41007, kRI, CommandOp::ToggleTrayMode},
    {41008, kRI, CommandOp::FrameMenu},
    {41009, kRI, CommandOp::SaveList},
    {41101, kRI, CommandOp::NewCategory},
    {41102, kI, CommandOp::RenameCategory},
    {41103, kRI, CommandOp::DeleteCategory},
    {41104, kRI, CommandOp::SelectCategoryNumber}, {41105, kRI, CommandOp::SelectCategoryNumber},
    {41106, kRI, CommandOp::SelectCategoryNumber}, {41107, kRI, CommandOp::SelectCategoryNumber},
    {41108, kRI, CommandOp::SelectCategoryNumber}, {41109, kRI, CommandOp::SelectCategoryNumber},
    {41110, kRI, CommandOp::SelectCategoryNumber}, {41111, kRI, CommandOp::SelectCategoryNumber},
    {41112, kRI, CommandOp::SelectCategoryNumber}, {41113, kRI, CommandOp::SelectCategoryNumber},
    {41114, kRI0, CommandOp::PreviousCategory},  // Left: an open item edit is dropped
    {41115, kRI, CommandOp::NextCategory},
    {41116, kRI, CommandOp::MoveCategoryLeft},
    {41117, kRI, CommandOp::MoveCategoryRight},
    {41118, kRI, CommandOp::ScrollBarLeft},
    {41119, kRI, CommandOp::ScrollBarRight},
    {41201, kRI, CommandOp::NewItem},
    {41202, kR, CommandOp::EditItem},  // commits an open edit itself
    {41203, kRG, CommandOp::ToggleCheck},
    {41204, kRG, CommandOp::Cut},
    {41205, kRG, CommandOp::Copy},
    {41206, kRG, CommandOp::Paste},
    {41207, kRG, CommandOp::DeleteItems},
    {41208, kRG, CommandOp::ToggleStrike},
    {41209, kRG, CommandOp::ToggleBold},
    {41210, kRI, CommandOp::NewSeparator},
    {41211, kRG, CommandOp::Indent},
    {41212, kRG, CommandOp::Outdent},
    {41213, kRG, CommandOp::SelectAll},
    {41214, kRG, CommandOp::SelectChecked},
    {41215, kRG, CommandOp::SelectUnchecked},
    {41216, kRG, CommandOp::SelectStrike},
    {41217, kRG, CommandOp::SelectBold},
    {41218, kRG, CommandOp::CheckAll},
    {41219, kRG, CommandOp::UncheckAll},
    {41220, kRG, CommandOp::InvertChecks},
    {41221, kRG, CommandOp::ClearStrike},
    {41222, kRG, CommandOp::ClearBold},
    {41223, kRI, CommandOp::MoveItemsUp},
    {41224, kRI, CommandOp::MoveItemsDown},
    {41225, kRG, CommandOp::CutText},
    {41226, kRG, CommandOp::CopyText},
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
