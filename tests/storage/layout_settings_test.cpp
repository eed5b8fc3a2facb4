#include <climits>
#include <string>

#include <gtest/gtest.h>

#include "storage/layout_settings.h"

namespace tessel {
namespace {

LayoutSettings Defaults() {
    LayoutSettings layout;
    SetLayoutDefaults(layout);
    SetColourDefaults(layout);
    return layout;
}

LayoutSettings Parsed(const std::string& bytes) {
    LayoutSettings layout = Defaults();
    ParseLayoutSettings(bytes, layout);
    return layout;
}

TEST(LayoutDefaultsTest, SizesFontsAndColours) {
    const LayoutSettings layout = Defaults();
    EXPECT_EQ(layout.WindowBorderWidth, 4);
    EXPECT_EQ(layout.TitleBarHeight, 18);
    EXPECT_EQ(layout.ListLineHeight, 22);
    EXPECT_EQ(layout.ScrollBarWidth, 16);
    EXPECT_EQ(layout.titleFont.face, "ＭＳ Ｐゴシック");
    EXPECT_EQ(layout.titleFont.size, 12);
    EXPECT_EQ(layout.titleFont.style, kFontBold);
    EXPECT_EQ(layout.categoryFont.style, 0);
    EXPECT_EQ(layout.listFont.face, "ＭＳ Ｐゴシック");
    EXPECT_EQ(layout.WindowBorderColour, MakeColour(0x71, 0x6F, 0x64));
    EXPECT_EQ(layout.TitleBack1, MakeColour(0xFF, 0xE8, 0xAA));
    EXPECT_EQ(layout.ButtonDown, MakeColour(0xFF, 0xB5, 0x80));
    EXPECT_EQ(layout.ListCheck, MakeColour(0x66, 0xCC, 0x00));
    EXPECT_EQ(layout.ScrollTrackBack, MakeColour(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(layout.ScrollButtonBack, MakeColour(0xFF, 0xFF, 0xFF));
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(layout.ScrollBorder[i], MakeColour(0xAC, 0xA8, 0x99));
        EXPECT_EQ(layout.ScrollSliderBorder[i], MakeColour(0xFF, 0x80, 0x40));
    }
    EXPECT_EQ(layout.TitleGradient, 1);
}

TEST(LayoutFileTest, SectionsDecideWhereAKeyGoes) {
    const LayoutSettings layout = Parsed(
        "ListLineHeight=99\r\n"               // before any section: ignored
        "[Unknown]\r\nCategoryHeight=98\r\n"  // unknown header, no section yet
        "[Layout]\r\nWindowBorder=7\r\nListLineHeight=0\r\nTitleBarHeight=-5\r\n"
        "[Other]\r\nScrollBarWidth=30\r\n"  // an unknown header keeps [Layout]
        "[Color]\r\nWindowBorder=010203\r\nListLineHeight=5\r\n"
        "[Layout]\r\nlistlineheight=40\r\nCheckBoxSize\r\n");
    EXPECT_EQ(layout.ListLineHeight, 0);  // stored as read; case matters
    EXPECT_EQ(layout.CategoryHeight, 22);
    EXPECT_EQ(layout.WindowBorderWidth, 7);
    EXPECT_EQ(layout.WindowBorderColour, MakeColour(1, 2, 3));
    EXPECT_EQ(layout.TitleBarHeight, -5);
    EXPECT_EQ(layout.ScrollBarWidth, 30);
    EXPECT_EQ(layout.CheckBoxSize, 0);  // a key without "=" reads an empty value
}

TEST(LayoutFileTest, FontValues) {
    LayoutSettings layout = Parsed("[Font]\r\nList=Arial\r\n");
    EXPECT_EQ(layout.listFont.face, "Arial");
    EXPECT_EQ(layout.listFont.size, 12);
    EXPECT_EQ(layout.listFont.style, 0);

    layout = Parsed(
        "[Font]\r\nTitleBar=,0,99\r\nCategory=Meiryo UI,20,5,junk\r\n"
        "List=ＭＳ ゴシック,-3,11\r\n");
    EXPECT_EQ(layout.titleFont.face, "");
    EXPECT_EQ(layout.titleFont.size, 1);
    EXPECT_EQ(layout.titleFont.style, 15);
    EXPECT_EQ(layout.categoryFont.face, "Meiryo UI");  // blanks kept
    EXPECT_EQ(layout.categoryFont.size, 20);
    EXPECT_EQ(layout.categoryFont.style, kFontBold);  // underline cleared
    EXPECT_EQ(layout.listFont.face, "ＭＳ ゴシック");
    EXPECT_EQ(layout.listFont.size, 1);
    EXPECT_EQ(layout.listFont.style, kFontItalic);  // bold and strike-out cleared

    // Bits are cleared after reading, also when no [Font] key set them.
    LayoutSettings preset = Defaults();
    preset.categoryFont.style = 15;
    preset.listFont.style = 15;
    ParseLayoutSettings("", preset);
    EXPECT_EQ(preset.categoryFont.style, 11);
    EXPECT_EQ(preset.listFont.style, 6);
}

TEST(LayoutFileTest, FontFieldsByParseIniFont) {
    FontSpec font{"Face", 14, 2};
    ParseIniFont("", font);  // changes nothing
    EXPECT_EQ(font.face, "Face");
    EXPECT_EQ(font.size, 14);
    ParseIniFont("Other,", font);  // an empty size field reads 0, then 1
    EXPECT_EQ(font.face, "Other");
    EXPECT_EQ(font.size, 1);
    EXPECT_EQ(font.style, 2);
    ParseIniFont("X,16,-4", font);
    EXPECT_EQ(font.style, 0);
    // A comma right behind a lead byte is its second byte, not a separator.
    ParseIniFont("\x81,name", font);
    EXPECT_EQ(font.face, "\x81,name");
    EXPECT_EQ(font.size, 16);
    // A face longer than its field is cut in whole characters.
    std::string face = "a";
    for (int i = 0; i < 200; ++i) {
        face += "あ";
    }
    ParseIniFont(face + ",9", font);
    EXPECT_EQ(font.face.size(), 255u);
    EXPECT_EQ(font.face, face.substr(0, 255));
    EXPECT_EQ(font.size, 9);
}

TEST(LayoutFileTest, ColourScan) {
    EXPECT_EQ(ParseIniColour("FF8040"), MakeColour(0xFF, 0x80, 0x40));
    EXPECT_EQ(ParseIniColour("#FF8040"), MakeColour(0xFF, 0x80, 0x40));
    EXPECT_EQ(ParseIniColour("ff 80 40"), MakeColour(0xFF, 0x80, 0x40));
    EXPECT_EQ(ParseIniColour("0x00FF00"), MakeColour(0, 0xFF, 0));
    EXPECT_EQ(ParseIniColour("1FF8040"), MakeColour(0xFF, 0x80, 0x40));    // 7th digit dropped
    EXPECT_EQ(ParseIniColour("123456789"), MakeColour(0x45, 0x67, 0x89));  // 7 digits at most
    EXPECT_EQ(ParseIniColour("FF"), MakeColour(0, 0, 0xFF));
    EXPECT_EQ(ParseIniColour(""), 0u);
    EXPECT_EQ(ParseIniColour("xyz"), 0u);
}

TEST(LayoutFileTest, ColourCopiesAndGradient) {
    LayoutSettings layout = Parsed(
        "[Color]\r\nScrollBack=010101\r\nScrollBorder=020202\r\nScrollSliderBorder=030303\r\n"
        "TitleBack1=ABCDEF\r\nTitleBack2=abcdef\r\n");
    EXPECT_EQ(layout.ScrollTrackBack, MakeColour(1, 1, 1));
    EXPECT_EQ(layout.ScrollButtonBack, MakeColour(1, 1, 1));
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(layout.ScrollBorder[i], MakeColour(2, 2, 2));
        EXPECT_EQ(layout.ScrollSliderBorder[i], MakeColour(3, 3, 3));
    }
    EXPECT_EQ(layout.TitleGradient, 0);  // both ends alike: solid
    EXPECT_EQ(Parsed("[Layout]\r\nCategoryHeight=30\r\n").TitleGradient, 1);
    EXPECT_EQ(Parsed("[Color]\r\nTitleBack2=FFE8AA\r\n").TitleGradient, 0);
}

TEST(LayoutFileTest, NumberSyntax) {
    EXPECT_EQ(ParseIniNumber("42"), 42);
    EXPECT_EQ(ParseIniNumber("  -12px"), -12);
    EXPECT_EQ(ParseIniNumber("+7"), 7);
    EXPECT_EQ(ParseIniNumber("\n\v\f 3"), 3);
    EXPECT_EQ(ParseIniNumber(""), 0);
    EXPECT_EQ(ParseIniNumber("- 5"), 0);
    EXPECT_EQ(ParseIniNumber("x5"), 0);
    EXPECT_EQ(ParseIniNumber("2147483647"), INT_MAX);
    EXPECT_EQ(ParseIniNumber("99999999999999999999"), INT_MAX);  // saturates
    EXPECT_EQ(ParseIniNumber("-2147483648"), INT_MIN);
    EXPECT_EQ(ParseIniNumber("-99999999999999999999"), INT_MIN);
}

// What FormatLayoutSettings writes, the reader takes back field for field,
// the keys with several fields included; colours as RRGGBB.
TEST(LayoutFileTest, FormattedFileReadsBackTheSame) {
    const LayoutSettings changed = Parsed(
        "[Layout]\r\nWindowBorder=7\r\nListLineHeight=-3\r\n"
        "[Font]\r\nList=Arial,15,2\r\n"
        "[Color]\r\nWindowBorder=010203\r\nScrollBack=A0B0C0\r\nScrollSliderBorder=0F1E2D\r\n");
    const std::string text = FormatLayoutSettings(changed);
    EXPECT_NE(text.find("[Layout]\r\nDispSystemIcon=1\r\nWindowBorder=7\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nList=Arial,15,2\r\n"), std::string::npos);
    EXPECT_NE(text.find("[Color]\r\nWindowBack=FFFFFF\r\nWindowBorder=010203\r\n"),
              std::string::npos);
    LayoutSettings read;  // colours 0, faces empty
    ParseLayoutSettings(text, read);
    EXPECT_EQ(read.ListLineHeight, -3);
    EXPECT_EQ(read.listFont.face, "Arial");
    EXPECT_EQ(read.titleFont.face, "ＭＳ Ｐゴシック");
    EXPECT_EQ(read.WindowBorderColour, MakeColour(1, 2, 3));
    EXPECT_EQ(read.ScrollButtonBack, MakeColour(0xA0, 0xB0, 0xC0));
    EXPECT_EQ(read.ScrollSliderBorder[3], MakeColour(0x0F, 0x1E, 0x2D));
    EXPECT_EQ(FormatLayoutSettings(read), text);
}

// Sizes of 0 or below are stored as read; whatever divides or sizes with
// them goes through these guards.
TEST(LayoutGuardTest, DivisorsAndSizesNeverBelowOne) {
    EXPECT_EQ(AtLeastOne(0), 1);
    EXPECT_EQ(AtLeastOne(-22), 1);
    EXPECT_EQ(AtLeastOne(INT_MIN), 1);
    EXPECT_EQ(AtLeastOne(22), 22);
    EXPECT_EQ(SafeSize(0), 1);
    EXPECT_EQ(SafeSize(INT_MIN), 1);
    EXPECT_EQ(SafeSize(13), 13);
    EXPECT_EQ(SafeSize(INT_MAX), kMaxLayoutPixels);
    const LayoutSettings layout = Parsed("[Layout]\r\nListLineHeight=0\r\nCheckBoxSize=-9\r\n");
    EXPECT_EQ(500 / AtLeastOne(layout.ListLineHeight), 500);
    EXPECT_EQ(SafeSize(layout.CheckBoxSize), 1);
}

}  // namespace
}  // namespace tessel
