#include "app/startup_win.h"

#include <algorithm>
#include <string>

#include "access/accessibility_win.h"
#include "app/start_window_plan.h"
#include "listpane/list_pane_win.h"
#include "mainwindow/frame_state_win.h"
#include "mainwindow/main_frame_win.h"
#include "process/app_state_win.h"
#include "process/data_files_win.h"
#include "process/error_report_win.h"
#include "process/exe_directory.h"
#include "process/list_folder_watch_win.h"
#include "process/program_title.h"
#include "process/wide_text_win.h"
#include "process/window_dpi_win.h"
#include "saving/list_conflict_copies_win.h"
#include "saving/list_saving_win.h"
#include "scrollbar/scroll_bar_pane_win.h"
#include "shell/accelerators_win.h"
#include "shell/command_ids.h"
#include "shell/hot_key_win.h"
#include "storage/layout_settings.h"
#include "storage/system_settings.h"

namespace tessel {
namespace {

constexpr wchar_t kSingleInstanceMutex[] = L"TesselListMainFrame";
constexpr int kDefaultWheelLines = 6;
// The longest path the system's UTF-16 calls take.
constexpr std::size_t kLongestPath = 32768;

// Held, never closed, for as long as the process runs: its existence tells
// a second start that this one runs.
HANDLE singleInstanceMutex = nullptr;

WorkAreaRect ToWorkArea(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

// The executable's full path, however long: a buffer that comes back full
// may have cut it, so it grows until the path fits.
std::wstring ModulePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (length == 0) {
            return std::wstring();
        }
        if (length < path.size() || path.size() >= kLongestPath) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

// Makes the data folder when it is not there; false, with the system's
// error code, when it cannot be made or its entry cannot be read.
bool EnsureDataDirectory() {
    const DWORD attributes = GetFileAttributesW(DataDirectory.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return true;
    }
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) {
            return false;
        }
    }
    // A file of that name makes this fail with ERROR_ALREADY_EXISTS.
    if (CreateDirectoryW(DataDirectory.c_str(), nullptr)) {
        return true;
    }
    const DWORD error = GetLastError();
    if (IsDirectory(DataDirectory)) {
        return true;  // another start made it meanwhile
    }
    SetLastError(error);
    return false;
}

}  // namespace

void InitialiseProcessState(HINSTANCE instance) {
    SetSystemDefaults(AppSettings);
    // The defaults are the file's sizes: 96 DPI until a window says otherwise.
    AppDpi = kBaseDpi;
    SetLayoutDefaults(AppLayout);
    AppInstance = instance;

    ExeDirectory = ExeDirectoryFromModulePath(ModulePath());
    DataDirectory = DataDirectoryFor(ExeDirectory);

    ScreenWidth = GetSystemMetrics(SM_CXSCREEN);
    ScreenHeight = GetSystemMetrics(SM_CYSCREEN);
    WorkArea = QueryWorkArea();
    dragThresholdX = std::max(SystemMetricAtBaseDpi(SM_CXDRAG), 1);
    dragThresholdY = std::max(SystemMetricAtBaseDpi(SM_CYDRAG), 1);
    UINT lines = 0;
    if (SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0)) {
        // "One page per notch" comes as a huge value; it counts as one line.
        int asInt = static_cast<int>(lines);
        wheelScrollLines = asInt < 1 ? 1 : asInt;
    } else {
        wheelScrollLines = kDefaultWheelLines;
    }
}

int IsFirstInstance() {
    singleInstanceMutex = CreateMutexW(nullptr, TRUE, kSingleInstanceMutex);
    if (GetLastError() != ERROR_ALREADY_EXISTS) {
        return 1;
    }
    HWND running = FindWindowW(WideFromCp932(kMainFrameClass).c_str(), nullptr);
    if (running != nullptr) {
        SetForegroundWindow(running);
        SetFocus(running);
        PostMessageA(running, WM_COMMAND, kCmdShowWindow, 0);
    }
    return 0;
}

int IsDirectory(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) ? 1 : 0;
}

int LoadSettings() {
    if (!EnsureDataDirectory()) {
        // Without it nothing would be read or ever saved.
        const int errorId =
            GetLastError() == ERROR_ACCESS_DENIED ? kErrorAccessDenied : kErrorFileSave;
        ReportError(errorId, "処理内容：データフォルダ作成", DataDirectory, nullptr);
        return 0;
    }
    SetColourDefaults(AppLayout);
    if (!ReadSystemSettings()) {
        // The work area is the primary monitor's, in its pixels.
        PlacementRect centred =
            CentredFallbackPlacement(ToWorkArea(QueryWorkArea()), DpiScale(PrimaryMonitorDpi()));
        AppSettings.WindowX = centred.x;
        AppSettings.WindowY = centred.y;
        AppSettings.WindowWidth = centred.width;
        AppSettings.WindowHeight = centred.height;
        AppSettings.NormalRect = centred;
    }
    ReadLayoutSettings();
    return 1;
}

