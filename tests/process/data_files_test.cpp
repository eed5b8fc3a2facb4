// The three data files on real files in a fresh folder, under Wine. The
// folder's name holds letters cp932 lacks, as a user's folder may: every
// file, and every copy kept beside list.txt, is reached by its UTF-16 path.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "process/app_state_win.h"
#include "process/data_files_win.h"
#include "process/wide_text_win.h"
#include "storage/file_handle_win.h"
#include "storage/list_file_format.h"
#include "tests/harness/measure_dc.h"
#include "tests/harness/temp_folder.h"

namespace tessel {
namespace {

using test::FileExists;
using test::MeasureDc;
using test::ReadFileBytes;
using test::WriteFileBytes;

const std::string kListBytes = "買い物\r\n□牛乳\r\n\t■パン\r\n\r\n仕事\r\n◇------\r\n●報告書\r\n";

// Holds a file open without sharing, as another program might.
FileHandle LockFile(const std::wstring& path) {
    return FileHandle(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

// Whether the system refuses to replace a read-only file, as Windows does.
// Wine (here run as root) replaces it all the same.
bool ReadOnlyBlocksReplace(const test::TempFolder& folder) {
    const std::wstring target = folder.WideFile(L"probe-target");
    const std::wstring source = folder.WideFile(L"probe-source");
    WriteFileBytes(target, "old");
    WriteFileBytes(source, "new");
    SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_READONLY);
    const bool replaced = MoveFileExW(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING);
    SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(target.c_str());
    DeleteFileW(source.c_str());
    return !replaced;
}

class DataFilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ExeDirectory = folder_.MakeFolder(test::kNonCp932Name);
        DataDirectory = ExeDirectory;
        AppStore = ListStore();
        SetSystemDefaults(AppSettings);
        SetLayoutDefaults(AppLayout);
        SetColourDefaults(AppLayout);
        MainFrameHandle = nullptr;
        ScreenWidth = 1920;
        ScreenHeight = 1080;
        rememberedImeOpen = 0;
    }
    void TearDown() override {
        AppStore = ListStore();
        MainFrameHandle = nullptr;
    }

    static std::wstring Path(const wchar_t* name) { return DataDirectory + L"\\" + name; }
    // The names of the files in the data folder that start with prefix.
    static std::vector<std::wstring> FilesStartingWith(const std::wstring& prefix) {
        std::vector<std::wstring> names;
        WIN32_FIND_DATAW data;
        HANDLE find = FindFirstFileW(Path((prefix + L"*").c_str()).c_str(), &data);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                names.push_back(data.cFileName);
            } while (FindNextFileW(find, &data));
            FindClose(find);
        }
        return names;
    }
    static std::vector<std::wstring> Backups() { return FilesStartingWith(L"list.txt.unread-"); }
    static void AddCategory(const std::string& name) {
        Category category;
        category.name = name;
        category.items.push_back(Item{"new item"});
        ASSERT_EQ(AppStore.InsertCategory(std::move(category), -1), 1);
    }

    test::TempFolder folder_;
    MeasureDc measure_;
};

