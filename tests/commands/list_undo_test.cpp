// Undo, redo and the idle save in the real main window: random sequences of
// commands, mouse actions and edits taken back and made again to the byte
// of list.txt; what an undo shows; and a list written 2 s after a change,
// never rewritten without one.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include "categorybar/category_commands_win.h"
#include "categorybar/category_rename_win.h"
#include "categorybar/category_strip.h"
#include "commands/list_saving_win.h"
#include "listpane/item_editor_win.h"
#include "listpane/list_pane_win.h"
#include "process/data_files_win.h"
#include "shell/command_ids.h"
#include "storage/file_handle_win.h"
#include "storage/list_file_format.h"
#include "tests/app/message_box_watcher.h"
#include "tests/mainwindow/frame_fixture.h"

namespace tessel::test {
namespace {

const std::string kList = "A\r\n□a1\r\n■a2\r\n○a3\r\n\r\nB\r\n□b1\r\n◇b2\r\n\r\nC\r\n□c1\r\n";

constexpr int kBarY = 18 + 11;  // the middle of the category bar
constexpr int kCheckX = 14;     // a row's check box
constexpr int kTextX = 100;     // a row's text
int RowY(int row) {
    return row * 22 + 8;
}

class ListUndo : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        AppSettings.DeleteCheck = 0;
        WriteFileBytes(DataFile("list.txt"), kList);
        ASSERT_NE(Create(), nullptr);
    }

    void Command(int id) {
        SendMessageA(frame_, WM_COMMAND, static_cast<WPARAM>(id), 0);
        PumpMessages();
    }
    void Pane(UINT message, int x, int y, WPARAM keys = 0) {
        SendMessageA(ListPaneHandle, message, keys, MAKELPARAM(x, y));
        PumpMessages();
    }
    void Frame(UINT message, int x, int y, WPARAM keys = 0) {
        SendMessageA(frame_, message, keys, MAKELPARAM(x, y));
        PumpMessages();
    }
    // Types text into an open item edit and commits it.
    void TypeAndCommit(const std::string& text) {
        if (itemEditing != 0 && itemEditor != nullptr) {
            SetWindowTextA(itemEditor, text.c_str());
            Command(kCmdEditItem);
        }
    }
    int TabX(int index) const {
        for (const PlacedTab& tab : PlaceTabs(CurrentCategoryStrip()).tabs) {
            if (tab.index == index) {
                return tab.left + tab.width / 2;
            }
        }
        return -1;
    }
    std::string Saved() const { return ReadFileBytes(DataFile("list.txt")); }

    // One random command, mouse action or edit.
    void RandomAction(std::mt19937& rng) {
        const int rows = std::max(std::min(AppStore.itemCount, 8), 1);
        const int row = static_cast<int>(rng() % static_cast<unsigned>(rows));
        const int other = static_cast<int>(rng() % static_cast<unsigned>(rows));
        static const int kCommands[] = {kCmdToggleCheck,
                                        kCmdToggleStrike,
                                        kCmdToggleBold,
                                        kCmdDeleteItems,
                                        kCmdIndent,
                                        kCmdOutdent,
                                        kCmdMoveItemsUp,
                                        kCmdMoveItemsDown,
                                        kCmdCheckAll,
                                        kCmdInvertChecks,
                                        kCmdClearStrike,
                                        kCmdNewSeparator,
                                        kCmdSelectAll,
                                        kCmdNextCategory,
                                        kCmdPreviousCategory,
                                        kCmdMoveCategoryLeft,
                                        kCmdMoveCategoryRight,
                                        kCmdCut};
        switch (rng() % 9) {
            case 0:
                Command(kCmdNewItem);
                TypeAndCommit("new " + std::to_string(rng() % 100));
                break;
            case 1:
                Command(kCmdEditItem);
                TypeAndCommit(rng() % 2 ? std::string(30, 'e') : "edited");
                break;
            case 2:
                Pane(WM_LBUTTONDOWN, kCheckX, RowY(row), MK_LBUTTON);
                Pane(WM_LBUTTONUP, kCheckX, RowY(row));
                break;
            case 3:  // a drag of the row under the pointer
                Pane(WM_LBUTTONDOWN, kTextX, RowY(row), MK_LBUTTON);
                Pane(WM_MOUSEMOVE, kTextX, RowY(row) + 8, MK_LBUTTON);
                Pane(WM_MOUSEMOVE, kTextX, RowY(other), MK_LBUTTON);
                Pane(WM_LBUTTONUP, kTextX, RowY(other));
                break;
            case 4:
                Command(kCmdCopy);
                Pane(WM_LBUTTONDOWN, kTextX, RowY(other), MK_LBUTTON);
                Pane(WM_LBUTTONUP, kTextX, RowY(other));
                Command(kCmdPaste);
                break;
            case 5:
                Command(kCmdNewCategory);
                SetWindowTextA(CategoryRenameBox(), ("cat " + std::to_string(rng() % 100)).c_str());
                EndCategoryRename(1);
                break;
            case 6:
                if (AppStore.categoryCount > 1) {
                    Command(kCmdDeleteCategory);
                }
                break;
            case 7: {  // a tab dragged onto another
                const int from = static_cast<int>(rng() % AppStore.categoryCount);
                const int to = static_cast<int>(rng() % AppStore.categoryCount);
                Frame(WM_LBUTTONDOWN, TabX(from), kBarY, MK_LBUTTON);
                Frame(WM_MOUSEMOVE, TabX(to) + 1, kBarY, MK_LBUTTON);
                Frame(WM_MOUSEMOVE, TabX(to), kBarY, MK_LBUTTON);
                Frame(WM_LBUTTONUP, TabX(to), kBarY);
                break;
            }
            default:
                Pane(WM_LBUTTONDOWN, kTextX, RowY(row), MK_LBUTTON);
                Pane(WM_LBUTTONUP, kTextX, RowY(row));
                Command(kCommands[rng() % (sizeof kCommands / sizeof kCommands[0])]);
                break;
        }
    }
};

