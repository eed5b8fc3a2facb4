#include "process/system_library_win.h"

#include <iterator>
#include <string>

namespace tessel {
namespace {

// DLLs that the system's DLLs load by their bare names, some on their
// first call (delay-loaded). Wine's loader looks for the latter beside the
// program even after SetDefaultDllDirectories; loaded at start from the
// system folder, they are found loaded instead.
constexpr const wchar_t* kPreloaded[] = {
    L"uxtheme.dll", L"dwmapi.dll", L"version.dll", L"msimg32.dll", L"winmm.dll",
};
// And where nothing else keeps the search to the system folder (Windows 7
// without KB2533623), those too that would cost every start more: oleacc
// and propsys bring COM along. A name the system lacks (textinputframework
// before Windows 10) is passed over.
constexpr const wchar_t* kPreloadedWithoutLimit[] = {
    L"oleacc.dll",  L"propsys.dll", L"textinputframework.dll",
    L"userenv.dll", L"apphelp.dll", L"cryptbase.dll",
};

constexpr const wchar_t* kLibraryNames[] = {
    L"user32.dll", L"shcore.dll", L"shell32.dll", L"ole32.dll", L"oleaut32.dll", L"oleacc.dll",
};
static_assert(std::size(kLibraryNames) == static_cast<std::size_t>(SystemLibrary::OleAcc) + 1,
              "a name for every SystemLibrary");

using SetDefaultDllDirectoriesCall = BOOL(WINAPI*)(DWORD);

// kernel32's SetDefaultDllDirectories (Windows 8, or 7 with KB2533623);
// where it is, LoadLibraryEx knows the LOAD_LIBRARY_SEARCH_ flags too.
SetDefaultDllDirectoriesCall SetDefaultDllDirectoriesIfAny() {
    // kernel32 is loaded in every process; this loads nothing.
    HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
    if (kernel == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<SetDefaultDllDirectoriesCall>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
}

// "C:\Windows\System32\" and the name; empty when the system will not tell.
std::wstring SystemFolderPath(const wchar_t* name) {
    const UINT size = GetSystemDirectoryW(nullptr, 0);
    if (size == 0) {
        return std::wstring();
    }
    std::wstring path(size, L'\0');
    const UINT length = GetSystemDirectoryW(&path[0], size);
    if (length == 0 || length >= size) {
        return std::wstring();
    }
    path.resize(length);
    if (path.back() != L'\\') {
        path += L'\\';
    }
    return path + name;
}

// From the system folder by its full path. Its own DLLs are looked for in
// the system folder (LOAD_LIBRARY_SEARCH_SYSTEM32), or where that flag is
// unknown, in the library's folder first (LOAD_WITH_ALTERED_SEARCH_PATH),
// never beside the program.
HMODULE LoadFromSystemFolder(const wchar_t* name) {
    static const bool searchFlagsKnown = SetDefaultDllDirectoriesIfAny() != nullptr;
    const std::wstring path = SystemFolderPath(name);
    if (path.empty()) {
        return nullptr;
    }
    return LoadLibraryExW(
        path.c_str(), nullptr,
        searchFlagsKnown ? LOAD_LIBRARY_SEARCH_SYSTEM32 : LOAD_WITH_ALTERED_SEARCH_PATH);
}

template <std::size_t n>
void Preload(const wchar_t* const (&names)[n]) {
    for (const wchar_t* name : names) {
        // Kept for the process: a later load by the bare name finds it loaded.
        LoadFromSystemFolder(name);
    }
}

}  // namespace

DllSearch KeepDllSearchInSystemFolder() {
    if (const SetDefaultDllDirectoriesCall call = SetDefaultDllDirectoriesIfAny()) {
        if (call(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
            Preload(kPreloaded);
            return DllSearch::SystemFolderOnly;
        }
    }
    // Takes the current folder out of the search; the program's own stays.
    SetDllDirectoryW(L"");
    Preload(kPreloaded);
    Preload(kPreloadedWithoutLimit);
    return DllSearch::Preloaded;
}

const wchar_t* SystemLibraryName(SystemLibrary library) {
    return kLibraryNames[static_cast<std::size_t>(library)];
}

HMODULE LoadSystemLibrary(SystemLibrary library) {
    return LoadFromSystemFolder(SystemLibraryName(library));
}

}  // namespace tessel
