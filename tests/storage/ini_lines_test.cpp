#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "storage/ini_lines.h"

namespace tessel {
namespace {

using Lines = std::vector<std::string>;

Lines AllLines(std::string_view bytes) {
    Lines lines;
    IniLineReader reader(bytes);
    std::string_view line;
    while (reader.Next(line)) {
        lines.emplace_back(line);
    }
    return lines;
}

TEST(IniLinesTest, LineEndsAndEmptyLines) {
    EXPECT_EQ(AllLines("a=1\r\nb=2\r\n"), (Lines{"a=1", "b=2"}));
    EXPECT_EQ(AllLines("a=1\r\n\r\n\r\nb=2"), (Lines{"a=1", "b=2"}));  // no end at the end
    // A lone CR ends a line without eating the next line's first byte.
    EXPECT_EQ(AllLines("a=1\rb=2\rc=3"), (Lines{"a=1", "b=2", "c=3"}));
    // NUL ends a line like CR.
    EXPECT_EQ(AllLines(std::string("a=1\0b=2\0\nc=3", 12)), (Lines{"a=1", "b=2", "c=3"}));
    // An LF without CR is an ordinary byte: an LF-only file is one line.
    EXPECT_EQ(AllLines("[System]\nLeft=5\n"), (Lines{"[System]\nLeft=5\n"}));
    EXPECT_EQ(AllLines("a\r\n\nb\r\n"), (Lines{"a", "\nb"}));
    EXPECT_TRUE(AllLines("").empty());
    EXPECT_TRUE(AllLines("\r\n\r\n\t\t\r\n").empty());  // TAB-only lines are empty
}

TEST(IniLinesTest, LongLinesKeepTheirFirst2046Bytes) {
    const std::string longLine = std::string(2046, 'x') + "tail";
    EXPECT_EQ(AllLines(longLine + "\r\nnext\r\n"), (Lines{std::string(2046, 'x'), "next"}));
    // TABs do not count towards the limit.
    const std::string withTabs = std::string(10, '\t') + std::string(2046, 'y') + "z";
    EXPECT_EQ(AllLines(withTabs), (Lines{std::string(2046, 'y')}));
}

TEST(IniLinesTest, SplitAtTheFirstEquals) {
    IniSetting s = SplitIniSetting("Left=5=6");
    EXPECT_EQ(s.key, "Left");
    EXPECT_EQ(s.value, "5=6");
    s = SplitIniSetting("Left =5");  // blanks stay part of key and value
    EXPECT_EQ(s.key, "Left ");
    s = SplitIniSetting("Left= 5 ");
    EXPECT_EQ(s.value, " 5 ");
    s = SplitIniSetting("Left");
    EXPECT_EQ(s.key, "Left");
    EXPECT_EQ(s.value, "");
    s = SplitIniSetting("=7");
    EXPECT_EQ(s.key, "");
    EXPECT_EQ(s.value, "7");
    const std::string longKey(1500, 'k');
    const std::string longLine = longKey + "=v";
    s = SplitIniSetting(longLine);
    EXPECT_EQ(s.key.size(), kMaxIniKeyBytes);
    EXPECT_EQ(s.value, "v");
    EXPECT_TRUE(IsIniSectionHeader("[Any"));
    EXPECT_FALSE(IsIniSectionHeader(" [System]"));
}

}  // namespace
}  // namespace tessel
