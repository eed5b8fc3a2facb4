// The hand-made resize: offsets fixed at the press and the minimum sizes
// from each edge.
#include "mainwindow/frame_resize.h"

#include <gtest/gtest.h>

namespace tessel {
namespace {

// A 400 x 300 window at (100, 50).
constexpr FrameRect kStart{100, 50, 500, 350};
constexpr int kTitle = 18;

TEST(FrameResize, OffsetsKeepTheCursorWhereItGrabbed) {
    struct Case {
        SizingEdge edge;
        int x, y, offsetX, offsetY;
    } cases[] = {
        {SizingEdge::Left, 2, 150, -2, 0},           {SizingEdge::Top, 200, 1, 0, -1},
        {SizingEdge::Right, 398, 150, 2, 0},         {SizingEdge::Bottom, 200, 297, 0, 3},
        {SizingEdge::TopLeft, 5, 6, -5, -6},         {SizingEdge::TopRight, 395, 6, 5, -6},
        {SizingEdge::BottomRight, 390, 280, 10, 20}, {SizingEdge::BottomLeft, 3, 295, -3, 5},
    };
    for (const Case& c : cases) {
        SizingOffset offset = SizingOffsetFor(c.edge, c.x, c.y, 400, 300);
        EXPECT_EQ(offset.x, c.offsetX) << static_cast<int>(c.edge);
        EXPECT_EQ(offset.y, c.offsetY) << static_cast<int>(c.edge);
    }
}

TEST(FrameResize, EachEdgeFollowsTheCursorWithItsOffset) {
    // Grabbed 2 pixels inside the left edge, dragged to x 50.
    FrameRect r = ResizedFrame(kStart, SizingEdge::Left, {-2, 0}, 52, 999, kTitle);
    EXPECT_EQ(r.left, 50);
    EXPECT_EQ(r.right, 500);
    EXPECT_EQ(r.top, 50);
    EXPECT_EQ(r.bottom, 350);
    r = ResizedFrame(kStart, SizingEdge::BottomRight, {10, 20}, 600, 400, kTitle);
    EXPECT_EQ(r.right, 610);
    EXPECT_EQ(r.bottom, 420);
    EXPECT_EQ(r.left, 100);
    EXPECT_EQ(r.top, 50);
}

TEST(FrameResize, TheMovingSideStopsAtTheMinimum) {
    struct Case {
        SizingEdge edge;
        int cursorX, cursorY;
        FrameRect expected;
    } cases[] = {
        // Width stays 100, the other side in place.
        {SizingEdge::Left, 470, 0, {400, 50, 500, 350}},
        {SizingEdge::Right, 120, 0, {100, 50, 200, 350}},
        {SizingEdge::TopLeft, 900, 900, {400, 332, 500, 350}},
        {SizingEdge::TopRight, -50, 900, {100, 332, 200, 350}},
        {SizingEdge::BottomRight, 0, 0, {100, 50, 200, 68}},
        {SizingEdge::BottomLeft, 900, -50, {400, 50, 500, 68}},
        // Height stays the title bar's.
        {SizingEdge::Top, 0, 349, {100, 332, 500, 350}},
        {SizingEdge::Bottom, 0, 60, {100, 50, 500, 68}},
        // Exactly the minimum is kept as it is.
        {SizingEdge::Left, 400, 0, {400, 50, 500, 350}},
    };
    for (const Case& c : cases) {
        FrameRect r = ResizedFrame(kStart, c.edge, {}, c.cursorX, c.cursorY, kTitle);
        EXPECT_EQ(r.left, c.expected.left) << static_cast<int>(c.edge);
        EXPECT_EQ(r.top, c.expected.top) << static_cast<int>(c.edge);
        EXPECT_EQ(r.right, c.expected.right) << static_cast<int>(c.edge);
        EXPECT_EQ(r.bottom, c.expected.bottom) << static_cast<int>(c.edge);
    }
}

}  // namespace
}  // namespace tessel
