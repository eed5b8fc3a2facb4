// No line lost around a save, in the real main window: a save that fails
// is reported, a close and a session end that meet one keep the program,
// the change counter follows every command, and another program's version
// of list.txt is taken up or kept.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "categorybar/category_commands_win.h"
#include "categorybar/category_rename_win.h"
#include "listpane/item_editor_win.h"
#include "process/data_files_win.h"
#include "process/list_folder_watch_win.h"
#include "process/wide_text_win.h"
#include "saving/list_saving_win.h"
#include "shell/command_ids.h"
#include "storage/file_handle_win.h"
#include "storage/list_file_format.h"
#include "tests/app/message_box_watcher.h"
#include "tests/mainwindow/frame_fixture.h"

namespace tessel::test {
namespace {

const std::string kList = "A\r\n□a1\r\n□a2\r\n\r\nB\r\n□b1\r\n■b2\r\n□b3\r\n";

class ListSaving : public FrameTest {
  protected:
    void SetUp() override {
        FrameTest::SetUp();
        WriteFileBytes(DataFile("list.txt"), kList);
        ASSERT_NE(Create(), nullptr);
    }

    void Command(int id) {
        SendMessageA(frame_, WM_COMMAND, static_cast<WPARAM>(id), 0);
        PumpMessages();
    }

    // The temporary file of a save cannot be made: a folder has its name.
    void BlockSaves() { ASSERT_TRUE(CreateDirectoryW(DataFile("list.txt.tmp").c_str(), nullptr)); }
    void AllowSaves() { ASSERT_TRUE(RemoveDirectoryW(DataFile("list.txt.tmp").c_str())); }

    // Replaces list.txt as sync tools do: a new file renamed over it.
    void ReplaceFromOutside(const std::string& bytes) {
        WriteFileBytes(DataFile("outside.tmp"), bytes);
        ASSERT_TRUE(MoveFileExW(DataFile("outside.tmp").c_str(), DataFile("list.txt").c_str(),
                                MOVEFILE_REPLACE_EXISTING));
    }

    void WatchTick() {
        SendMessageA(frame_, WM_TIMER, kListWatchTimer, 0);
        PumpMessages();
    }

    // The names (ASCII) of the files in the data folder that start with prefix.
    std::vector<std::string> FilesStartingWith(const std::string& prefix) const {
        std::vector<std::string> names;
        WIN32_FIND_DATAW found{};
        HANDLE search = FindFirstFileW((DataFile(prefix.c_str()) + L"*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::string name = Cp932FromWide(found.cFileName);
                // "list.txt.*" matches "list.txt" too.
                if (name.rfind(prefix, 0) == 0 && prefix.size() < name.size()) {
                    names.push_back(name);
                }
            } while (FindNextFileW(search, &found));
            FindClose(search);
        }
        return names;
    }