// Undoing every action gives back the list as loaded and redoing every one
// the list as it ended; list.txt saved at each step holds the same text.
TEST_F(ListUndo, RandomActionsUndoAndRedoToTheByteOfListTxt) {
    for (unsigned seed = 1; seed <= 3; ++seed) {
        std::mt19937 rng(seed);
        // The text after each action, by the number of steps done then: an
        // action is one step, or two for a new item or category and its name.
        std::map<std::size_t, std::string> texts{{0, kList}};
        for (int action = 0; action < 60; ++action) {
            RandomAction(rng);
            ASSERT_EQ(itemEditing, 0);
            const std::string text = FormatListFile(AppStore);
            const std::size_t steps = AppHistory.UndoSteps();
            const auto& last = *texts.rbegin();
            if (steps == last.first) {
                // Nothing recorded: nothing changed, but for a swap of two
                // items that read the same.
                ASSERT_EQ(text, last.second) << "seed " << seed << " action " << action;
            } else {
                ASSERT_GT(steps, last.first) << "seed " << seed << " action " << action;
                ASSERT_LE(steps, last.first + 2) << "seed " << seed << " action " << action;
                texts[steps] = text;
            }
        }
        const std::size_t end = texts.rbegin()->first;
        EXPECT_GT(end, 30u) << "most actions change the list";
        for (std::size_t step = end; step > 0; --step) {
            Command(kCmdUndo);
            ASSERT_EQ(AppHistory.UndoSteps(), step - 1);
            if (texts.count(step - 1) != 0) {
                Command(kCmdSaveList);
                ASSERT_EQ(Saved(), texts[step - 1]) << "seed " << seed << " undo to " << step - 1;
            }
        }
        for (std::size_t step = 1; step <= end; ++step) {
            Command(kCmdRedo);
            if (texts.count(step) != 0) {
                Command(kCmdSaveList);
                ASSERT_EQ(Saved(), texts[step]) << "seed " << seed << " redo to " << step;
            }
        }
        // The next seed starts from the list as loaded.
        while (AppHistory.UndoSteps() > 0) {
            Command(kCmdUndo);
        }
        AppHistory.Clear();
    }
}

