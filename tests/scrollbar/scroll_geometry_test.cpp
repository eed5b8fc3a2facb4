// The thumb's place and size, the position a moved thumb stands for, and
// the hit test, for a vertical bar 16 wide with arrows of 16 unless a test
// says otherwise.
#include <gtest/gtest.h>

#include <climits>

#include "scrollbar/scroll_geometry.h"

namespace tessel {
namespace {

constexpr std::int32_t kArrow = 16;

ScrollBarState Bar(std::int32_t maxPos, std::int32_t pageSize, std::int32_t pos = 0) {
    ScrollBarState state;
    state.maxPos = maxPos;
    state.pageSize = pageSize;
    state.pos = pos;
    return state;
}

// Starts a drag of the thumb grabbed at `coord` (as a press would).
void Grab(ScrollBarState& state, std::int32_t coord) {
    state.dragging = true;
    state.dragCoord = coord;
    state.dragStartCoord = coord;
    state.dragStartPos = state.pos;
    state.grabOffset = coord - state.thumbStart;
}

TEST(ScrollGeometryTest, WholeTrackThumbWithoutRange) {
    for (std::int32_t maxPos : {0, -1, -50}) {
        ScrollBarState state = Bar(maxPos, 5);
        UpdateScrollGeometry(state, 200);
        EXPECT_EQ(state.trackLength, 168);
        EXPECT_EQ(state.thumbLength, 168) << maxPos;
        EXPECT_EQ(state.thumbStart, kArrow) << maxPos;
    }
}

TEST(ScrollGeometryTest, ProportionalThumbFollowsPosition) {
    // Track 168 for 20 units, 4 per page: 35 pixels, 8.84 per unit.
    ScrollBarState state = Bar(19, 4);
    UpdateScrollGeometry(state, 200);
    EXPECT_EQ(state.thumbLength, 35);
    EXPECT_EQ(state.thumbStart, 16);
    state.pos = 5;
    UpdateScrollGeometry(state, 200);
    EXPECT_EQ(state.thumbStart, 16 + 44);
    // At the last position 168 * 15 / 19 = 132 leaves a pixel: the thumb
    // is pushed to touch the end of the track.
    state.pos = 15;
    UpdateScrollGeometry(state, 200);
    EXPECT_EQ(state.thumbStart, 149);
    EXPECT_EQ(state.thumbStart + state.thumbLength, kArrow + 168);
}

TEST(ScrollGeometryTest, ShortThumbIsStretchedToAnArrow) {
    // 168 * 9 / 99 = 15 pixels would be shorter than an arrow.
    ScrollBarState state = Bar(99, 9);
    UpdateScrollGeometry(state, 200);
    EXPECT_EQ(state.thumbLength, kArrow);
    EXPECT_EQ(state.thumbStart, 16);
    // The travel of 152 pixels maps linearly onto positions 0 .. 90.
    state.pos = 45;
    UpdateScrollGeometry(state, 200);
    EXPECT_EQ(state.thumbStart, 16 + 76);
    state.pos = 90;
    UpdateScrollGeometry(state, 200);
    EXPECT_EQ(state.thumbStart + state.thumbLength, kArrow + 168);
}

TEST(ScrollGeometryTest, LastPositionTouchesTheEndForEveryRange) {
    // Every track longer than an arrow (shorter ones show no thumb).
    for (std::int32_t length : {49, 50, 77, 200, 513}) {
        for (std::int32_t maxPos = 1; maxPos <= 120; ++maxPos) {
            for (std::int32_t page = 0; page <= maxPos; ++page) {
                ScrollBarState state = Bar(maxPos, page, maxPos - page);
                UpdateScrollGeometry(state, length);
                const std::int32_t end = kArrow + state.trackLength;
                ASSERT_EQ(state.thumbStart + state.thumbLength, end)
                    << "length " << length << " max " << maxPos << " page " << page;
                // Every other position keeps the thumb inside the track.
                std::int32_t previous = kArrow;
                for (state.pos = 0; state.pos < maxPos - page; ++state.pos) {
                    UpdateScrollGeometry(state, length);
                    ASSERT_GE(state.thumbStart, previous);
                    ASSERT_LE(state.thumbStart + state.thumbLength, end);
                    previous = state.thumbStart;
                }
            }
        }
    }
}

TEST(ScrollGeometryTest, TrackOfZeroOrNegativeLength) {
    for (std::int32_t length : {32, 20, 0, -5}) {
        ScrollBarState state = Bar(19, 4, 3);
        state.thumbStart = 77;
        state.thumbLength = 77;
        UpdateScrollGeometry(state, length);
        EXPECT_LE(state.trackLength, 0);
        EXPECT_EQ(state.thumbStart, 0);
        EXPECT_EQ(state.thumbLength, 0);
        EXPECT_FALSE(JumpToCoord(state, length, 10));
        EXPECT_EQ(state.pos, 3);
    }
}

TEST(ScrollGeometryTest, TrackLengthWithoutArrowsAndWithCorner) {
    ScrollBarState state = Bar(0, 0);
    state.noArrows = true;
    UpdateScrollGeometry(state, 100);
    EXPECT_EQ(state.trackLength, 100);
    EXPECT_EQ(state.thumbStart, 0);

    state.noArrows = false;
    state.reserveCorner = true;  // ignored when vertical
    UpdateScrollGeometry(state, 100);
    EXPECT_EQ(state.trackLength, 68);
    state.horizontal = true;
    UpdateScrollGeometry(state, 100);
    EXPECT_EQ(state.trackLength, 52);
}

TEST(ScrollGeometryTest, NoThumbShownOnATrackNoLongerThanAnArrow) {
    ScrollBarState state = Bar(19, 4);
    LayOutScrollBar(state, 3 * kArrow);
    EXPECT_EQ(state.trackLength, kArrow);
    EXPECT_EQ(state.thumbLength, 0);
    EXPECT_EQ(HitTestScrollBar(state, 20), ScrollPart::PageDownArea);
    LayOutScrollBar(state, 3 * kArrow + 1);
    EXPECT_EQ(state.thumbLength, kArrow);
}

TEST(ScrollGeometryTest, DraggedThumbMovesThePosition) {
    ScrollBarState state = Bar(19, 4);
    UpdateScrollGeometry(state, 200);
    Grab(state, 30);  // 14 pixels into the thumb at 16
    state.dragCoord = 30 + 44;
    UpdateScrollGeometry(state, 200);
    EXPECT_EQ(state.thumbStart, 60);
    EXPECT_EQ(state.pos, 5);  // 44 / 8.84 + 0.5, truncated
    state.dragCoord = 1000;   // far past the end: the thumb stops there
    UpdateScrollGeometry(state, 200);
    EXPECT_EQ(state.thumbStart, 149);
    EXPECT_EQ(state.pos, 15);
    state.dragCoord = -1000;
    UpdateScrollGeometry(state, 200);
    EXPECT_EQ(state.thumbStart, 16);
    EXPECT_EQ(state.pos, 0);
}

TEST(ScrollGeometryTest, DraggedStretchedThumbCoversTheWholeRange) {
    ScrollBarState state = Bar(99, 9, 45);
    UpdateScrollGeometry(state, 200);
    Grab(state, state.thumbStart + 8);
    state.dragCoord += 1000;
    UpdateScrollGeometry(state, 200);
    EXPECT_EQ(state.pos, 90);
    state.dragCoord = state.dragStartCoord - 38;  // 38 of the 152 pixels of travel
    UpdateScrollGeometry(state, 200);
    EXPECT_EQ(state.pos, 22);  // 38 * 90 / 152 = 22.5, truncated
    state.dragCoord = -1000;
    UpdateScrollGeometry(state, 200);
    EXPECT_EQ(state.pos, 0);
}

TEST(ScrollGeometryTest, ThumbHeldWhereGrabbedKeepsItsPosition) {
    // Mapped back through the truncating proportion most of these would
    // come out one short: position 13 puts the thumb 21 pixels down the
    // track, and 21 pixels map to 12.4.
    for (std::int32_t pos = 0; pos <= 90; ++pos) {
        ScrollBarState state = Bar(99, 9, pos);
        UpdateScrollGeometry(state, 200);
        Grab(state, state.thumbStart + 3);
        UpdateScrollGeometry(state, 200);
        ASSERT_EQ(state.pos, pos);
    }
}

TEST(ScrollGeometryTest, DraggedPositionNeverPassesTheLast) {
    // 100 pixels for 100 units, 50 per page: the thumb's last place maps
    // to 50.5, rounded 50, one beyond the last position 49.
    ScrollBarState state = Bar(99, 50);
    UpdateScrollGeometry(state, 132);
    EXPECT_EQ(state.thumbLength, 50);
    Grab(state, 20);
    state.dragCoord = 500;
    UpdateScrollGeometry(state, 132);
    EXPECT_EQ(state.thumbStart, 66);
    EXPECT_EQ(state.pos, 49);
}

TEST(ScrollGeometryTest, DragWithoutRangeLeavesThePosition) {
    ScrollBarState state = Bar(0, 0);
    UpdateScrollGeometry(state, 200);
    Grab(state, 50);
    state.dragCoord = 90;
    UpdateScrollGeometry(state, 200);
    EXPECT_EQ(state.pos, 0);
    // A page as large as the range with a stretched thumb: no travel.
    state = Bar(5, 5);
    UpdateScrollGeometry(state, 40);  // track 8, thumb stretched to 16
    Grab(state, 20);
    state.dragCoord = 30;
    UpdateScrollGeometry(state, 40);
    EXPECT_EQ(state.pos, 0);
}

TEST(ScrollGeometryTest, JumpCentresTheThumb) {
    ScrollBarState state = Bar(19, 4);
    EXPECT_TRUE(JumpToCoord(state, 200, 150));
    EXPECT_EQ(state.thumbStart, 150 - 17);
    EXPECT_EQ(state.grabOffset, 17);
    EXPECT_EQ(state.dragCoord, 150);
    EXPECT_EQ(state.pos, 13);  // 117 / 8.84 + 0.5, truncated
    EXPECT_EQ(HitTestScrollBar(state, 150), ScrollPart::Thumb);
    // Near the top the thumb stops at the track's start: back to 0.
    EXPECT_TRUE(JumpToCoord(state, 200, 18));
    EXPECT_EQ(state.thumbStart, 16);
    EXPECT_EQ(state.pos, 0);
    EXPECT_FALSE(JumpToCoord(state, 200, 20));  // no change, no report
}

TEST(ScrollGeometryTest, HitTestNamesEveryPart) {
    ScrollBarState state = Bar(19, 4, 5);
    UpdateScrollGeometry(state, 200);  // thumb 60 .. 94
    const struct {
        std::int32_t coord;
        ScrollPart part;
    } cases[] = {
        {-1, ScrollPart::None},           {0, ScrollPart::LineUpArrow},
        {15, ScrollPart::LineUpArrow},    {16, ScrollPart::PageUpArea},
        {59, ScrollPart::PageUpArea},     {60, ScrollPart::Thumb},
        {94, ScrollPart::Thumb},          {95, ScrollPart::PageDownArea},
        {183, ScrollPart::PageDownArea},  {184, ScrollPart::LineDownArrow},
        {199, ScrollPart::LineDownArrow}, {200, ScrollPart::None},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HitTestScrollBar(state, c.coord), c.part) << c.coord;
    }
    state.noArrows = true;
    UpdateScrollGeometry(state, 200);
    EXPECT_EQ(HitTestScrollBar(state, 0), ScrollPart::PageUpArea);
    EXPECT_EQ(HitTestScrollBar(state, 199), ScrollPart::PageDownArea);
}

TEST(ScrollGeometryTest, BesideTheBarMeansMoreThan128PixelsAway) {
    ScrollBarState state;
    EXPECT_FALSE(IsBesideBar(state, -128));
    EXPECT_TRUE(IsBesideBar(state, -129));
    EXPECT_FALSE(IsBesideBar(state, kArrow + 128));
    EXPECT_TRUE(IsBesideBar(state, kArrow + 129));
    state.arrowLength = INT32_MAX;  // no overflow in the bound
    EXPECT_FALSE(IsBesideBar(state, INT32_MAX));
}

TEST(ScrollGeometryTest, ExtremeValuesStayDefined) {
    ScrollBarState state = Bar(INT32_MAX, INT32_MIN, INT32_MAX);
    state.arrowLength = 1;
    UpdateScrollGeometry(state, 30000);
    Grab(state, 100);
    state.dragCoord = 29000;
    UpdateScrollGeometry(state, 30000);
    EXPECT_EQ(state.pos, INT32_MAX);  // the range's end, brought into 32 bits
    EXPECT_TRUE(JumpToCoord(state, 30000, 5));
    EXPECT_GT(state.pos, 0);
    EXPECT_LT(state.pos, 1000000);
    state = Bar(INT32_MAX, 1, INT32_MIN);
    state.arrowLength = INT32_MAX;
    UpdateScrollGeometry(state, INT32_MAX);
    EXPECT_LE(state.trackLength, 0);
}

}  // namespace
}  // namespace tessel
