// Positions of the fixed pieces of the bars and the glyph segments.
#include "categorybar/bar_glyphs.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace tessel {
namespace {

// The pixels a list of segments paints (end points excluded, diagonal or
// straight lines only, as the glyphs have).
std::set<std::pair<int, int>> Pixels(const std::vector<Segment>& segments) {
    std::set<std::pair<int, int>> pixels;
    for (const Segment& s : segments) {
        int dx = (s.x2 > s.x1) - (s.x2 < s.x1);
        int dy = (s.y2 > s.y1) - (s.y2 < s.y1);
        for (int x = s.x1, y = s.y1; x != s.x2 || y != s.y2; x += dx, y += dy) {
            pixels.insert({x, y});
        }
    }
    return pixels;
}

TEST(BarGlyphs, CloseButtonGlyphIsCentredInTheButton) {
    LayoutSettings layout;  // size 16, margins 1
    PixelPoint o = CloseGlyphOrigin(layout, 500);
    EXPECT_EQ(o.x, 483);
    EXPECT_EQ(o.y, 1);
    layout.CloseButtonSize = 20;
    o = CloseGlyphOrigin(layout, 500);
    EXPECT_EQ(o.x, 481);
    EXPECT_EQ(o.y, 3);
    // A button smaller than the glyph: halving truncates toward zero.
    layout.CloseButtonSize = 13;
    EXPECT_EQ(CloseGlyphOrigin(layout, 500).x, 500 - 1 - 13 - 1);
}

TEST(BarGlyphs, CloseCrossIsThreePixelsThickWithNoBox) {
    auto pixels = Pixels(CloseGlyph({0, 0}));
    // Centre and both diagonals, three wide.
    for (auto p : {std::pair{8, 7}, {8, 8}, {7, 8}, {3, 3}, {12, 12}, {3, 12}, {12, 3}}) {
        EXPECT_TRUE(pixels.count(p)) << p.first << "," << p.second;
    }
    // No box, nothing beyond the arms.
    for (auto p : {std::pair{8, 3}, {3, 8}, {0, 0}, {15, 15}, {13, 13}, {2, 2}}) {
        EXPECT_FALSE(pixels.count(p)) << p.first << "," << p.second;
    }
    // Six strokes of 9 or 10 pixels, crossing in four pixels.
    EXPECT_EQ(pixels.size(), 52u);
}

TEST(BarGlyphs, ArrowsAreFilledOrOutlined) {
    auto filledLeft = Pixels(LeftArrowGlyph(0, 0, true));
    auto outlineLeft = Pixels(LeftArrowGlyph(0, 0, false));
    EXPECT_EQ(filledLeft.size(), 9u + 7 + 5 + 3 + 1);
    EXPECT_TRUE(filledLeft.count({5, 5}));
    EXPECT_FALSE(outlineLeft.count({5, 5}));  // hollow inside
    EXPECT_TRUE(outlineLeft.count({7, 5}));   // its right side
    EXPECT_TRUE(outlineLeft.count({3, 5}));   // its point

    auto filledRight = Pixels(RightArrowGlyph(0, 0, true));
    auto outlineRight = Pixels(RightArrowGlyph(0, 0, false));
    EXPECT_EQ(filledRight.size(), 25u);
    EXPECT_TRUE(filledRight.count({18, 5}));
    EXPECT_FALSE(outlineRight.count({18, 5}));
    EXPECT_TRUE(outlineRight.count({16, 5}));
    EXPECT_TRUE(outlineRight.count({20, 5}));
    // Both stay inside the 28-pixel area and the 12 glyph rows.
    for (const auto& set : {filledLeft, outlineLeft, filledRight, outlineRight}) {
        for (auto [x, y] : set) {
            EXPECT_GE(x, 0);
            EXPECT_LT(x, 28);
            EXPECT_GE(y, 0);
            EXPECT_LT(y, 12);
        }
    }
}

TEST(BarGlyphs, TextAndIconPositions) {
    LayoutSettings layout;
    layout.titleFont.size = 12;
    layout.categoryFont.size = 12;
    EXPECT_EQ(TitleIconOrigin(layout).x, 2);
    EXPECT_EQ(TitleIconOrigin(layout).y, 1);
    EXPECT_EQ(TitleTextOrigin(layout).x, 22);
    EXPECT_EQ(TitleTextOrigin(layout).y, 4);
    layout.DispSystemIcon = 0;
    EXPECT_EQ(TitleTextOrigin(layout).x, 6);
    EXPECT_EQ(TabTextTop(layout), 18 + 5);
    EXPECT_EQ(ArrowGlyphTop(layout), 18 + 5);
    // A title font taller than the bar: (18 - 25) / 2 truncates to -3.
    layout.titleFont.size = 25;
    EXPECT_EQ(TitleTextOrigin(layout).y, -2);
}

TEST(BarGlyphs, BoundaryLineInTheMiddleOfTheBoundary) {
    LayoutSettings layout;
    layout.BoundaryHeight = 4;
    EXPECT_EQ(BoundaryLineY(layout), 18 + 22 + 2 - 1);
    layout.BoundaryHeight = 1;
    EXPECT_EQ(BoundaryLineY(layout), 39);
}

}  // namespace
}  // namespace tessel
