// Start-up steps and failure reports under Wine.
#include "app/startup_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "process/app_state_win.h"
#include "process/error_report_win.h"
#include "process/wide_text_win.h"
#include "tests/app/message_box_watcher.h"
#include "tests/harness/temp_folder.h"

namespace tessel::test {
namespace {

// The program's folder is named with letters cp932 lacks, as a user's
// folder may be.
class Startup : public ::testing::Test {
  protected:
    void SetUp() override {
        InitialiseProcessState(GetModuleHandleA(nullptr));
        ExeDirectory = folder_.MakeFolder(kNonCp932Name);
        DataDirectory = ExeDirectory + L"\\system";
    }
    TempFolder folder_;
};

TEST_F(Startup, ProcessStateComesFromTheModuleAndTheSystem) {
    InitialiseProcessState(GetModuleHandleA(nullptr));
    wchar_t module[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, module, MAX_PATH);
    const std::wstring path = module;
    EXPECT_EQ(ExeDirectory, path.substr(0, path.find_last_of(L'\\')));
    EXPECT_EQ(DataDirectory, ExeDirectory + L"\\system");
    EXPECT_EQ(ScreenWidth, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_GE(dragThresholdX, 1);
    EXPECT_GE(wheelScrollLines, 1);
    EXPECT_EQ(AppSettings.WindowWidth, 500);
    EXPECT_EQ(AppLayout.TitleBarHeight, 18);
}

TEST_F(Startup, MissingSettingsGiveACentredWindowAndTheDataFolder) {
    ASSERT_FALSE(IsDirectory(DataDirectory));
    EXPECT_EQ(LoadSettings(), 1);
    EXPECT_TRUE(IsDirectory(DataDirectory));
    RECT work{};
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
    EXPECT_EQ(AppSettings.WindowWidth, 400);
    EXPECT_EQ(AppSettings.WindowHeight, 300);
    EXPECT_EQ(AppSettings.WindowX, (work.right - 400) / 2);
    EXPECT_EQ(AppSettings.WindowY, (work.bottom - 300) / 2);
    EXPECT_EQ(AppSettings.NormalRect.x, AppSettings.WindowX);
    EXPECT_EQ(AppSettings.NormalRect.height, 300);
    // The colour defaults are set, layout.ini or not.
    EXPECT_EQ(AppLayout.WindowBack, MakeColour(0xFF, 0xFF, 0xFF));
}

TEST_F(Startup, ReadSettingsAreNotCentred) {
    ASSERT_TRUE(CreateDirectoryW(DataDirectory.c_str(), nullptr));
    WriteFileBytes(DataDirectory + L"\\system.ini",
                   "[System]\r\nLeft=10\r\nTop=20\r\nWidth=300\r\nHeight=200\r\n\r\n");
    WriteFileBytes(DataDirectory + L"\\layout.ini", "[Layout]\r\nTitleBarHeight=30\r\n");
    EXPECT_EQ(LoadSettings(), 1);
    EXPECT_EQ(AppSettings.WindowX, 10);
    EXPECT_EQ(AppSettings.WindowY, 20);
    EXPECT_EQ(AppSettings.WindowWidth, 300);
    EXPECT_EQ(AppLayout.TitleBarHeight, 30);
}

// A data folder that cannot be made is reported with its path, and start-up
// goes no further: nothing would be read, and nothing ever saved.
TEST_F(Startup, ADataFolderThatCannotBeMadeIsReported) {
    const struct {
        const char* obstacle;
        std::wstring dataDirectory;
        int errorId;
        const char* caption;
    } cases[] = {
        {"a file named system", ExeDirectory + L"\\system", kErrorFileSave,
         "てっせるリスト [ErrerID:183]"},
        {"no folder to make it in", ExeDirectory + L"\\gone\\system", kErrorFileSave,
         "てっせるリスト [ErrerID:3]"},
        // Wine's drive Z: is the Linux root; its /sys refuses a new folder
        // even to root, which Wine reports as access denied.
        {"a folder that refuses", L"Z:\\sys\\system", kErrorAccessDenied,
         "てっせるリスト [ErrerID:5]"},
    };
    WriteFileBytes(ExeDirectory + L"\\system", "not a folder");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.obstacle);
        if (c.errorId == kErrorAccessDenied && !IsDirectory(L"Z:\\sys")) {
            continue;  // not under Wine on Linux
        }
        SetSystemDefaults(AppSettings);
        DataDirectory = c.dataDirectory;
        MessageBoxWatcher watcher;
        EXPECT_EQ(LoadSettings(), 0);
        EXPECT_FALSE(IsDirectory(DataDirectory));
        EXPECT_EQ(AppSettings.WindowWidth, 500);  // not centred: no further
        const std::vector<SeenMessageBox> seen = watcher.Seen();
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].caption, c.caption);
        EXPECT_EQ(seen[0].wideText, WideFromCp932(std::string(ErrorMessage(c.errorId)) +
                                                  "\n\n処理内容：データフォルダ作成\n") +
                                        c.dataDirectory);
    }
}

