// What each command does to open in-place edits before it runs.
#include <gtest/gtest.h>

#include <set>

#include "commands/command_table.h"

namespace tessel {
namespace {

TEST(CommandTable, PreparationOfEveryIdentifier) {
    // Refused while an item is edited: they act on the selection.
    const std::set<int> refused = {41203, 41204, 41205, 41206, 41207, 41208, 41209,
                                   41211, 41212, 41213, 41214, 41215, 41216, 41217,
                                   41218, 41219, 41220, 41221, 41222, 41225, 41226};
    int rows = 0;
    for (const CommandRow& row : kCommandTable) {
        ++rows;
        SCOPED_TRACE(row.id);
        EXPECT_EQ(row.prep.commitRename, row.id != 41102);
        ItemEditPrep expected = ItemEditPrep::Commit;
        if (refused.count(row.id)) {
            expected = ItemEditPrep::Refuse;
        } else if (row.id == 41114) {
            expected = ItemEditPrep::Discard;  // Left drops the edit, Right keeps it
        } else if (row.id == 41202) {
            expected = ItemEditPrep::None;  // Enter ends an open edit itself
        }
        EXPECT_EQ(row.prep.itemEdit, expected);
    }
    EXPECT_EQ(rows, 58);
}

TEST(CommandTable, LookupReadsTheLowWordOnly) {
    ASSERT_NE(FindCommand(0x0001A0F3u), nullptr);  // an accelerator's notification code
    EXPECT_EQ(FindCommand(0x0001A0F3u)->op, CommandOp::ToggleCheck);
    EXPECT_EQ(FindCommand(41113)->op, CommandOp::SelectCategoryNumber);
    EXPECT_EQ(FindCommand(32781)->op, CommandOp::ShowWindow);
    EXPECT_EQ(FindCommand(41120), nullptr);
    EXPECT_EQ(FindCommand(1), nullptr);  // category menu entries never come here
}

TEST(CommandTable, EveryOperationHasACommand) {
    std::set<CommandOp> ops;
    for (const CommandRow& row : kCommandTable) {
        ops.insert(row.op);
    }
    EXPECT_EQ(ops.size(), static_cast<std::size_t>(CommandOp::Count));
}

}  // namespace
}  // namespace tessel
