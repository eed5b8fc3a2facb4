// The one loader of the system's libraries: each comes from the system
// folder by its full path, its calls are found, and the search for DLLs is
// kept to the system folder with the usual libraries loaded from there.
#include <windows.h>

#include <gtest/gtest.h>

#include <cwctype>
#include <string>

#include "process/system_library_win.h"

namespace tessel {
namespace {

std::wstring Lower(std::wstring text) {
    for (wchar_t& c : text) {
        c = static_cast<wchar_t>(std::towlower(c));
    }
    return text;
}

// Where the loaded module of that name came from; empty when none is loaded.
std::wstring LoadedFrom(const wchar_t* name) {
    HMODULE module = GetModuleHandleW(name);
    wchar_t path[MAX_PATH] = {};
    if (module == nullptr || GetModuleFileNameW(module, path, MAX_PATH) == 0) {
        return std::wstring();
    }
    return Lower(path);
}

std::wstring InSystemFolder(const wchar_t* name) {
    wchar_t folder[MAX_PATH] = {};
    GetSystemDirectoryW(folder, MAX_PATH);
    return Lower(std::wstring(folder) + L"\\" + name);
}

TEST(SystemLibrary, EachFromTheSystemFolderWithItsCalls) {
    const struct {
        SystemLibrary library;
        const char* call;
    } cases[] = {
        {SystemLibrary::User32, "GetSystemMetrics"},
        {SystemLibrary::Shcore, "GetDpiForMonitor"},
        {SystemLibrary::Shell32, "Shell_NotifyIconW"},
        {SystemLibrary::Ole32, "CoInitializeEx"},
        {SystemLibrary::OleAut32, "SysAllocStringLen"},
        {SystemLibrary::OleAcc, "LresultFromObject"},
    };
    for (const auto& c : cases) {
        const wchar_t* name = SystemLibraryName(c.library);
        ASSERT_NE(LoadSystemLibrary(c.library), nullptr) << c.call;
        EXPECT_EQ(LoadedFrom(name), InSystemFolder(name)) << c.call;
        EXPECT_NE(FindSystemCall<FARPROC>(c.library, c.call), nullptr) << c.call;
        EXPECT_EQ(FindSystemCall<FARPROC>(c.library, "NoSuchCall"), nullptr) << c.call;
    }
}

TEST(SystemLibrary, SearchKeptToTheSystemFolderAndUsualLibrariesLoadedFromIt) {
    // Wine, like Windows 8 and later, has SetDefaultDllDirectories.
    EXPECT_EQ(KeepDllSearchInSystemFolder(), DllSearch::SystemFolderOnly);
    for (const wchar_t* name : {L"uxtheme.dll", L"version.dll", L"dwmapi.dll"}) {
        EXPECT_EQ(LoadedFrom(name), InSystemFolder(name)) << name;
    }
}

}  // namespace
}  // namespace tessel
