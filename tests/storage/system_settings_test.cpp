#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "storage/system_settings.h"

namespace tessel {
namespace {

SystemSettings Parsed(const std::string& bytes) {
    SystemSettings settings;
    SetSystemDefaults(settings);
    ParseSystemSettings(bytes, settings);
    return settings;
}

const char kDefaultFile[] =
    "[System]\r\nLeft=100\r\nTop=100\r\nWidth=500\r\nHeight=300\r\nWindowMax=0\r\n"
    "WindowTop=0\r\nDispCategory=1\r\nCheckMoveDown=0\r\nTaskTray=0\r\nCategoryIndex=0\r\n"
    "ScrollIndex=0\r\nDispTrayIcon=1\r\nDispMenuKey=1\r\nStartIME=0\r\nDeleteCheck=1\r\n"
    "AutoIndent=1\r\nEditMode=0\r\nInsertPosition=111\r\nSeparatorLength=40\r\n"
    "WindowHotKey=0000\r\n\r\n";

// How many settings a file gives: 0 tells a file of no use, which the
// program keeps before it writes its own.
TEST(SystemFileTest, SettingsTaken) {
    const struct {
        std::string bytes;
        int taken;
    } cases[] = {
        {kDefaultFile, 20},
        {"[System]\r\nLeft=5\r\nleft=6\r\nNoSuchKey=1\r\n", 1},
        {"[System]\nLeft=5\nTop=5\n", 0},            // LF-only: one long line
        {"\xEF\xBB\xBF[System]\r\nLeft=5\r\n", 0},   // a mark before the header
        {"Left=5\r\n[Other]\r\nTop=5\r\n", 0},       // no [System]
        {"[System]\r\nInsertPosition=1000\r\n", 1},  // a key known, its value not taken
        {"", 0},
    };
    for (const auto& c : cases) {
        SystemSettings settings;
        EXPECT_EQ(ParseSystemSettings(c.bytes, settings), c.taken) << c.bytes;
    }
}

TEST(SystemFileTest, WriterOutputIsByteExact) {
    SystemSettings settings;
    SetSystemDefaults(settings);
    EXPECT_EQ(FormatSystemSettings(settings), kDefaultFile);

    settings.NormalRect = {-400, 7, 640, 480};
    settings.WindowX = 1;  // the file takes the normal placement, not this
    settings.CategoryIndex = -1;
    settings.InsertPositionItem = 0;
    settings.InsertPositionSeparator = 1;
    settings.InsertPositionPaste = 2;
    settings.WindowHotKey = 0x341;
    const std::string text = FormatSystemSettings(settings);
    EXPECT_NE(text.find("\r\nLeft=-400\r\nTop=7\r\nWidth=640\r\nHeight=480\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("\r\nCategoryIndex=-1\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nInsertPosition=012\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nWindowHotKey=0341\r\n\r\n"), std::string::npos);
    settings.WindowHotKey = 0xABCDE;
    EXPECT_NE(FormatSystemSettings(settings).find("WindowHotKey=ABCDE\r\n"), std::string::npos);
}

TEST(SystemFileTest, ReadsWhatItWrites) {
    SystemSettings written;
    SetSystemDefaults(written);
    written.WindowX = written.NormalRect.x = 30;
    written.WindowY = written.NormalRect.y = 40;
    written.WindowWidth = written.NormalRect.width = 700;
    written.WindowHeight = written.NormalRect.height = 200;
    written.WindowMax = 1;
    written.TaskTray = 1;
    written.CategoryIndex = 3;
    written.ScrollIndex = 55;
    written.StartIME = 1;
    written.EditMode = 1;
    written.InsertPositionItem = 3;
    written.InsertPositionSeparator = 0;
    written.InsertPositionPaste = 9;
    written.SeparatorLength = 12;
    written.WindowHotKey = 0x1241;
    SystemSettings read = Parsed(FormatSystemSettings(written));
    ClampPlacement(read, 1920, 1080, 18);
    EXPECT_EQ(FormatSystemSettings(read), FormatSystemSettings(written));
    EXPECT_EQ(read.WindowX, 30);
    EXPECT_EQ(read.WindowHeight, 200);
    EXPECT_EQ(read.InsertPositionPaste, 9);
    EXPECT_EQ(read.WindowHotKey, 0x1241);
}

TEST(SystemFileTest, SectionAndKeyRules) {
    // Nothing counts without the "[System]" line, nor before it.
    EXPECT_EQ(Parsed("Left=5\r\nTop=6\r\n").WindowX, 100);
    SystemSettings s = Parsed(
        "Left=5\r\n[system]\r\nTop=6\r\n[System]\r\nWidth=640\r\n"
        "[Other]\r\nHeight=480\r\n");
    EXPECT_EQ(s.WindowX, 100);
    EXPECT_EQ(s.WindowY, 100);
    EXPECT_EQ(s.WindowWidth, 640);
    EXPECT_EQ(s.WindowHeight, 480);  // a later header of another name keeps it on

    s = Parsed(
        "[System]\r\nLeft =5\r\nTop= 6\r\nWidth\r\nleft=7\r\nScrollIndex=9=8\r\n"
        "\tDisp\tCategory=\t0\r\nUnknown=1\r\n");
    EXPECT_EQ(s.WindowX, 100);  // "Left " is no key, "left" neither
    EXPECT_EQ(s.WindowY, 6);
    EXPECT_EQ(s.WindowWidth, 0);  // a bare key reads 0
    EXPECT_EQ(s.ScrollIndex, 9);
    EXPECT_EQ(s.DispCategory, 0);  // TABs dropped wherever they stand

    // LF-only line ends make one long line, a header that is no "[System]".
    EXPECT_EQ(Parsed("[System]\nLeft=5\nTop=6\n").WindowX, 100);
    // Lone CRs end lines without losing the next line's first byte.
    s = Parsed("[System]\rLeft=5\rTop=6\r");
    EXPECT_EQ(s.WindowX, 5);
    EXPECT_EQ(s.WindowY, 6);
    // The rest of a line beyond 2046 bytes is dropped.
    s = Parsed("[System]\r\nScrollIndex=" + std::string(2034, '0') + "777\r\nTop=8\r\n");
    EXPECT_EQ(s.ScrollIndex, 0);
    EXPECT_EQ(s.WindowY, 8);
}

TEST(SystemFileTest, SpecialValues) {
    SystemSettings s = Parsed("[System]\r\nInsertPosition=23\r\nStartIME=1\r\n");
    EXPECT_EQ(s.InsertPositionItem, 0);
    EXPECT_EQ(s.InsertPositionSeparator, 2);
    EXPECT_EQ(s.InsertPositionPaste, 3);
    EXPECT_EQ(s.StartIME, 1);
    EXPECT_NE(FormatSystemSettings(s).find("InsertPosition=023\r\n"), std::string::npos);
    for (const char* outOfRange : {"1000", "-1"}) {
        s = Parsed(std::string("[System]\r\nInsertPosition=") + outOfRange + "\r\n");
        EXPECT_EQ(s.InsertPositionItem, 1);
        EXPECT_EQ(s.InsertPositionSeparator, 1);
        EXPECT_EQ(s.InsertPositionPaste, 1);
    }

    for (const char* key : {"0341", "341", "0x0341", "03 41", "#03-41"}) {
        EXPECT_EQ(Parsed(std::string("[System]\r\nWindowHotKey=") + key).WindowHotKey, 0x341)
            << key;
    }
    EXPECT_EQ(ParseIniHex(""), 0);
    EXPECT_EQ(ParseIniHex("fFfFfFfFfF"), 0xFFFFFFF);  // 7 digits at most
    EXPECT_EQ(ParseIniHex("g"), 0);

    // A separator holds 255 dashes at most; a negative count means none.
    EXPECT_EQ(Parsed("[System]\r\nSeparatorLength=300\r\n").SeparatorLength, 255);
    EXPECT_EQ(Parsed("[System]\r\nSeparatorLength=-3\r\n").SeparatorLength, 0);
    EXPECT_EQ(Parsed("[System]\r\nSeparatorLength=255\r\n").SeparatorLength, 255);
}

TEST(SystemPlacementTest, ClampsIntoTheScreen) {
    auto clamped = [](int x, int y, int width, int height) {
        SystemSettings s;
        s.WindowX = x;
        s.WindowY = y;
        s.WindowWidth = width;
        s.WindowHeight = height;
        ClampPlacement(s, 1920, 1080, 18);
        EXPECT_EQ(s.NormalRect.x, s.WindowX);
        EXPECT_EQ(s.NormalRect.y, s.WindowY);
        EXPECT_EQ(s.NormalRect.width, s.WindowWidth);
        EXPECT_EQ(s.NormalRect.height, s.WindowHeight);
        return s.NormalRect;
    };
    PlacementRect r = clamped(10, 20, 50, 5);
    EXPECT_EQ(r.width, 100);
    EXPECT_EQ(r.height, 18);
    EXPECT_EQ(clamped(-600, 0, 500, 300).x, 0);
    EXPECT_EQ(clamped(-400, 0, 500, 300).x, -400);
    EXPECT_EQ(clamped(-150, 0, 50, 300).x, 0);  // width first becomes 100, then -50 < 0
    EXPECT_EQ(clamped(5000, 0, 500, 300).x, 1920);
    EXPECT_EQ(clamped(0, -301, 500, 300).y, 0);
    EXPECT_EQ(clamped(0, 1080, 500, 300).y, 1080);
    EXPECT_EQ(clamped(0, 1079, 500, 300).y, 1079);
    // Extreme values from the file do not overflow.
    r = clamped(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX);
    EXPECT_EQ(r.x, 0);
    EXPECT_EQ(r.y, 0);
    r = clamped(INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX);
    EXPECT_EQ(r.x, 1920);
    EXPECT_EQ(r.y, 1080);
}

}  // namespace
}  // namespace tessel