    static std::string Title() { return TitleBuffer; }
};

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST_F(ListSaving, AFailedSaveIsReportedWithThePath) {
    MessageBoxWatcher boxes;
    Command(kCmdNewCategory);
    EndCategoryRename(1);  // the new category opened its name for editing
    BlockSaves();
    Command(kCmdSaveList);
    const std::vector<SeenMessageBox> seen = boxes.Seen();
    ASSERT_EQ(seen.size(), 1u);
    // The path as it is, "é" and "ø" too.
    EXPECT_EQ(seen[0].wideText,
              WideFromCp932("ファイル保存に失敗しました。\n\n処理内容：リストファイル保存\n") +
                  DataFile("list.txt"));
    EXPECT_TRUE(Contains(seen[0].caption, "てっせるリスト [ErrerID:")) << seen[0].caption;
    EXPECT_EQ(ReadFileBytes(DataFile("list.txt")), kList);
    EXPECT_TRUE(ListHasUnsavedChanges());

    AllowSaves();
    Command(kCmdSaveList);
    EXPECT_EQ(boxes.Seen().size(), 1u);
    EXPECT_FALSE(ListHasUnsavedChanges());
    EXPECT_EQ(ReadFileBytes(DataFile("list.txt")), kList + "\r\n新規カテゴリ\r\n");
}

// The idle save meets a full disk: one message, then silent tries every
// FailedSaveRetryDelay until the list is written, with no new change.
TEST_F(ListSaving, AFailedIdleSaveIsTriedAgainUntilTheListIsWritten) {
    MessageBoxWatcher boxes;
    FailedSaveRetryDelay = 200;
    Command(kCmdToggleCheck);
    BlockSaves();
    SendMessageA(frame_, WM_TIMER, kIdleSaveTimer, 0);
    // Pumps for ms milliseconds, or until list.txt holds the checked list
    // and the worker's write is taken.
    const std::string checked = "A\r\n■a1\r\n□a2\r\n\r\nB\r\n□b1\r\n■b2\r\n□b3\r\n";
    const auto pumpUntilSaved = [&](DWORD ms) {
        const DWORD end = GetTickCount() + ms;
        while (GetTickCount() < end &&
               (ReadFileBytes(DataFile("list.txt")) != checked || ListWriteUnderWay())) {
            PumpMessages();
            Sleep(20);
        }
    };
    pumpUntilSaved(700);  // three tries
    EXPECT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(ReadFileBytes(DataFile("list.txt")), kList);

    AllowSaves();
    pumpUntilSaved(3000);
    FailedSaveRetryDelay = kFailedSaveRetryDelay;
    EXPECT_EQ(ReadFileBytes(DataFile("list.txt")), checked);
    EXPECT_FALSE(ListHasUnsavedChanges());
    EXPECT_EQ(boxes.Seen().size(), 1u);
}

TEST_F(ListSaving, ACloseThatCannotSaveAsksAndNoKeepsEverything) {
    MessageBoxWatcher boxes;
    Command(kCmdNewItem);
    SetWindowTextA(itemEditor, "added");
    Command(kCmdEditItem);
    BlockSaves();
    SendMessageA(frame_, WM_CLOSE, 0, 0);
    PumpMessages();
    std::vector<SeenMessageBox> seen = boxes.Seen();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_TRUE(Contains(seen[0].text, "処理内容：リストファイル保存"));
    EXPECT_EQ(seen[1].text, "リストを保存できませんでした。保存せずに終了しますか？");
    // No: the window, its list and its watch go on as before.
    ASSERT_TRUE(IsWindow(frame_));
    EXPECT_TRUE(IsWindowVisible(frame_));
    EXPECT_EQ(AppStore.categoryCount, 2);
    EXPECT_EQ(AppStore.itemCount, 3);
    EXPECT_EQ(ReadFileBytes(DataFile("list.txt")), kList);

    // Once there is room again, the close saves every line.
    AllowSaves();
    SendMessageA(frame_, WM_CLOSE, 0, 0);
    PumpMessages();
    EXPECT_FALSE(IsWindow(frame_));
    EXPECT_EQ(ReadFileBytes(DataFile("list.txt")),
              "A\r\n□added\r\n□a1\r\n□a2\r\n\r\nB\r\n□b1\r\n■b2\r\n□b3\r\n");
}

TEST_F(ListSaving, YesExitsAndLeavesTheOldFileWhole) {
    MessageBoxWatcher boxes;
    boxes.AnswerQuestions(IDYES);
    Command(kCmdToggleCheck);
    BlockSaves();
    SendMessageA(frame_, WM_CLOSE, 0, 0);
    PumpMessages();
    EXPECT_EQ(boxes.Seen().size(), 2u);
    EXPECT_FALSE(IsWindow(frame_));
    EXPECT_EQ(ReadFileBytes(DataFile("list.txt")), kList);
    EXPECT_TRUE(FileExists(DataFile("system.ini")));
}

TEST_F(ListSaving, ASessionEndThatCannotSaveIsRefused) {
    MessageBoxWatcher boxes;
    Command(kCmdToggleCheck);
    BlockSaves();
    EXPECT_EQ(SendMessageA(frame_, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), FALSE);
    PumpMessages();
    EXPECT_TRUE(boxes.Seen().empty());  // nobody is there to answer one
    ASSERT_TRUE(IsWindowVisible(frame_));
    EXPECT_EQ(AppStore.categoryCount, 2);
    SendMessageA(frame_, WM_ENDSESSION, FALSE, 0);
    ASSERT_TRUE(IsWindow(frame_));

    AllowSaves();
    EXPECT_EQ(SendMessageA(frame_, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
    EXPECT_EQ(ReadFileBytes(DataFile("list.txt")),
              "A\r\n■a1\r\n□a2\r\n\r\nB\r\n□b1\r\n■b2\r\n□b3\r\n");
}

// Every command that changes what list.txt would hold moves the counter;
// those that only select, copy, scroll or set an option do not.
TEST_F(ListSaving, TheChangeCounterFollowsTheCommands) {
    MessageBoxWatcher boxes;
    struct Step {
        int command;
        bool changes;
    };
    const Step steps[] = {
        {kCmdSelectAll, false},
        {kCmdCopy, false},
        {kCmdToggleCheckMoveDown, false},
        {kCmdNextCategory, false},
        {kCmdPreviousCategory, false},
        {kCmdCheckAll, true},
        {kCmdCheckAll, false},
        {kCmdToggleCheck, true},
        {kCmdIndent, true},
        {kCmdOutdent, true},
        {kCmdOutdent, false},
        {kCmdMoveItemsUp, false},
        {kCmdPaste, true},
        {kCmdCut, true},
        {kCmdMoveCategoryLeft, false},
        {kCmdMoveCategoryRight, true},
    };
    for (const Step& step : steps) {
        const std::uint64_t before = AppStore.changeCount;
        Command(step.command);
        EXPECT_EQ(AppStore.changeCount != before, step.changes) << "command " << step.command;
    }
    EXPECT_TRUE(ListHasUnsavedChanges());
    Command(kCmdSaveList);
    EXPECT_FALSE(ListHasUnsavedChanges());

    // An edit: open is unsaved; committed untouched changes nothing.
    Command(kCmdEditItem);
    EXPECT_TRUE(ListHasUnsavedChanges());
    Command(kCmdEditItem);
    EXPECT_FALSE(ListHasUnsavedChanges());
    Command(kCmdEditItem);
    SetWindowTextA(itemEditor, "renamed");
    Command(kCmdEditItem);
    EXPECT_TRUE(ListHasUnsavedChanges());
    EXPECT_TRUE(boxes.Seen().empty());
}

TEST_F(ListSaving, AnOutsideVersionIsShownWhenNothingIsUnsaved) {
    Command(kCmdNextCategory);
    ASSERT_EQ(AppStore.currentCategory, 1);
    // Held while another program writes it: not yet.
    ReplaceFromOutside("X\r\n□x1\r\n\r\nY\r\n□y1\r\n□y2\r\n\r\nZ\r\n");
    {
        FileHandle held(CreateFileW(DataFile("list.txt").c_str(), GENERIC_READ, 0, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(held.Valid());
        WatchTick();
        EXPECT_EQ(Title(), "B");
    }
    WatchTick();
    EXPECT_EQ(AppStore.categoryCount, 3);
    EXPECT_EQ(AppStore.currentCategory, 1);  // by position
    EXPECT_EQ(Title(), "Y");
    EXPECT_EQ(AppStore.itemCount, 2);
    EXPECT_FALSE(ListHasUnsavedChanges());

    // Fewer categories: the position is clamped.
    ReplaceFromOutside("X\r\n□x1\r\n");
    SendMessageA(frame_, WM_ACTIVATE, WA_ACTIVE, 0);
    PumpMessages();
    EXPECT_EQ(AppStore.categoryCount, 1);
    EXPECT_EQ(Title(), "X");
    SendMessageA(frame_, WM_CLOSE, 0, 0);
    EXPECT_EQ(ReadFileBytes(DataFile("list.txt")), "X\r\n□x1\r\n");
    EXPECT_TRUE(FilesStartingWith("list.txt.").empty());
}

// Another PC's version is merged in even while a change here is unsaved:
// written back at once, silent when clean, and one Ctrl+Z gives back this
// side's list as it was before the merge.
TEST_F(ListSaving, WithAChangePendingTheOutsideVersionIsMergedAndOneUndoTakesItBack) {
    MessageBoxWatcher boxes;
    Command(kCmdToggleCheck);  // a1 checked here
    const std::string checked = "A\r\n■a1\r\n□a2\r\n\r\nB\r\n□b1\r\n■b2\r\n□b3\r\n";
    ReplaceFromOutside(kList + "□b4\r\n");  // b4 added there
    WatchTick();
    EXPECT_EQ(ReadFileBytes(DataFile("list.txt")), checked + "□b4\r\n");
    EXPECT_EQ(Title(), "A");
    EXPECT_FALSE(ListHasUnsavedChanges());
    EXPECT_TRUE(FilesStartingWith("list.txt.").empty());
    EXPECT_TRUE(boxes.Seen().empty());

    Command(kCmdUndo);
    EXPECT_EQ(FormatListFile(AppStore), checked);
    Command(kCmdUndo);
    EXPECT_EQ(FormatListFile(AppStore), kList);
    Command(kCmdRedo);
    Command(kCmdRedo);
    EXPECT_EQ(FormatListFile(AppStore), checked + "□b4\r\n");
}

TEST_F(ListSaving, AConflictKeepsBothVersionsWithOneNotice) {
    MessageBoxWatcher boxes;
    Command(kCmdToggleCheck);
    // Taken out there, checked here: kept, checked, and counted.
    const std::string theirs = "B\r\n□b1\r\n■b2\r\n□b3\r\n";
    ReplaceFromOutside(theirs);
    Command(kCmdSaveList);
    const std::string merged = "A\r\n■a1\r\n□a2\r\n\r\nB\r\n□b1\r\n■b2\r\n□b3\r\n";
    EXPECT_EQ(ReadFileBytes(DataFile("list.txt")), merged);
    const std::vector<std::string> copies = FilesStartingWith("list.txt.changed-");
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(copies[0].size(), std::string("list.txt.changed-YYYYMMDD-HHMMSS").size());
    EXPECT_EQ(ReadFileBytes(DataFile(copies[0].c_str())), theirs);
    const std::vector<SeenMessageBox> seen = boxes.Seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].wideText,
              WideFromCp932("リストファイルが他のプログラムによって変更されていたため、\n"
                            "このリストと合わせました。\n"
                            "両方で違うように変更された 1 個の項目は、両方を残しました。\n"
                            "変更されていたファイルは次のファイルにも残しました。\n\n") +
                  DataFile(copies[0].c_str()));
    EXPECT_EQ(seen[0].caption, "てっせるリスト");

    // Told once: the next save finds the file as it wrote it.
    Command(kCmdToggleCheck);
    Command(kCmdSaveList);
    EXPECT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(FilesStartingWith("list.txt.changed-").size(), 1u);
}

// A file that would empty the list is taken up only after a notice.
TEST_F(ListSaving, AnEmptiedListIsTakenUpAfterANotice) {
    MessageBoxWatcher boxes;
    ReplaceFromOutside("");
    WatchTick();
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_EQ(AppStore.CountCategories(), 0);
    EXPECT_EQ(ReadFileBytes(DataFile("list.txt")), "");
    Command(kCmdUndo);
    EXPECT_EQ(FormatListFile(AppStore), kList);
}

// A sync tool's conflict copy is offered once, while the window shows:
// Yes merges every line of both and renames the copy; No leaves it.
TEST_F(ListSaving, ConflictCopiesAreOfferedOnceAndMergedOnYes) {
    MessageBoxWatcher boxes;
    ShowWindow(frame_, SW_HIDE);
    WriteFileBytes(DataFile("list.sync-conflict-20261210-120000-ABCDEFG.txt"),
                   "A\r\n□a1\r\n□a9\r\n\r\nB\r\n□b1\r\n");
    WatchTick();
    EXPECT_TRUE(boxes.Seen().empty());  // waits while hidden in the tray
    ShowWindow(frame_, SW_SHOWNOACTIVATE);
    boxes.AnswerQuestions(IDYES);
    WatchTick();
    ASSERT_EQ(boxes.Seen().size(), 1u);
    EXPECT_NE(boxes.Seen()[0].text.find("list.sync-conflict-20261210-120000-ABCDEFG.txt"),
              std::string::npos);
    const std::string merged = "A\r\n□a1\r\n□a2\r\n□a9\r\n\r\nB\r\n□b1\r\n■b2\r\n□b3\r\n";
    EXPECT_EQ(FormatListFile(AppStore), merged);
    EXPECT_EQ(ReadFileBytes(DataFile("list.txt")), merged);
    EXPECT_TRUE(FilesStartingWith("list.sync-conflict").empty());
    EXPECT_EQ(FilesStartingWith("list.txt.merged-").size(), 1u);
    Command(kCmdUndo);
    EXPECT_EQ(FormatListFile(AppStore), kList);

    boxes.AnswerQuestions(IDNO);
    WriteFileBytes(DataFile("list (1).txt"), "C\r\n□c\r\n");
    WatchTick();
    WatchTick();
    EXPECT_EQ(boxes.Seen().size(), 2u);  // asked once
    EXPECT_EQ(FormatListFile(AppStore), kList);
    EXPECT_EQ(FilesStartingWith("list (1)").size(), 1u);
}

// A box ticked on another PC keeps the file's size, and its time may come
// back the same (FAT keeps two seconds): the folder watch names the file, so
// it is read and compared all the same; this program's own write is not.
TEST_F(ListSaving, TheFolderWatchNoticesASameSizeChange) {
    ASSERT_TRUE(StartListFolderWatch());
    const std::wstring path = DataFile("list.txt");
    FileStamp before;
    ASSERT_TRUE(ReadFileStamp(path, before));
    std::string theirs = kList;
    theirs.replace(theirs.find("□a1"), std::strlen("□a1"), "■a1");
    WriteFileBytes(path, theirs);
    {
        FileHandle file(CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        FILETIME time{static_cast<DWORD>(before.lastWrite),
                      static_cast<DWORD>(before.lastWrite >> 32)};
        ASSERT_TRUE(SetFileTime(file.Get(), nullptr, nullptr, &time));
    }
    WatchTick();
    EXPECT_EQ(FormatListFile(AppStore), kList);  // the size and time alone do not tell

    ASSERT_EQ(WaitForSingleObject(ListFolderWatchEvent(), 5000), WAIT_OBJECT_0);
    Sleep(100);
    EXPECT_TRUE(TakeListFolderChanges().listNamed);
    WatchTick();
    EXPECT_EQ(FormatListFile(AppStore), theirs);

    Command(kCmdToggleCheck);
    Command(kCmdSaveList);
    ASSERT_EQ(WaitForSingleObject(ListFolderWatchEvent(), 5000), WAIT_OBJECT_0);
    Sleep(100);
    EXPECT_TRUE(TakeListFolderChanges().listNamed);
    WatchTick();
    EXPECT_EQ(FormatListFile(AppStore), kList);  // its own write: unchanged
    StopListFolderWatch();
}

}  // namespace
}  // namespace tessel::test

namespace tessel::test {
namespace {

// An edit the user did not change leaves every item byte for byte, the
// longest ones included, through the commands Enter, Enter, Ctrl+S: under
// code page 932 and again under 1252. (A list line keeps at most 255 bytes,
// the marker included: such items come from a paste.)
using AnyCodePageEdit = FrameTest;

TEST_F(AnyCodePageEdit, AnUntouchedEditKeepsEveryItemWhole) {
    const std::string items[] = {std::string(255, 'a'), std::string(254, 'b'),
                                 std::string(253, 'c') + "あ", std::string(252, 'd') + "い",
                                 "\x87\x90\xee\xef"};  // ≒ and ⅰ of the NEC and IBM rows
    WriteFileBytes(DataFile("list.txt"), "C\r\n");
    ASSERT_NE(Create(), nullptr);
    std::string list = "C\r\n";
    for (const std::string& text : items) {
        ASSERT_EQ(InsertItem(AppStore.currentItems, Item(text), -1), 1);
        list += "□" + text + "\r\n";
    }
    AppStore.itemCount = CountItems(AppStore.currentItems);
    for (int row = 0; row < AppStore.itemCount; ++row) {
        SelectItemRange(AppStore.currentItems, row, row);
        AppStore.focusIndex = row;
        for (int id : {kCmdEditItem, kCmdEditItem, kCmdSaveList}) {
            SendMessageA(frame_, WM_COMMAND, static_cast<WPARAM>(id), 0);
            PumpMessages();
        }
        EXPECT_EQ(ReadFileBytes(DataFile("list.txt")), list) << "row " << row;
    }
    // A typed change goes back to cp932 through the same box.
    SendMessageA(frame_, WM_COMMAND, kCmdEditItem, 0);
    SetWindowTextW(itemEditor, L"\u725b\u4e73 Jos\u00e9");
    SendMessageA(frame_, WM_COMMAND, kCmdEditItem, 0);
    EXPECT_EQ(AppStore.currentItems->back().text, "牛乳 Jos?");
}

}  // namespace
}  // namespace tessel::test
