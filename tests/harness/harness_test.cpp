// Proves the test platform itself: the Japanese code page, real GDI memory
// DCs and the cp932 literals of the build.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "tests/harness/temp_folder.h"

namespace {

TEST(Harness, AnsiCodePageIsJapanese) {
    EXPECT_EQ(GetACP(), 932u);
    EXPECT_TRUE(IsDBCSLeadByte(0x82));
    EXPECT_FALSE(IsDBCSLeadByte('A'));
}

TEST(Harness, NarrowLiteralsAreCp932) {
    const char* title = "てっせるリスト";
    ASSERT_EQ(std::strlen(title), 14u);
    EXPECT_EQ(static_cast<unsigned char>(title[0]), 0x82);
    EXPECT_EQ(static_cast<unsigned char>(title[1]), 0xC4);
    // "ソ" ends in a backslash byte, the classic trap of cp932 paths.
    const char* so = "ソ";
    EXPECT_EQ(static_cast<unsigned char>(so[0]), 0x83);
    EXPECT_EQ(static_cast<unsigned char>(so[1]), 0x5C);
    // The system reads the same bytes back as the same characters.
    wchar_t wide[16] = {};
    ASSERT_EQ(MultiByteToWideChar(CP_ACP, 0, title, -1, wide, 16), 8);
    EXPECT_EQ(wide[0], L'\u3066');
}

TEST(Harness, MemoryDcKeepsAPixel) {
    HDC screen = GetDC(nullptr);
    ASSERT_NE(screen, nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 8, 8);
    ReleaseDC(nullptr, screen);
    ASSERT_NE(memory, nullptr);
    ASSERT_NE(bitmap, nullptr);
    HGDIOBJ old = SelectObject(memory, bitmap);
    SetPixel(memory, 3, 4, RGB(0x12, 0x34, 0x56));
    EXPECT_EQ(GetPixel(memory, 3, 4), RGB(0x12, 0x34, 0x56));
    EXPECT_NE(GetPixel(memory, 4, 3), RGB(0x12, 0x34, 0x56));
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

TEST(Harness, TempFolderIsFreshAndRemoved) {
    std::string kept;
    {
        tessel::test::TempFolder folder;
        kept = folder.Path();
        tessel::test::WriteFileBytes(folder.File("a.txt"), "abc\r\n");
        EXPECT_EQ(tessel::test::ReadFileBytes(folder.File("a.txt")), "abc\r\n");
    }
    EXPECT_EQ(GetFileAttributesA(kept.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(Harness, TempFolderServesNamesCp932Lacks) {
    std::wstring kept;
    {
        tessel::test::TempFolder folder;
        kept = folder.WidePath();
        const std::wstring inner = folder.MakeFolder(std::wstring(tessel::test::kNonCp932Name) +
                                                     L"\\" + tessel::test::kNonCp932Name);
        EXPECT_EQ(inner, kept + L"\\Jos\u00e9-\u00f8\\Jos\u00e9-\u00f8");
        const std::wstring file = inner + L"\\\u00e9.txt";
        tessel::test::WriteFileBytes(file, "abc\r\n");
        EXPECT_TRUE(tessel::test::FileExists(file));
        EXPECT_FALSE(tessel::test::FileExists(inner));  // a folder is no file
        EXPECT_EQ(tessel::test::ReadFileBytes(file), "abc\r\n");
        EXPECT_EQ(tessel::test::ReadFileBytes(inner + L"\\missing"), "");
    }
    EXPECT_EQ(GetFileAttributesW(kept.c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