TEST_F(ListUndo, AnUndoShowsTheCategoryAndSelectsWhatItTouched) {
    Command(kCmdNextCategory);
    Command(kCmdSelectAll);
    Command(kCmdDeleteItems);
    Command(kCmdPreviousCategory);
    ASSERT_EQ(AppStore.currentCategory, 0);

    Command(kCmdUndo);
    EXPECT_EQ(AppStore.currentCategory, 1);
    EXPECT_EQ(TitleBuffer, "B");
    EXPECT_EQ(AppStore.itemCount, 2);
    EXPECT_TRUE((*AppStore.currentItems)[0].selected && (*AppStore.currentItems)[1].selected);
    EXPECT_EQ(AppStore.focusIndex, 0);

    // A renamed category gets its old name back, in the title too.
    Command(kCmdRenameCategory);
    SetWindowTextA(CategoryRenameBox(), "renamed");
    EndCategoryRename(1);
    EXPECT_EQ(TitleBuffer, "renamed");
    Command(kCmdUndo);
    EXPECT_EQ(TitleBuffer, "B");
    Command(kCmdRedo);
    EXPECT_EQ(TitleBuffer, "renamed");
    Command(kCmdRedo);  // nothing more to redo
    EXPECT_EQ(TitleBuffer, "renamed");
}

// The idle save writes a change within 3 s, reports a failure once, and
// leaves a list nobody changed alone.
TEST_F(ListUndo, TheIdleSaveWritesChangesOnlyAndReportsAFailureOnce) {
    FileStamp loaded;
    ASSERT_TRUE(ReadFileStamp(DataFile("list.txt"), loaded));
    const auto waitForTimers = [](DWORD ms) {
        for (const DWORD start = GetTickCount(); GetTickCount() - start < ms;) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
            PumpMessages();
        }
    };
    Command(kCmdNextCategory);  // not a change
    waitForTimers(2600);
    FileStamp now;
    ASSERT_TRUE(ReadFileStamp(DataFile("list.txt"), now));
    EXPECT_EQ(now, loaded);

    Command(kCmdToggleCheck);
    waitForTimers(2600);
    EXPECT_EQ(Saved(), "A\r\n□a1\r\n■a2\r\n○a3\r\n\r\nB\r\n■b1\r\n◇b2\r\n\r\nC\r\n□c1\r\n");

    // The timer hands the write to a worker and looks for its end.
    const auto idleSave = [this] {
        SendMessageA(frame_, WM_TIMER, kIdleSaveTimer, 0);
        for (const DWORD start = GetTickCount();
             ListWriteUnderWay() && GetTickCount() - start < 3000;) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
            PumpMessages();
        }
        EXPECT_FALSE(ListWriteUnderWay());
    };
    MessageBoxWatcher boxes;
    ASSERT_TRUE(CreateDirectoryW(DataFile("list.txt.tmp").c_str(), nullptr));
    for (int attempt = 0; attempt < 3; ++attempt) {
        Command(kCmdToggleCheck);
        idleSave();
    }
    EXPECT_EQ(boxes.Seen().size(), 1u);
    ASSERT_TRUE(RemoveDirectoryW(DataFile("list.txt.tmp").c_str()));
    Command(kCmdToggleCheck);
    idleSave();
    EXPECT_EQ(Saved(), "A\r\n□a1\r\n■a2\r\n○a3\r\n\r\nB\r\n■b1\r\n◇b2\r\n\r\nC\r\n□c1\r\n");
    EXPECT_EQ(boxes.Seen().size(), 1u);
}

// A save or a close while the idle save writes in the background waits for
// it and writes the list as it is now; the watch takes neither write for
// another program's.
TEST_F(ListUndo, SavesWaitForTheIdleSaveUnderWayAndTheWatchKnowsItsWrite) {
    MessageBoxWatcher boxes;
    Command(kCmdToggleCheck);
    SendMessageA(frame_, WM_TIMER, kIdleSaveTimer, 0);  // hands the write to a worker
    Command(kCmdToggleCheck);
    Command(kCmdSaveList);
    EXPECT_FALSE(ListWriteUnderWay());
    EXPECT_EQ(Saved(), kList);  // the check and its undoing, the later write last

    Command(kCmdToggleCheck);
    SendMessageA(frame_, WM_TIMER, kIdleSaveTimer, 0);
    SendMessageA(frame_, WM_TIMER, kListWatchTimer, 0);  // nothing to take up meanwhile
    Command(kCmdToggleCheck);
    SendMessageA(frame_, WM_CLOSE, 0, 0);
    frame_ = nullptr;
    EXPECT_EQ(Saved(), kList);
    EXPECT_TRUE(boxes.Seen().empty());
    std::vector<std::wstring> copies;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW(DataFile("*").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    do {
        const std::wstring name = found.cFileName;
        if (name.rfind(L"list.txt", 0) == 0 && name != L"list.txt") {
            copies.push_back(name);
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
    EXPECT_TRUE(copies.empty()) << "a copy was kept of our own write";
}

}  // namespace
}  // namespace tessel::test
