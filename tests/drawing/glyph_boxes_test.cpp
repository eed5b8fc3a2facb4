// Glyphs at any DPI: at 96 exactly the pixels of their lines, elsewhere
// each design pixel the whole block it covers, so that strokes stay whole.
#include "drawing/glyph_boxes.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

namespace tessel {
namespace {

using Pixels = std::set<std::pair<int, int>>;

// A cross three pixels thick and a hollow triangle: diagonals both ways
// and straight lines, each painting its first point and not its last.
const std::vector<Segment> kCross = {
    {4, 12, 13, 3}, {3, 12, 13, 2}, {3, 11, 12, 2}, {4, 3, 13, 12}, {3, 3, 13, 13}, {3, 4, 12, 13},
};
const std::vector<Segment> kTriangle = {{7, 1, 3, 5}, {3, 5, 7, 9}, {7, 9, 7, 1}};

Pixels LinePixels(const std::vector<Segment>& lines, DpiScale scale) {
    Pixels pixels;
    for (const Segment& s : lines) {
        const int dx = (s.x2 > s.x1) - (s.x2 < s.x1);
        const int dy = (s.y2 > s.y1) - (s.y2 < s.y1);
        for (int x = s.x1, y = s.y1; x != s.x2 || y != s.y2; x += dx, y += dy) {
            for (int py = scale(y); py < scale(y + 1); ++py) {
                for (int px = scale(x); px < scale(x + 1); ++px) {
                    pixels.insert({px, py});
                }
            }
        }
    }
    return pixels;
}

TEST(GlyphBoxes, EachDesignPixelBecomesTheBlockItCoversOnce) {
    for (int dpi : {96, 120, 144, 192}) {
        for (const auto& glyph : {kCross, kTriangle}) {
            Pixels drawn;
            std::size_t painted = 0;
            for (const PixelBox& b : GlyphBoxes(glyph, DpiScale(dpi))) {
                for (int y = b.top; y < b.top + b.height; ++y) {
                    for (int x = b.left; x < b.left + b.width; ++x, ++painted) {
                        drawn.insert({x, y});
                    }
                }
            }
            EXPECT_EQ(drawn, LinePixels(glyph, DpiScale(dpi))) << dpi;
            EXPECT_EQ(painted, drawn.size()) << "no pixel twice at " << dpi;
        }
    }
    // A row's neighbouring pixels are one box.
    EXPECT_EQ(GlyphBoxes({{2, 5, 9, 5}}, DpiScale(144)).size(), 1u);
}

}  // namespace
}  // namespace tessel
