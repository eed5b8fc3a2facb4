#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "storage/list_file_format.h"
#include "storage/list_merge.h"

namespace tessel {
namespace {

// Lists are written as list.txt with "|" for each line end; "||" is the
// blank line between categories. Separators read back as four dashes
// unless a case says otherwise.
std::string FileOf(std::string text) {
    for (std::size_t at = text.find('|'); at != std::string::npos; at = text.find('|', at)) {
        text.replace(at, 1, "\r\n");
    }
    return text.empty() ? text : text + "\r\n";
}

std::unique_ptr<ListStore> Load(const std::string& text, int separatorLength = 4) {
    auto store = std::make_unique<ListStore>();
    ParseListFile(FileOf(text), *store, separatorLength, 5, nullptr);
    return store;
}

struct MergeCase {
    const char* name;
    const char* base;
    const char* ours;
    const char* theirs;
    const char* merged;
    int conflicts;
    bool differs;
};

const MergeCase kMergeCases[] = {
    {"theirs alone checked", "A|□x|□y", "A|□x|□y", "A|■x|□y", "A|■x|□y", 0, false},
    {"ours alone added", "A|□x", "A|□x|□z", "A|□x", "A|□x|□z", 0, true},
    {"the same check on both sides once", "A|□x|□y", "A|■x|□y", "A|■x|□y", "A|■x|□y", 0, false},
    {"insertions at one place: both, ours first", "A|□x|□y", "A|□x|□o|□y", "A|□x|□t|□y",
     "A|□x|□o|□t|□y", 0, true},
    {"the same paste on both sides once", "A|□x", "A|□p|□q|□x", "A|□p|□q|□x", "A|□p|□q|□x", 0,
     false},
    {"pastes into two categories", "A|□a||B|□b", "A|□a|□1|□2||B|□b", "A|□a||B|□b|□3|□4",
     "A|□a|□1|□2||B|□b|□3|□4", 0, true},
    {"deleted on ours, checked on theirs: kept, checked", "A|□x|□y", "A|□y", "A|■x|□y", "A|■x|□y",
     0, false},
    {"deleted on theirs, new text on ours: kept", "A|□x|□y", "A|□x2|□y", "A|□y", "A|□x2|□y", 0,
     true},
    {"deleted on one side, unchanged on the other", "A|□x|□y", "A|□y", "A|□x|□y", "A|□y", 0, true},
    {"a check and a new text both apply", "A|□牛乳|□卵", "A|■牛乳|□卵", "A|□牛乳 2本|□卵",
     "A|■牛乳 2本|□卵", 0, true},
    {"a new text among new lines still pairs with its item", "A|□牛乳|□卵", "A|■牛乳|□卵",
     "A|□牛乳を2本|□パン|□卵", "A|■牛乳を2本|□パン|□卵", 0, true},
    {"a check and an indent both apply", "A|□x", "A|■x", "A|\t□x", "A|\t■x", 0, true},
    {"two texts: both, ours first", "A|□x|□y", "A|□x1|□y", "A|□x2|□y", "A|□x1|□x2|□y", 1, true},
    {"two styles: both", "A|□x", "A|◇x", "A|○x", "A|◇x|○x", 1, true},
    {"renamed on ours, item checked on theirs", "A|□x|□y||B|□z", "A2|□x|□y||B|□z", "A|□x|■y||B|□z",
     "A2|□x|■y||B|□z", 0, true},
    {"renamed differently: both", "A|□x", "A1|□x", "A2|□x", "A1|□x||A2|□x", 1, true},
    {"category deleted on ours, changed on theirs: kept, counted", "A|□x||B|□y", "B|□y",
     "A|■x||B|□y", "A|■x||B|□y", 1, false},
    {"category deleted on ours, unchanged on theirs", "A|□x||B|□y", "B|□y", "A|□x||B|□y", "B|□y", 0,
     true},
    {"one new category of a name on both sides", "A|□x", "A|□x||N|□p", "A|□x||N|□p|□q",
     "A|□x||N|□p|□q", 0, false},
    {"category moved on ours, item checked on theirs", "A|□a||B|□b", "B|□b||A|□a", "A|■a||B|□b",
     "B|□b||A|■a", 0, true},
    {"a duplicate added on ours and one deleted on theirs", "A|□x|□x", "A|□x|□x|□x", "A|□x",
     "A|□x|□x", 0, true},
    {"everything deleted on theirs", "A|□x", "A|□x", "", "", 0, false},
};

TEST(ListMergeTest, FollowsTheRules) {
    for (const MergeCase& c : kMergeCases) {
        SCOPED_TRACE(c.name);
        const ListMerge merge = MergeLists(*Load(c.base), *Load(c.ours), *Load(c.theirs));
        EXPECT_EQ(FormatListFile(merge.list), FormatListFile(*Load(c.merged)));
        EXPECT_EQ(merge.conflicts, c.conflicts);
        EXPECT_EQ(merge.differsFromTheirs, c.differs);
        EXPECT_EQ(merge.list.categoryCount, merge.list.CountCategories());
    }
}

TEST(ListMergeTest, SeparatorsMatchWhateverTheirLength) {
    // Ours was read with eight dashes a separator, the others with four.
    const ListMerge merge = MergeLists(*Load("A|□-|□x"), *Load("A|\t□-|□x", 8), *Load("A|□-|■x"));
    EXPECT_EQ(FormatListFile(merge.list), FileOf("A|\t□----|■x"));
    EXPECT_EQ(merge.conflicts, 0);
}

TEST(ListMergeTest, TellsWhichCategoryOfOursEachContinues) {
    const ListMerge merge =
        MergeLists(*Load("A|□x||B|□y"), *Load("B2|□y||A|□x"), *Load("A|□x||B|□y||C|□n"));
    EXPECT_EQ(FormatListFile(merge.list), FileOf("B2|□y||A|□x||C|□n"));
    EXPECT_EQ(merge.oursCategory, (std::vector<int>{0, 1, -1}));
}

struct UnionCase {
    const char* name;
    const char* ours;
    const char* theirs;
    const char* merged;
};

const UnionCase kUnionCases[] = {
    {"lines of both, in order", "A|□x|□y", "A|□y|□z", "A|□x|□y|□z"},
    {"a line deleted on ours comes back", "A|□x", "A|□x|□y", "A|□x|□y"},
    {"a checked and an unchecked line are two lines", "A|■x", "A|□x", "A|■x|□x"},
    {"categories by name, in order", "A|□a||C|□c", "A|□a||B|□b||C|□c", "A|□a||B|□b||C|□c"},
    {"ours first where the order differs", "A|□a||B|□b", "C|□c", "A|□a||B|□b||C|□c"},
};

TEST(ListMergeTest, UnionKeepsEveryLine) {
    for (const UnionCase& c : kUnionCases) {
        SCOPED_TRACE(c.name);
        const ListMerge merge = UnionLists(*Load(c.ours), *Load(c.theirs));
        EXPECT_EQ(FormatListFile(merge.list), FormatListFile(*Load(c.merged)));
        EXPECT_EQ(merge.conflicts, 0);
    }
}

TEST(ListMergeTest, ChoosesTheNearestBaseTheNewestOnATie) {
    const auto theirs = Load("A|□x|□y|□z||B|□b");
    const auto far = Load("A|□x");                  // 3 lines apart
    const auto near = Load("A|□x|□y||B|□b");        // 1
    const auto renamed = Load("A2|□x|□y||B|□b");    // 1: names are not counted
    const auto checked = Load("A|□x|□y|■z||B|□b");  // 2: a check is a line out, a line in
    EXPECT_EQ(CountChangedLines(*far, *theirs), 3u);
    EXPECT_EQ(CountChangedLines(*checked, *theirs), 2u);
    EXPECT_EQ(ChooseMergeBase({far.get(), near.get(), checked.get()}, *theirs), 1);
    EXPECT_EQ(ChooseMergeBase({near.get(), renamed.get(), far.get()}, *theirs), 1);
    EXPECT_EQ(ChooseMergeBase({theirs.get(), near.get()}, *theirs), 0);
    EXPECT_EQ(ChooseMergeBase({}, *theirs), -1);
}

TEST(ListMergeTest, RecognisesSyncToolsConflictCopies) {
    const struct {
        const wchar_t* name;
        bool copy;
    } kNames[] = {
        {L"list-DESKTOP-1A2B3C.txt", true},
        {L"list (DESKTOP の競合コピー 2024-05-01).txt", true},
        {L"list (laptop's conflicted copy 2024-05-01).txt", true},
        {L"list.sync-conflict-20240501-101500-ABCDEFG.txt", true},
        {L"list (1).txt", true},
        {L"LIST (2).TXT", true},
        {L"list.txt", false},
        {L"list.txt.changed-20240501-101500", false},
        {L"list.txt.merged-20240501-101500", false},
        {L"list.txt.unread-20240501-101500", false},
        {L"list-.txt", false},
        {L"list ().txt", false},
        {L"list (1).txt.tmp", false},
        {L"system.ini", false},
        {L"mylist (1).txt", false},
    };
    for (const auto& entry : kNames) {
        EXPECT_EQ(IsListConflictCopyName(entry.name), entry.copy) << entry.name;
    }
}

}  // namespace
}  // namespace tessel