TEST_F(DataFilesTest, TheFolderIsNamedByItsUtf16Path) {
    // Through the code page its name is "Jose-o", another folder, not there.
    EXPECT_EQ(GetFileAttributesA(Cp932FromWide(DataDirectory).c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(ListFilePath(), folder_.WidePath() + L"\\Jos\u00e9-\u00f8\\list.txt");
}

TEST_F(DataFilesTest, MissingListFileLeavesTheStoreAlone) {
    AppStore.currentCategory = 5;
    EXPECT_EQ(ReadListFile(measure_.Get()), 1);
    EXPECT_EQ(AppStore.CountCategories(), 0);
    EXPECT_EQ(AppStore.categoryCount, 0);
    EXPECT_EQ(AppStore.currentCategory, 5);  // kept, and written back so
    EXPECT_EQ(WriteListFile(), 1);
    EXPECT_TRUE(FileExists(Path(L"list.txt")));
    EXPECT_EQ(ReadFileBytes(Path(L"list.txt")), "");
    EXPECT_TRUE(Backups().empty());
}

TEST_F(DataFilesTest, ReadsMeasuresAndWritesBack) {
    WriteFileBytes(Path(L"list.txt"), kListBytes);
    AppSettings.SeparatorLength = 6;
    AppLayout.CategorySpace = 3;
    AppStore.currentCategory = 1;
    ASSERT_EQ(ReadListFile(measure_.Get()), 1);
    ASSERT_EQ(AppStore.categoryCount, 2);
    CategoryInfo info;
    ASSERT_EQ(AppStore.GetCategory(0, info), 1);
    EXPECT_EQ(info.name, "買い物");
    EXPECT_GT(info.nameWidth, 0);
    EXPECT_EQ(info.nameWidth, measure_.Width("買い物"));
    EXPECT_EQ(AppStore.totalTabWidth, measure_.Width("買い物") + measure_.Width("仕事") + 4 * 3);
    EXPECT_EQ(AppStore.currentCategory, 1);
    EXPECT_EQ(AppStore.itemCount, 2);
    ASSERT_NE(AppStore.currentItems, nullptr);
    EXPECT_EQ((*AppStore.currentItems)[0].state, ItemState::Separator);

    ASSERT_EQ(WriteListFile(), 1);
    // The same file, but for the separator's marker.
    EXPECT_EQ(ReadFileBytes(Path(L"list.txt")),
              "買い物\r\n□牛乳\r\n\t■パン\r\n\r\n仕事\r\n□------\r\n●報告書\r\n");
    EXPECT_FALSE(FileExists(Path(L"list.txt.tmp")));
    EXPECT_TRUE(Backups().empty());
}

TEST_F(DataFilesTest, FailedWriteLeavesTheOldListWhole) {
    WriteFileBytes(Path(L"list.txt"), kListBytes);
    ASSERT_EQ(ReadListFile(measure_.Get()), 1);
    AddCategory("追加");

    // The temporary file cannot be made: a folder stands in its way.
    ASSERT_TRUE(CreateDirectoryW(Path(L"list.txt.tmp").c_str(), nullptr));
    EXPECT_EQ(WriteListFile(), 0);
    EXPECT_EQ(ReadFileBytes(Path(L"list.txt")), kListBytes);
    ASSERT_TRUE(RemoveDirectoryW(Path(L"list.txt.tmp").c_str()));

    // The list cannot be replaced: it is read-only.
    if (ReadOnlyBlocksReplace(folder_)) {
        ASSERT_TRUE(SetFileAttributesW(Path(L"list.txt").c_str(), FILE_ATTRIBUTE_READONLY));
        EXPECT_EQ(WriteListFile(), 0);
        ASSERT_TRUE(SetFileAttributesW(Path(L"list.txt").c_str(), FILE_ATTRIBUTE_NORMAL));
        EXPECT_EQ(ReadFileBytes(Path(L"list.txt")), kListBytes);
        EXPECT_FALSE(FileExists(Path(L"list.txt.tmp")));
    }

    // The list cannot be replaced: another program holds it.
    {
        FileHandle lock = LockFile(Path(L"list.txt"));
        ASSERT_TRUE(lock.Valid());
        EXPECT_EQ(WriteListFile(), 0);
    }
    EXPECT_EQ(ReadFileBytes(Path(L"list.txt")), kListBytes);
    EXPECT_FALSE(FileExists(Path(L"list.txt.tmp")));

    EXPECT_EQ(WriteListFile(), 1);
    EXPECT_EQ(ReadFileBytes(Path(L"list.txt")), FormatListFile(AppStore));
    EXPECT_TRUE(Backups().empty());  // it had been read whole
}

TEST_F(DataFilesTest, UnreadableListIsKeptBeforeTheFirstWrite) {
    WriteFileBytes(Path(L"list.txt"), kListBytes);
    {
        FileHandle lock = LockFile(Path(L"list.txt"));
        ASSERT_TRUE(lock.Valid());
        EXPECT_EQ(ReadListFile(measure_.Get()), 0);
        EXPECT_EQ(AppStore.CountCategories(), 0);
        AddCategory("後から");
        // Still held: neither a copy nor a replacement can be made.
        EXPECT_EQ(WriteListFile(), 0);
    }
    EXPECT_EQ(ReadFileBytes(Path(L"list.txt")), kListBytes);
    EXPECT_TRUE(Backups().empty());

    ASSERT_EQ(WriteListFile(), 1);
    const std::vector<std::wstring> backups = Backups();
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_EQ(backups[0].size(), std::wstring(L"list.txt.unread-YYYYMMDD-HHMMSS").size());
    EXPECT_EQ(ReadFileBytes(Path(backups[0].c_str())), kListBytes);
    EXPECT_EQ(ReadFileBytes(Path(L"list.txt")), FormatListFile(AppStore));

    // Once kept, later saves replace the list as usual.
    EXPECT_EQ(WriteListFile(), 1);
    EXPECT_EQ(Backups().size(), 1u);
}

TEST_F(DataFilesTest, AnotherProgramsVersionIsMergedBeforeAWrite) {
    WriteFileBytes(Path(L"list.txt"), kListBytes);
    ASSERT_EQ(ReadListFile(measure_.Get()), 1);
    KeepListVersionRead();  // as the list first changes
    AddCategory("ours");
    ++AppStore.changeCount;
    // Another PC took 買い物 out and put a category in; ours added one.
    WriteFileBytes(Path(L"list.txt"), "Theirs\r\n□t1\r\n\r\n仕事\r\n◇------\r\n●報告書\r\n");

    ASSERT_EQ(WriteListFile(), 1);
    // (A separator is written with the length set, behind "□".)
    const std::string merged = "Theirs\r\n□t1\r\n\r\n仕事\r\n□" +
                               SeparatorText(AppSettings.SeparatorLength) +
                               "\r\n●報告書\r\n\r\nours\r\n□new item\r\n";
    EXPECT_EQ(ReadFileBytes(Path(L"list.txt")), merged);
    EXPECT_EQ(FormatListFile(AppStore), merged);
    EXPECT_TRUE(ListChangesSaved());
    EXPECT_TRUE(FilesStartingWith(L"list.txt.changed-").empty());  // a clean merge is silent
    EXPECT_EQ(TakeMergeConflicts(), 0);

    // A version that cannot be read whole is kept under the changed name.
    AddCategory("more");
    ++AppStore.changeCount;
    const std::string theirs(
        "\xFF\xFE"
        "A\0\r\0\n\0",
        8);
    WriteFileBytes(Path(L"list.txt"), theirs);
    ASSERT_EQ(WriteListFile(), 1);
    EXPECT_EQ(ReadFileBytes(Path(L"list.txt")), FormatListFile(AppStore));
    const std::vector<std::wstring> copies = FilesStartingWith(L"list.txt.changed-");
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(copies[0].size(), std::wstring(L"list.txt.changed-YYYYMMDD-HHMMSS").size());
    EXPECT_EQ(ReadFileBytes(Path(copies[0].c_str())), theirs);
    EXPECT_EQ(TakeChangedListCopy(), Path(copies[0].c_str()));
    EXPECT_EQ(TakeChangedListCopy(), L"");  // told once

    // This program's own write is no other program's version.
    AddCategory("last");
    ++AppStore.changeCount;
    ASSERT_EQ(WriteListFile(), 1);
    EXPECT_EQ(FilesStartingWith(L"list.txt.changed-").size(), 1u);
    EXPECT_EQ(TakeChangedListCopy(), L"");
}

TEST_F(DataFilesTest, BackupNamesDoNotCollide) {
    for (int round = 0; round < 3; ++round) {
        WriteFileBytes(Path(L"list.txt"), kListBytes + std::to_string(round) + "\r\n");
        FileHandle lock = LockFile(Path(L"list.txt"));
        ASSERT_TRUE(lock.Valid());
        EXPECT_EQ(ReadListFile(measure_.Get()), 0);
        lock.Close();
        ASSERT_EQ(WriteListFile(), 1);
    }
    // Three backups, made within a few seconds, each with its own content.
    const std::vector<std::wstring> backups = Backups();
    ASSERT_EQ(backups.size(), 3u);
    std::vector<std::string> contents;
    for (const std::wstring& name : backups) {
        contents.push_back(ReadFileBytes(Path(name.c_str())));
    }
    std::sort(contents.begin(), contents.end());
    for (int round = 0; round < 3; ++round) {
        EXPECT_EQ(contents[round], kListBytes + std::to_string(round) + "\r\n");
    }
}

TEST_F(DataFilesTest, UnreadableListThatIsGoneNeedsNoBackup) {
    WriteFileBytes(Path(L"list.txt"), kListBytes);
    {
        FileHandle lock = LockFile(Path(L"list.txt"));
        EXPECT_EQ(ReadListFile(measure_.Get()), 0);
    }
    ASSERT_TRUE(DeleteFileW(Path(L"list.txt").c_str()));
    AddCategory("X");
    EXPECT_EQ(WriteListFile(), 1);
    EXPECT_TRUE(Backups().empty());
    EXPECT_EQ(ReadFileBytes(Path(L"list.txt")), "X\r\n□new item\r\n");
}

TEST_F(DataFilesTest, SystemSettingsRead) {
    EXPECT_EQ(ReadSystemSettings(), 0);  // missing: defaults stay
    EXPECT_EQ(AppSettings.WindowWidth, 500);
    EXPECT_EQ(AppSettings.NormalRect.width, 500);

    WriteFileBytes(Path(L"system.ini"),
                   "[System]\r\nLeft=5000\r\nTop=-900\r\nWidth=50\r\nHeight=700\r\nStartIME=1\r\n"
                   "CategoryIndex=2\r\nSeparatorLength=300\r\nWindowHotKey=0341\r\n\r\n");
    ASSERT_EQ(ReadSystemSettings(), 1);
    EXPECT_EQ(AppSettings.WindowX, 1920);
    EXPECT_EQ(AppSettings.WindowY, 0);
    EXPECT_EQ(AppSettings.WindowWidth, 100);
    EXPECT_EQ(AppSettings.NormalRect.x, 1920);
    EXPECT_EQ(AppSettings.NormalRect.height, 700);
    EXPECT_EQ(rememberedImeOpen, 1);
    EXPECT_EQ(AppStore.currentCategory, 2);
    EXPECT_EQ(AppSettings.SeparatorLength, 255);
    EXPECT_EQ(AppSettings.WindowHotKey, 0x341);

    // An empty file is read, and the placement checks run on the defaults.
    WriteFileBytes(Path(L"system.ini"), "");
    SetSystemDefaults(AppSettings);
    AppSettings.WindowHeight = 3;
    EXPECT_EQ(ReadSystemSettings(), 1);
    EXPECT_EQ(AppSettings.NormalRect.height, 18);
}

TEST_F(DataFilesTest, SystemSettingsWrite) {
    AppSettings.NormalRect = {11, 22, 333, 444};
    AppStore.currentCategory = -1;
    ASSERT_EQ(WriteSystemSettings(), 1);  // no window: the placement stays
    std::string text = ReadFileBytes(Path(L"system.ini"));
    EXPECT_EQ(text, FormatSystemSettings(AppSettings));
    EXPECT_NE(text.find("\r\nLeft=11\r\nTop=22\r\nWidth=333\r\nHeight=444\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nCategoryIndex=-1\r\n"), std::string::npos);

    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 30, 40, 320, 200, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    MainFrameHandle = window;
    AppSettings.WindowMax = 1;  // maximised: the placement to restore stays
    ASSERT_EQ(WriteSystemSettings(), 1);
    EXPECT_EQ(AppSettings.NormalRect.x, 11);
    AppSettings.WindowMax = 0;
    ASSERT_EQ(WriteSystemSettings(), 1);
    EXPECT_EQ(AppSettings.NormalRect.x, 30);
    EXPECT_EQ(AppSettings.NormalRect.y, 40);
    EXPECT_EQ(AppSettings.NormalRect.width, 320);
    EXPECT_EQ(AppSettings.NormalRect.height, 200);
    text = ReadFileBytes(Path(L"system.ini"));
    EXPECT_NE(text.find("\r\nLeft=30\r\nTop=40\r\nWidth=320\r\nHeight=200\r\n"), std::string::npos);

    ShowWindow(window, SW_SHOWMINNOACTIVE);
    if (IsIconic(window)) {  // minimised: its rectangle is no placement
        AppSettings.NormalRect = {1, 2, 300, 400};
        ASSERT_EQ(WriteSystemSettings(), 1);
        EXPECT_EQ(AppSettings.NormalRect.x, 1);
        EXPECT_EQ(AppSettings.NormalRect.width, 300);
    } else {
        ADD_FAILURE() << "the window did not minimise";
    }
    DestroyWindow(window);
    MainFrameHandle = nullptr;

    // A failed write leaves the old file whole.
    const std::string before = ReadFileBytes(Path(L"system.ini"));
    AppSettings.TaskTray = 1;
    {
        FileHandle lock = LockFile(Path(L"system.ini"));
        ASSERT_TRUE(lock.Valid());
        EXPECT_EQ(WriteSystemSettings(), 0);
    }
    if (ReadOnlyBlocksReplace(folder_)) {
        ASSERT_TRUE(SetFileAttributesW(Path(L"system.ini").c_str(), FILE_ATTRIBUTE_READONLY));
        EXPECT_EQ(WriteSystemSettings(), 0);
        ASSERT_TRUE(SetFileAttributesW(Path(L"system.ini").c_str(), FILE_ATTRIBUTE_NORMAL));
    }
    EXPECT_EQ(ReadFileBytes(Path(L"system.ini")), before);
    EXPECT_FALSE(FileExists(Path(L"system.ini.tmp")));
    ASSERT_TRUE(CreateDirectoryW(Path(L"system.ini.tmp").c_str(), nullptr));
    EXPECT_EQ(WriteSystemSettings(), 0);
    EXPECT_EQ(ReadFileBytes(Path(L"system.ini")), before);
    ASSERT_TRUE(RemoveDirectoryW(Path(L"system.ini.tmp").c_str()));
    EXPECT_EQ(WriteSystemSettings(), 1);
    EXPECT_NE(ReadFileBytes(Path(L"system.ini")).find("\r\nTaskTray=1\r\n"), std::string::npos);
}

// A system.ini that gives nothing, or cannot be read, is never written over:
// it is kept under the unread name, and the notice names where it is.
TEST_F(DataFilesTest, SystemSettingsNotUsedAreKept) {
    TakeReadNotices();
    const std::string lfOnly = "[System]\nLeft=7\nTop=8\n";
    WriteFileBytes(Path(L"system.ini"), lfOnly);
    EXPECT_EQ(ReadSystemSettings(), 1);
    EXPECT_EQ(AppSettings.WindowX, 100);
    std::vector<std::wstring> copies = FilesStartingWith(L"system.ini.unread-");
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(ReadFileBytes(Path(copies[0].c_str())), lfOnly);
    std::vector<std::wstring> notices = TakeReadNotices();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_NE(notices[0].find(Path(copies[0].c_str())), std::wstring::npos);
    ASSERT_EQ(WriteSystemSettings(), 1);
    EXPECT_EQ(FilesStartingWith(L"system.ini.unread-").size(), 1u);

    const std::string before = ReadFileBytes(Path(L"system.ini"));
    {
        FileHandle lock = LockFile(Path(L"system.ini"));
        ASSERT_TRUE(lock.Valid());
        EXPECT_EQ(ReadSystemSettings(), 0);
        notices = TakeReadNotices();
        ASSERT_EQ(notices.size(), 1u);
        EXPECT_NE(notices[0].find(Path(L"system.ini")), std::wstring::npos);
        EXPECT_EQ(WriteSystemSettings(), 0);  // no copy can be made: nothing written
    }
    AppSettings.TaskTray = 1;
    ASSERT_EQ(WriteSystemSettings(), 1);
    copies = FilesStartingWith(L"system.ini.unread-");
    ASSERT_EQ(copies.size(), 2u);
    EXPECT_TRUE(ReadFileBytes(Path(copies[0].c_str())) == before ||
                ReadFileBytes(Path(copies[1].c_str())) == before);
    EXPECT_NE(ReadFileBytes(Path(L"system.ini")).find("\r\nTaskTray=1\r\n"), std::string::npos);

    // An empty file has nothing to keep.
    WriteFileBytes(Path(L"system.ini"), "\r\n");
    EXPECT_EQ(ReadSystemSettings(), 1);
    EXPECT_EQ(FilesStartingWith(L"system.ini.unread-").size(), 2u);
    EXPECT_TRUE(TakeReadNotices().empty());
}

// UTF-8 as an editor saves it: brought to cp932 through code page 932, with
// cp932's forms; a letter cp932 lacks makes the list not read whole.
TEST_F(DataFilesTest, Utf8FilesAreReadAsCp932) {
    TakeReadNotices();
    WriteFileBytes(Path(L"layout.ini"), u8"\xEF\xBB\xBF[Font]\r\nList=メイリオ,14,0\r\n");
    ASSERT_EQ(ReadLayoutSettings(), 1);
    EXPECT_EQ(AppLayout.listFont.face, "メイリオ");

    WriteFileBytes(Path(L"list.txt"), u8"買い物\r\n□牛乳〜−\r\n\t■パン\r\n");
    ASSERT_EQ(ReadListFile(measure_.Get()), 1);
    EXPECT_EQ(FormatListFile(AppStore), "買い物\r\n□牛乳～－\r\n\t■パン\r\n");
    EXPECT_TRUE(TakeReadNotices().empty());

    AppStore = ListStore();
    const std::string lacking = u8"C\r\n□bé\r\n";
    WriteFileBytes(Path(L"list.txt"), lacking);
    ASSERT_EQ(ReadListFile(measure_.Get()), 1);
    EXPECT_EQ(FormatListFile(AppStore), "C\r\n□b?\r\n");
    EXPECT_EQ(TakeReadNotices().size(), 1u);
    ASSERT_EQ(WriteListFile(), 1);
    ASSERT_EQ(Backups().size(), 1u);
    EXPECT_EQ(ReadFileBytes(Path(Backups()[0].c_str())), lacking);
    EXPECT_EQ(TakeUnreadListCopy(), Path(Backups()[0].c_str()));
}

TEST_F(DataFilesTest, LayoutSettingsRead) {
    EXPECT_EQ(ReadLayoutSettings(), 0);  // missing: every default stays
    EXPECT_EQ(AppLayout.titleFont.style, kFontBold);
    EXPECT_EQ(AppLayout.TitleGradient, 1);

    WriteFileBytes(Path(L"layout.ini"),
                   "[Layout]\r\nListLineHeight=30\r\n[Font]\r\nList=Arial,14,11\r\n"
                   "[Color]\r\nTitleBack1=FFFFFF\r\n");
    ASSERT_EQ(ReadLayoutSettings(), 1);
    EXPECT_EQ(AppLayout.ListLineHeight, 30);
    EXPECT_EQ(AppLayout.listFont.face, "Arial");
    EXPECT_EQ(AppLayout.listFont.size, 14);
    EXPECT_EQ(AppLayout.listFont.style, kFontItalic);
    EXPECT_EQ(AppLayout.TitleGradient, 0);

    // Held by another program: unreadable, nothing changes.
    FileHandle lock = LockFile(Path(L"layout.ini"));
    ASSERT_TRUE(lock.Valid());
    SetLayoutDefaults(AppLayout);
    EXPECT_EQ(ReadLayoutSettings(), 0);
    EXPECT_EQ(AppLayout.ListLineHeight, 22);
}

}  // namespace
}  // namespace tessel
