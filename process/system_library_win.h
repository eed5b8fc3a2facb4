// Where the program's code comes from. The executable imports KnownDLLs
// only (kernel32, user32, gdi32, imm32 and msvcrt), which Windows always
// takes from the system folder, with the DLLs they import. Every other system
// library is loaded here, from the system folder by its full path, never by
// a bare name: Windows would look for a bare name beside the program first,
// and the program is often started from the folder a browser downloads
// into, which holds whatever a web page saved there.
#pragma once

#include <windows.h>

namespace tessel {

// How the search for DLLs was kept to the system folder.
enum class DllSearch {
    SystemFolderOnly,  // SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32)
    Preloaded,         // Windows 7 without KB2533623: see KeepDllSearchInSystemFolder
};

// Called first thing at start, before any window and any library. The
// system folder becomes the only folder searched for DLLs, for the
// program's own loads and for those the system's DLLs make on its behalf.
// Then the libraries that system DLLs would look for beside the program are
// loaded from the system folder, as a library loaded already is never
// looked for again: a few always (Wine looks beside the program for those
// a DLL loads on its first call, whatever the search), and more where the
// system lacks the call that limits the search (Windows 7 without
// KB2533623), where the current folder also leaves the search.
DllSearch KeepDllSearchInSystemFolder();

// Every system library the program loads itself, each when it is first
// needed (the calls Windows 7 lacks, and those that would cost every start
// a library that most starts never use).
enum class SystemLibrary {
    User32,    // calls of Windows 8.1 and 10: GetDpiForWindow, ...
    Shcore,    // GetDpiForMonitor (Windows 8.1)
    Shell32,   // the tray icon
    Ole32,     // COM, for screen readers
    OleAut32,  // their texts
    OleAcc,    // the accessibility library
};

// The library's file name, "oleacc.dll".
const wchar_t* SystemLibraryName(SystemLibrary library);

// The library from the system folder by its full path; its own DLLs from
// the system folder too. Never freed: the calls found in it are kept. Null
// where the system lacks it.
HMODULE LoadSystemLibrary(SystemLibrary library);

// A call of the library, null where the system lacks the library or the
// call. Each place keeps what it found in a static, so that each call is
// looked up once:
//   static const auto call = FindSystemCall<Call>(SystemLibrary::User32, "GetDpiForWindow");
template <typename Call>
Call FindSystemCall(SystemLibrary library, const char* name) {
    HMODULE module = LoadSystemLibrary(library);
    if (module == nullptr) {
        return nullptr;
    }
    // Through void*: a FARPROC is converted to the call's real type.
    return reinterpret_cast<Call>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace tessel
