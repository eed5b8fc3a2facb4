// The list pane's lines at other DPIs: the check mark inside its box's
// outline, and dots and the drop line a scaled pixel wide that keep in step
// and inside the pane.
#include <gtest/gtest.h>

#include <set>

#include "listpane/list_geometry.h"

namespace tessel {
namespace {

TEST(ListAtOtherDpis, TheCheckMarkStaysInsideTheBoxOutline) {
    for (int dpi : {96, 120, 144, 192}) {
        LayoutSettings layout;
        SetLayoutDefaults(layout);
        const ListMetrics m = ListMetricsFrom(ScaleLayout(layout, DpiScale(dpi)), DpiScale(dpi));
        const int offset = CheckMarkOffset(m);
        const int outline = LineWidth(m);
        for (const PixelBox& b : CheckMarkBoxes(m.scale)) {
            EXPECT_GE(std::min(offset + b.left, offset + b.top), outline) << dpi;
            EXPECT_LE(offset + b.left + b.width, m.checkBoxSize - outline) << dpi;
            EXPECT_LE(offset + b.top + b.height, m.checkBoxSize - outline) << dpi;
        }
    }
}

TEST(ListAtOtherDpis, TwoPixelDotsAndDropLinesKeepInStepAndInside) {
    // The focus frame of a 20 x 33 row at y 33: 2 x 2 dots on its 2-pixel
    // border, every other block, the last column's flush with the edge.
    std::set<int> topRow;
    for (const PixelBox& b : DottedFrameBoxes(33, 20, 33, 2)) {
        EXPECT_EQ(b.width * b.height, 4);
        EXPECT_TRUE(b.left == 0 || b.left == 18 || b.top == 33 || b.top == 64)
            << b.left << "," << b.top;
        if (b.top == 33) {
            topRow.insert(b.left);
        }
    }
    EXPECT_EQ(topRow, (std::set<int>{0, 4, 8, 12, 16}));
    const std::vector<PixelBox> separator = DottedLineBoxes(6, 50, 9, 2);
    ASSERT_EQ(separator.size(), 3u);
    EXPECT_EQ(separator[2].left, 14);
    // The two 2-pixel drop lines span y - 2 .. y + 1, inside at both ends.
    EXPECT_EQ(DropLineY(0, 0, 33, 165, 2), 2);
    EXPECT_EQ(DropLineY(5, 0, 33, 165, 2), 163);
    EXPECT_EQ(DropLineY(2, 0, 33, 165, 2), 66);
}

}  // namespace
}  // namespace tessel
