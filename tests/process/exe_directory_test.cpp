// The executable's folder from its module path.
#include "process/exe_directory.h"

#include <gtest/gtest.h>

namespace tessel {
namespace {

TEST(ExeDirectory, FolderWithoutTrailingSeparator) {
    EXPECT_EQ(ExeDirectoryFromModulePath("C:\\Tools\\Tessel\\TesselList.exe"), "C:\\Tools\\Tessel");
    EXPECT_EQ(ExeDirectoryFromModulePath("Z:/tmp/x/TesselList.exe"), "Z:/tmp/x");
    EXPECT_EQ(ExeDirectoryFromModulePath("\\\\server\\share\\TesselList.exe"), "\\\\server\\share");
}

TEST(ExeDirectory, DriveRootGivesTheDriveAlone) {
    EXPECT_EQ(ExeDirectoryFromModulePath("C:\\TesselList.exe"), "C:");
    EXPECT_EQ(ExeDirectoryFromModulePath("D:TesselList.exe"), "D:");
    EXPECT_EQ(ExeDirectoryFromModulePath("TesselList.exe"), "");
}

TEST(ExeDirectory, TrailByteBackslashIsNoSeparator) {
    // "ソ" is 0x83 0x5C: its second byte looks like a backslash.
    EXPECT_EQ(ExeDirectoryFromModulePath("C:\\ソフト\\TesselList.exe"), "C:\\ソフト");
    EXPECT_EQ(ExeDirectoryFromModulePath("C:\\ソ\\ソ.exe"), "C:\\ソ");
    EXPECT_EQ(ExeDirectoryFromModulePath("C:\\表\\TesselList.exe"), "C:\\表");  // 0x95 0x5C
}

TEST(ExeDirectory, DataFolderIsSystemBesideTheExecutable) {
    EXPECT_EQ(DataDirectoryFor("C:\\Tools"), "C:\\Tools\\system");
    EXPECT_EQ(DataDirectoryFor("C:"), "C:\\system");
}

}  // namespace
}  // namespace tessel
