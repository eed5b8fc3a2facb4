// tessel_marker.dll: a DLL planted beside the program under the name of a
// system DLL (oleacc.dll, version.dll, ...). Loaded, it leaves a file
// "<its own path>.loaded" that names the process that loaded it, and
// "static" when it came in as an import while the process started rather
// than by a LoadLibrary call; nothing else: no calls of the DLL it stands
// for are there.
#include <windows.h>

namespace {

void LeaveMark(HINSTANCE self, bool atStart) {
    wchar_t path[MAX_PATH + 16] = {};
    const DWORD length = GetModuleFileNameW(self, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return;
    }
    lstrcatW(path, L".loaded");
    HANDLE file = CreateFileW(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return;
    }
    char process[MAX_PATH] = {};
    const DWORD size = GetModuleFileNameA(nullptr, process, MAX_PATH);
    DWORD written = 0;
    WriteFile(file, process, size, &written, nullptr);
    if (atStart) {
        WriteFile(file, " static", 7, &written, nullptr);
    }
    CloseHandle(file);
}

}  // namespace

// A DLL loaded as an import while the process starts is told so by a
// reserved argument that is not null; one loaded by LoadLibrary gets null.
extern "C" BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) {
        LeaveMark(self, reserved != nullptr);
    }
    return TRUE;
}
