// The list pane's geometry at other DPIs: where row 3's check box answers,
// the check mark inside its box, and lines, dots and the drop line a scaled
// pixel wide that keep in step and inside the pane.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "listpane/item_edit_layout.h"
#include "listpane/list_geometry.h"

namespace tessel {
namespace {

ListMetrics MetricsAt(int dpi) {
    LayoutSettings layout;
    SetLayoutDefaults(layout);
    return ListMetricsFrom(ScaleLayout(layout, DpiScale(dpi)), DpiScale(dpi));
}

TEST(ListAtOtherDpis, RowThreesCheckBoxIsWhereTheRowIsDrawn) {
    const ListMetrics m = MetricsAt(144);  // rows of 33, box 20 at x 12, indent 36
    // Row 3 (index 2) spans y 66 .. 98; its box y 72 .. 91 (7 below the top).
    EXPECT_EQ(RowAtPoint(98, 0, 5, m.lineHeight), 2);
    EXPECT_EQ(RowAtPoint(99, 0, 5, m.lineHeight), 3);
    EXPECT_EQ(CheckBoxTop(66, m), 72);
    EXPECT_TRUE(IsOnCheckBox(12, 72, 0, m));
    EXPECT_TRUE(IsOnCheckBox(31, 91, 0, m));
    EXPECT_FALSE(IsOnCheckBox(32, 80, 0, m));
    EXPECT_FALSE(IsOnCheckBox(20, 71, 0, m));
    EXPECT_TRUE(IsOnCheckBox(36 + 12, 80, 1, m));  // one indent further
    EXPECT_EQ(TextLeft(0, m), 12 + 20 + 12);
    EXPECT_EQ(TextTop(66, m), 66 + (33 - 18) / 2);
    // The editor covers the text: a font's height and 3 pixels, 2 below the middle.
    const EditBox box = ItemEditBox(2, 0, 0, 600, 24, m);
    EXPECT_EQ(box.x, 44);
    EXPECT_EQ(box.height, 21);
    EXPECT_EQ(box.y, 66 + (33 - 21) / 2 + 2);
    EXPECT_EQ(box.width, 600 - 24 - 44);
}

TEST(ListAtOtherDpis, TheCheckMarkStaysInsideTheBoxOutline) {
    for (int dpi : {96, 120, 144, 192}) {
        const ListMetrics m = MetricsAt(dpi);
        const int offset = CheckMarkOffset(m);
        const int inner = LineWidth(m);  // the outline's width
        for (const PixelBox& b : CheckMarkBoxes(m.scale)) {
            EXPECT_GE(offset + b.left, inner) << dpi;
            EXPECT_GE(offset + b.top, inner) << dpi;
            EXPECT_LE(offset + b.left + b.width, m.checkBoxSize - inner) << dpi;
            EXPECT_LE(offset + b.top + b.height, m.checkBoxSize - inner) << dpi;
        }
        EXPECT_EQ(CheckBoxInterior(m.checkBoxSize, inner), m.checkBoxSize - 2 * inner);
    }
}

TEST(ListAtOtherDpis, DotsKeepInStepAtAnyLineWidth) {
    // One pixel wide: every border pixel whose x + (y - top) is even.
    for (auto [w, h] : {std::pair{5, 4}, {1, 1}, {7, 1}, {1, 6}, {30, 22}}) {
        std::set<std::pair<int, int>> expected, dots;
        for (int y = 10; y < 10 + h; ++y) {
            for (int x = 0; x < w; ++x) {
                const bool border = x == 0 || y == 10 || x == w - 1 || y == 9 + h;
                if (border && (x + y - 10) % 2 == 0) {
                    expected.insert({x, y});
                }
            }
        }
        for (const PixelBox& b : DottedFrameBoxes(10, w, h)) {
            EXPECT_EQ(b.width * b.height, 1);
            dots.insert({b.left, b.top});
        }
        EXPECT_EQ(dots, expected) << w << "x" << h;
    }
    // Two pixels wide: 2 x 2 dots two apart along the top, inside the frame's
    // 2-pixel border, the far corner's dot flush with the far edges.
    std::set<int> topRow;
    for (const PixelBox& b : DottedFrameBoxes(33, 20, 33, 2)) {
        EXPECT_EQ(b.width, 2);
        EXPECT_EQ(b.height, 2);
        const bool onBorder = b.left == 0 || b.left == 18 || b.top == 33 || b.top == 64;
        EXPECT_TRUE(onBorder) << b.left << "," << b.top;
        EXPECT_LE(b.left + b.width, 20);
        EXPECT_LE(b.top + b.height, 66);
        if (b.top == 33) {
            topRow.insert(b.left);
        }
    }
    EXPECT_EQ(topRow, (std::set<int>{0, 4, 8, 12, 16}));
    const std::vector<PixelBox> line = DottedLineBoxes(6, 50, 9, 2);
    ASSERT_EQ(line.size(), 3u);
    EXPECT_EQ(line[2].left, 14);
    EXPECT_EQ(line[2].height, 2);
}

TEST(ListAtOtherDpis, TheDropLineKeepsItsWidthInsideThePane) {
    // Lines of 2: the two lines span y - 2 .. y + 1.
    EXPECT_EQ(DropLineY(0, 0, 33, 165, 2), 2);
    EXPECT_EQ(DropLineY(5, 0, 33, 165, 2), 163);
    EXPECT_EQ(DropLineY(2, 0, 33, 165, 2), 66);
    EXPECT_EQ(DropLineY(0, 3, 33, 165, 2), -2);  // above: nothing shows
}

TEST(ListAtOtherDpis, TheScrollBarNeedsAPaneOfItsScaledLeastSize) {
    EXPECT_FALSE(PlanListScroll(47, 200, 33, 50, 0, 0, false, 24, 48).showBar);
    EXPECT_TRUE(PlanListScroll(48, 200, 33, 50, 0, 0, false, 24, 48).showBar);
}

}  // namespace
}  // namespace tessel
