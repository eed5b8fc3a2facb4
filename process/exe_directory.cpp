#include "process/exe_directory.h"

namespace tessel {

std::wstring ExeDirectoryFromModulePath(std::wstring_view modulePath) {
    const std::size_t separator = modulePath.find_last_of(L"\\/");
    if (separator == std::wstring_view::npos) {
        // No directory at all: only a drive, if the path starts with one.
        const bool drive = modulePath.size() >= 2 && modulePath[1] == L':';
        return std::wstring(drive ? modulePath.substr(0, 2) : std::wstring_view());
    }
    return std::wstring(modulePath.substr(0, separator));
}

std::wstring DataDirectoryFor(std::wstring_view exeDirectory) {
    std::wstring path(exeDirectory);
    path += L"\\system";
    return path;
}

}  // namespace tessel
