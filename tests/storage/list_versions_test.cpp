#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "storage/list_apply.h"
#include "storage/list_file_format.h"
#include "storage/list_merge.h"
#include "storage/list_versions.h"
#include "store/list_history.h"

namespace tessel {
namespace {

TEST(ListVersions, WritesComeBackByteForByteAndAreThinnedByTime) {
    ListVersions versions;
    EXPECT_EQ(versions.Count(), 0u);
    versions.NoteWrite("A\r\n□x\r\n", 0);  // no version read: the write alone
    ASSERT_EQ(versions.Count(), 1u);
    EXPECT_EQ(versions.Version(0), "A\r\n□x\r\n");

    const std::string read = "A\r\n□x\r\n□y\r\n\r\nB\r\n□z";
    versions.SetRead(read);
    ASSERT_EQ(versions.Count(), 1u);
    struct Step {
        std::int64_t time;
        std::string bytes;
        std::size_t count;  // versions after the write, the one read included
    };
    const Step steps[] = {
        {100, "A\r\n□x\r\n□new\r\n□y\r\n\r\nB\r\n□z", 2},
        {105, "A\r\n■x\r\n□new\r\n□y\r\n\r\nB\r\n□z\n", 2},  // under 10 s: takes its place
        {120, "B\r\n□z", 3},
        {130, "", 4},
        {125 + ListVersions::kKeepSeconds, "Q\n□q\n", 3},      // the oldest two are past
        {200 + 2 * ListVersions::kKeepSeconds, "Q\n□q\n", 2},  // the latest always stays
    };
    for (const Step& step : steps) {
        versions.NoteWrite(step.bytes, step.time);
        ASSERT_EQ(versions.Count(), step.count) << step.time;
        EXPECT_EQ(versions.Version(0), read);
        EXPECT_EQ(versions.Version(step.count - 1), step.bytes) << step.time;
    }
    EXPECT_EQ(versions.Version(1), "Q\n□q\n");
    versions.Clear();
    EXPECT_EQ(versions.Count(), 0u);
}

std::unique_ptr<ListStore> Load(const std::string& bytes) {
    auto store = std::make_unique<ListStore>();
    ParseListFile(bytes, *store, 4, 5, nullptr);
    return store;
}

// Ours is brought to the merge in place, and one undo gives it back with
// the steps before it intact.
TEST(ApplyListInPlace, OneUndoStepGivesOursBack) {
    struct Case {
        const char* base;
        const char* ours;
        const char* theirs;
    };
    const Case cases[] = {
        {"A\r\n□a\r\n\r\nB\r\n□b\r\n", "A\r\n□a\r\n□1\r\n\r\nB\r\n□b\r\n",
         "A\r\n□a\r\n\r\nB\r\n□b\r\n□2\r\n"},
        {"A\r\n□a\r\n\r\nB\r\n□b\r\n", "A\r\n□a\r\n\r\nB\r\n□b\r\n",
         "N\r\n□n\r\n\r\nB\r\n■b\r\n\r\nA\r\n□a\r\n"},
        {"A\r\n□a\r\n□c\r\n\r\nB\r\n□b\r\n", "A2\r\n□a\r\n□c\r\n\r\nB\r\n□b\r\n",
         "A\r\n■a\r\n□x\r\n"},
        {"A\r\n□a\r\n", "A\r\n□a1\r\n", "A\r\n□a2\r\n\r\nC\r\n"},
        {"A\r\n□a\r\n", "A\r\n□a\r\n", ""},
    };
    for (const Case& c : cases) {
        const auto base = Load(c.base);
        const auto theirs = Load(c.theirs);
        ListStore store;
        ListHistory history;
        store.history = &history;
        ParseListFile(c.ours, store, 4, 5, nullptr);
        // An earlier step of the user's: a category renamed.
        CategoryInfo first;
        if (store.GetCategory(0, first) == 1) {
            store.RenameCategory(0, "Z", 0);
            RecordChange(store, [&](ListHistory& h) { h.CategoryRenamed(0, first.name, 0); });
            history.Seal();
        }
        const std::string ours = FormatListFile(store);
        const auto oursStore = Load(ours);

        ListMerge merge = MergeLists(*base, *oursStore, *theirs);
        const std::string merged = FormatListFile(merge.list);
        ApplyListInPlace(store, merge.list, merge.oursCategory);
        EXPECT_EQ(FormatListFile(store), merged) << c.ours;
        if (merged == ours) {
            continue;  // nothing changed: no step
        }
        const std::size_t steps = history.UndoSteps();
        history.Undo(store);
        EXPECT_EQ(FormatListFile(store), ours) << c.ours;
        history.Redo(store);
        EXPECT_EQ(FormatListFile(store), merged) << c.ours;
        history.Undo(store);
        history.Undo(store);
        EXPECT_EQ(history.UndoSteps(), steps - 2);
        EXPECT_EQ(FormatListFile(store), c.ours) << c.ours;
    }
}

}  // namespace
}  // namespace tessel
