#include "process/data_files.h"

#include <cstdio>
#include <string>

#include "process/app_state.h"
#include "storage/file_handle.h"
#include "storage/list_file_format.h"

namespace tessel {

namespace {

constexpr const char* kListFileName = "list.txt";
constexpr const char* kSystemFileName = "system.ini";
constexpr const char* kLayoutFileName = "layout.ini";
// The height a window keeps at least while layout.ini is not read yet: the
// default title bar.
constexpr int kDefaultTitleBarHeight = 18;

// Whether the store holds everything list.txt held. Until a read succeeds
// (or finds no file) it does not, and the first write keeps the old file
// under a backup name before it replaces it.
bool listFileLoadedWhole = false;

std::string DataPath(const char* name) {
    return DataDirectory + "\\" + name;
}

// "list.txt.unread-YYYYMMDD-HHMMSS" beside the list, "-2", "-3"... added
// when that name is taken.
bool CopyToUnusedBackupName(const std::string& path) {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, ".unread-%04u%02u%02u-%02u%02u%02u", now.wYear, now.wMonth,
                  now.wDay, now.wHour, now.wMinute, now.wSecond);
    const std::string base = path + stamp;
    for (int attempt = 1; attempt <= 100; ++attempt) {
        const std::string backup = attempt == 1 ? base : base + "-" + std::to_string(attempt);
        if (CopyFileA(path.c_str(), backup.c_str(), TRUE)) {
            return true;
        }
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) {
            return false;
        }
    }
    return false;
}

// Before a write replaces a list that was not read whole: keeps a copy of
// it. false when it exists and no copy could be made; then nothing may be
// written over it.
bool KeepUnreadListFile(const std::string& path) {
    if (listFileLoadedWhole) {
        return true;
    }
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) {
            return false;
        }
    } else if (!CopyToUnusedBackupName(path)) {
        return false;
    }
    listFileLoadedWhole = true;
    return true;
}

int TextWidth(HDC dc, std::string_view text) {
    SIZE extent{};
    if (!GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &extent)) {
        return 0;
    }
    return extent.cx;
}

}  // namespace

int ReadSystemSettings() {
    try {
        std::string bytes;
        if (ReadWholeFile(DataPath(kSystemFileName), bytes) != FileReadResult::Read) {
            return 0;
        }
        ParseSystemSettings(bytes, AppSettings);
        ClampPlacement(AppSettings, ScreenWidth, ScreenHeight, kDefaultTitleBarHeight);
        rememberedImeOpen = AppSettings.StartIME;
        AppStore.currentCategory = AppSettings.CategoryIndex;
        return 1;
    } catch (...) {
        return 0;
    }
}

int WriteSystemSettings() {
    try {
        if (AppSettings.WindowMax == 0 && MainFrameHandle != nullptr &&
            !IsIconic(MainFrameHandle)) {
            RECT rect{};
            if (GetWindowRect(MainFrameHandle, &rect)) {
                AppSettings.NormalRect = PlacementRect{rect.left, rect.top, rect.right - rect.left,
                                                       rect.bottom - rect.top};
            }
        }
        AppSettings.CategoryIndex = AppStore.currentCategory;
        return ReplaceFileContent(DataPath(kSystemFileName), FormatSystemSettings(AppSettings)) ? 1
                                                                                                : 0;
    } catch (...) {
        return 0;
    }
}

int ReadLayoutSettings() {
    try {
        std::string bytes;
        if (ReadWholeFile(DataPath(kLayoutFileName), bytes) != FileReadResult::Read) {
            return 0;
        }
        ParseLayoutSettings(bytes, AppLayout);
        return 1;
    } catch (...) {
        return 0;
    }
}

int ReadListFile(HDC measureDc) {
    listFileLoadedWhole = false;
    try {
        std::string bytes;
        switch (ReadWholeFile(DataPath(kListFileName), bytes)) {
            case FileReadResult::Missing:
                // Nothing to lose, and nothing of the store is touched.
                listFileLoadedWhole = true;
                return 1;
            case FileReadResult::Failed:
                return 0;
            case FileReadResult::Read:
                break;
        }
        const int result = ParseListFile(
            bytes, AppStore, AppSettings.SeparatorLength, AppLayout.CategorySpace,
            [measureDc](std::string_view name) { return TextWidth(measureDc, name); });
        listFileLoadedWhole = result == 1;
        return result;
    } catch (...) {
        return 0;
    }
}

int WriteListFile() {
    try {
        const std::string path = DataPath(kListFileName);
        if (!KeepUnreadListFile(path)) {
            return 0;
        }
        return ReplaceFileContent(path, FormatListFile(AppStore)) ? 1 : 0;
    } catch (...) {
        return 0;
    }
}

}  // namespace tessel
