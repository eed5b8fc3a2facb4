// Where the program keeps its data: the folder of its executable, taken from
// the module's file name (cp932 bytes).
#pragma once

#include <string>
#include <string_view>

namespace tessel {

// Drive and directory of a module path, without the file name and without
// the separator before it: "C:\Tools\TesselList.exe" gives "C:\Tools", a
// program in a drive root gives just the drive ("C:"). Both "\" and "/"
// separate; a "\" byte that is the second half of a two-byte character
// (as in "ソ") does not.
std::string ExeDirectoryFromModulePath(std::string_view modulePath);

// The data folder beside the executable: directory + "\system".
std::string DataDirectoryFor(std::string_view exeDirectory);

}  // namespace tessel
