#include "process/exe_directory.h"

#include "store/cp932.h"

namespace tessel {

std::string ExeDirectoryFromModulePath(std::string_view modulePath) {
    std::size_t nameStart = 0;  // just after the last separator
    for (std::size_t i = 0; i < modulePath.size(); ++i) {
        char c = modulePath[i];
        if (IsCp932LeadByte(c)) {
            ++i;  // the trail byte may be 0x5C, which is no separator
        } else if (c == '\\' || c == '/') {
            nameStart = i + 1;
        }
    }
    if (nameStart == 0) {
        // No directory at all: only a drive, if the path starts with one.
        bool drive =
            modulePath.size() >= 2 && modulePath[1] == ':' && !IsCp932LeadByte(modulePath[0]);
        return std::string(drive ? modulePath.substr(0, 2) : std::string_view());
    }
    return std::string(modulePath.substr(0, nameStart - 1));
}

std::string DataDirectoryFor(std::string_view exeDirectory) {
    std::string path(exeDirectory);
    path += "\\system";
    return path;
}

}  // namespace tessel