TEST_F(Startup, ReportShowsTheLastErrorInTheCaption) {
    MessageBoxWatcher watcher;
    SetLastError(ERROR_ACCESS_DENIED);
    EXPECT_EQ(ReportError(kErrorCreateWindow, "処理内容：メインウィンドウ作成", nullptr), 1);
    SetLastError(0);
    EXPECT_EQ(ReportError(kErrorFileSave, "", nullptr), 1);
    std::vector<SeenMessageBox> seen = watcher.Seen();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].caption, "てっせるリスト [ErrerID:5]");
    EXPECT_EQ(seen[0].text,
              "ウィンドウを作成することができません。\n\n処理内容：メインウィンドウ作成");
    EXPECT_EQ(seen[1].caption, "てっせるリスト");
    EXPECT_EQ(seen[1].text, "ファイル保存に失敗しました。");
}

// A path goes on a line of its own, letter for letter, and a long one is
// cut to the size of a report without splitting a character.
TEST_F(Startup, ReportShowsAPathAsItIs) {
    const std::wstring saveFailed = WideFromCp932("ファイル保存に失敗しました。");
    const std::wstring head = saveFailed + L"\n\n";
    const std::wstring longPath = L"C:\\" + std::wstring(2000, L'x');
    // A character of two UTF-16 units whose first would be the last that fits.
    const std::wstring pairAtTheEnd =
        std::wstring(kErrorBufferBytes - 2 - head.size(), L'y') + L"\U0001F4DD" + L"zz";
    const struct {
        const char* detail;
        std::wstring path;
        std::wstring text;
    } cases[] = {
        {"処理内容：リストファイル保存", L"C:\\Jos\u00e9-\u00f8\\system\\list.txt",
         head + WideFromCp932("処理内容：リストファイル保存") +
             L"\nC:\\Jos\u00e9-\u00f8\\system\\list.txt"},
        {"", L"C:\\\u00f8", head + L"C:\\\u00f8"},
        {nullptr, L"C:\\\u00f8", head + L"C:\\\u00f8"},
        {"", L"", saveFailed},
        {"", longPath, (head + longPath).substr(0, kErrorBufferBytes - 1)},
        {"", pairAtTheEnd, head + pairAtTheEnd.substr(0, pairAtTheEnd.size() - 4)},
    };
    MessageBoxWatcher watcher;
    for (const auto& c : cases) {
        SetLastError(0);
        EXPECT_EQ(ReportError(kErrorFileSave, c.detail, c.path, nullptr), 1);
    }
    const std::vector<SeenMessageBox> seen = watcher.Seen();
    ASSERT_EQ(seen.size(), std::size(cases));
    for (std::size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i].wideText, cases[i].text) << i;
        EXPECT_EQ(seen[i].caption, "てっせるリスト") << i;
    }
}

TEST_F(Startup, AClassThatCannotBeRegisteredIsReported) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    MessageBoxWatcher watcher;
    // Once for real, then again: the system refuses a class it already has.
    ASSERT_EQ(RegisterWindowClasses(instance), 1);
    EXPECT_EQ(RegisterWindowClasses(instance), 0);
    std::vector<SeenMessageBox> seen = watcher.Seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text,
              "ウィンドウを作成することができません。\n\n処理内容：リストウィンドウクラス登録");
    EXPECT_EQ(seen[0].caption, "てっせるリスト [ErrerID:1410]");
}

}  // namespace
}  // namespace tessel::test
