// The executable's folder from its module path.
#include "process/exe_directory.h"

#include <gtest/gtest.h>

#include <string>

namespace tessel {
namespace {

TEST(ExeDirectory, FolderOfTheModulePath) {
    const struct {
        const wchar_t* module;
        const wchar_t* folder;
    } cases[] = {
        {L"C:\\Tools\\Tessel\\TesselList.exe", L"C:\\Tools\\Tessel"},
        {L"Z:/tmp/x/TesselList.exe", L"Z:/tmp/x"},
        {L"\\\\server\\share\\TesselList.exe", L"\\\\server\\share"},
        // A drive root gives the drive alone; no folder at all gives none.
        {L"C:\\TesselList.exe", L"C:"},
        {L"D:TesselList.exe", L"D:"},
        {L"TesselList.exe", L""},
        // Letters of any language, cp932's or not; "ソ" and "表" end in a
        // 0x5C byte in cp932, which is no separator.
        {L"C:\\\u30bd\u30d5\u30c8\\TesselList.exe", L"C:\\\u30bd\u30d5\u30c8"},
        {L"C:\\\u8868\\\u30bd.exe", L"C:\\\u8868"},
        {L"C:\\Users\\Jos\u00e9\\Tessel-\u00f8\\TesselList.exe",
         L"C:\\Users\\Jos\u00e9\\Tessel-\u00f8"},
        {L"C:\\\U0001F4DD\\TesselList.exe", L"C:\\\U0001F4DD"},  // outside the basic plane
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ExeDirectoryFromModulePath(c.module), c.folder);
    }
}

TEST(ExeDirectory, DataFolderIsSystemBesideTheExecutable) {
    EXPECT_EQ(DataDirectoryFor(L"C:\\Tools"), L"C:\\Tools\\system");
    EXPECT_EQ(DataDirectoryFor(L"C:"), L"C:\\system");
    EXPECT_EQ(DataDirectoryFor(L"C:\\Jos\u00e9-\u00f8"), L"C:\\Jos\u00e9-\u00f8\\system");
}

}  // namespace
}  // namespace tessel
