// Where the program keeps its data: the folder of its executable, taken from
// the module's file name (UTF-16, so that a folder named in any language
// serves).
#pragma once

#include <string>
#include <string_view>

namespace tessel {

// Drive and directory of a module path, without the file name and without
// the separator before it: "C:\Tools\TesselList.exe" gives "C:\Tools", a
// program in a drive root gives just the drive ("C:"). Both "\" and "/"
// separate.
std::wstring ExeDirectoryFromModulePath(std::wstring_view modulePath);

// The data folder beside the executable: directory + "\system".
std::wstring DataDirectoryFor(std::wstring_view exeDirectory);

}  // namespace tessel
