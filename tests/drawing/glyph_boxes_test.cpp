// Glyphs at any DPI: at 96 exactly the pixels of their lines, elsewhere
// each design pixel the block it covers, so that strokes stay whole.
#include "drawing/glyph_boxes.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

namespace tessel {
namespace {

using Pixels = std::set<std::pair<int, int>>;

// The pixels a line paints, stepped one by one (straight and 45° lines).
Pixels LinePixels(const std::vector<Segment>& lines) {
    Pixels pixels;
    for (const Segment& s : lines) {
        const int dx = (s.x2 > s.x1) - (s.x2 < s.x1);
        const int dy = (s.y2 > s.y1) - (s.y2 < s.y1);
        for (int x = s.x1, y = s.y1; x != s.x2 || y != s.y2; x += dx, y += dy) {
            pixels.insert({x, y});
        }
    }
    return pixels;
}

Pixels BoxPixels(const std::vector<PixelBox>& boxes, std::size_t& overlaps) {
    Pixels pixels;
    overlaps = 0;
    for (const PixelBox& b : boxes) {
        for (int y = b.top; y < b.top + b.height; ++y) {
            for (int x = b.left; x < b.left + b.width; ++x) {
                overlaps += pixels.insert({x, y}).second ? 0 : 1;
            }
        }
    }
    return pixels;
}

// A cross three pixels thick and a hollow triangle: diagonals, both
// directions, and straight lines.
const std::vector<Segment> kCross = {
    {4, 12, 13, 3}, {3, 12, 13, 2}, {3, 11, 12, 2}, {4, 3, 13, 12}, {3, 3, 13, 13}, {3, 4, 12, 13},
};
const std::vector<Segment> kTriangle = {{7, 1, 3, 5}, {3, 5, 7, 9}, {7, 9, 7, 1}};

TEST(GlyphBoxes, At96DpiThePixelsOfTheLinesOnceEach) {
    for (const auto& glyph : {kCross, kTriangle}) {
        std::size_t overlaps = 0;
        EXPECT_EQ(BoxPixels(GlyphBoxes(glyph, DpiScale(96)), overlaps), LinePixels(glyph));
        EXPECT_EQ(overlaps, 0u);
    }
    // A row's neighbouring pixels are one box.
    EXPECT_EQ(GlyphBoxes({{2, 5, 9, 5}}, DpiScale(96)).size(), 1u);
}

TEST(GlyphBoxes, ElsewhereEachDesignPixelIsTheBlockItCovers) {
    for (int dpi : {120, 144, 192}) {
        const DpiScale scale(dpi);
        for (const auto& glyph : {kCross, kTriangle}) {
            std::size_t overlaps = 0;
            const Pixels drawn = BoxPixels(GlyphBoxes(glyph, scale), overlaps);
            EXPECT_EQ(overlaps, 0u);
            std::size_t area = 0;
            for (auto [x, y] : LinePixels(glyph)) {
                const int left = scale(x), top = scale(y);
                area += std::size_t(scale(x + 1) - left) * std::size_t(scale(y + 1) - top);
                EXPECT_TRUE(drawn.count({left, top})) << x << "," << y << " at " << dpi;
                EXPECT_TRUE(drawn.count({scale(x + 1) - 1, scale(y + 1) - 1}));
            }
            EXPECT_EQ(drawn.size(), area) << dpi;
        }
    }
    // A stroke one pixel wide at 96 DPI is as wide as a scaled pixel: at 150 %
    // columns alternate between 2 and 1, and nothing falls between them.
    const std::vector<PixelBox> line = GlyphBoxes({{0, 0, 0, 4}}, DpiScale(144));
    ASSERT_EQ(line.size(), 4u);
    int next = 0;
    for (const PixelBox& b : line) {
        EXPECT_EQ(b.top, next);
        EXPECT_EQ(b.width, 2);
        next = b.top + b.height;
    }
    EXPECT_EQ(next, 6);
}

}  // namespace
}  // namespace tessel