int RegisterWindowClasses(HINSTANCE instance) {
    if (!RegisterListPaneClass(instance)) {
        ReportError(kErrorCreateWindow, "処理内容：リストウィンドウクラス登録", nullptr);
        return 0;
    }
    if (!RegisterScrollBarPane(instance)) {
        ReportError(kErrorCreateWindow, "処理内容：スクロールバークラス登録", nullptr);
        return 0;
    }
    if (!RegisterMainFrameClass(instance)) {
        ReportError(kErrorCreateWindow, "処理内容：メインウィンドウクラス登録", nullptr);
        return 0;
    }
    return 1;
}

HWND CreateMainFrame(HINSTANCE instance, int showCommand) {
    InstallAccessibility();
    StartWindowPlan plan =
        PlanStartWindow(showCommand, AppSettings, WindowShown, ToWorkArea(WorkArea));
    // The class stays ANSI (its WM_GETTEXT answers cp932 bytes); the
    // caption it starts with is UTF-16, whatever the code page.
    HWND frame = CreateWindowExW(plan.exStyle, WideFromCp932(kMainFrameClass).c_str(),
                                 WideFromCp932(kProgramTitle).c_str(), plan.style,
                                 AppSettings.WindowX, AppSettings.WindowY, AppSettings.WindowWidth,
                                 AppSettings.WindowHeight, nullptr, nullptr, instance, nullptr);
    if (frame == nullptr) {
        ReportError(kErrorCreateWindow, "処理内容：メインウィンドウ作成", nullptr);
        return nullptr;
    }
    MainFrameHandle = frame;
    if (AppSettings.WindowTop == 1) {
        UINT flags = plan.topmostHides ? SWP_HIDEWINDOW : SWP_FRAMECHANGED;
        SetWindowPos(frame, HWND_TOPMOST, AppSettings.WindowX, AppSettings.WindowY,
                     AppSettings.WindowWidth, AppSettings.WindowHeight, flags);
    }
    if (plan.callShowWindow) {
        ShowWindow(frame, plan.showCommand);
    }
    return frame;
}

namespace {

// The data folder changed: list.txt is looked at when it was named, the
// conflict copies when another file was.
void OnListFolderChanged() {
    const FolderChanges changes = TakeListFolderChanges();
    if (MainFrameHandle == nullptr) {
        return;
    }
    if (changes.listNamed) {
        TakeUpOutsideListChanges(MainFrameHandle);
    }
    if (changes.othersNamed) {
        OfferListConflictCopies(MainFrameHandle);
    }
}

}  // namespace

int RunMessageLoop() {
    MSG msg{};
    StartListFolderWatch();  // without it, the watch timer looks alone
    for (;;) {
        HANDLE folderEvent = ListFolderWatchEvent();
        const DWORD handles = folderEvent != nullptr ? 1 : 0;
        const DWORD woken = MsgWaitForMultipleObjectsEx(handles, &folderEvent, INFINITE,
                                                        QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        if (handles == 1 && woken == WAIT_OBJECT_0) {
            OnListFolderChanged();
            continue;
        }
        // The Unicode loop: a character typed into an edit box reaches it as
        // UTF-16, never squeezed through the ANSI code page on the way.
        bool quit = false;
        while (!quit && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                quit = true;
                break;
            }
            // Read afresh for every message: an in-place edit clears it while
            // it has the focus.
            HACCEL table = ActiveAccelerators;
            if (table != nullptr && MainFrameHandle != nullptr &&
                TranslateAcceleratorW(MainFrameHandle, table, &msg)) {
                continue;
            }
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (quit) {
            break;
        }
    }
    StopListFolderWatch();
    DestroyAccelerators();
    return static_cast<int>(msg.wParam);
}

int RunProgram(HINSTANCE instance, int showCommand) {
    InitialiseProcessState(instance);
    if (!IsFirstInstance()) {
        return 0;
    }
    if (!LoadSettings()) {
        return 1;
    }
    if (!RegisterWindowClasses(instance)) {
        return 0;
    }
    HWND frame = CreateMainFrame(instance, showCommand);
    if (frame == nullptr) {
        return 0;
    }
    RegisterWindowHotKey(AppSettings.WindowHotKey, kWindowHotKeyId, frame);
    BuildAccelerators();
    return RunMessageLoop();
}

}  // namespace tessel
