#include "scrollbar/scroll_geometry.h"

#include <algorithm>

namespace tessel {
namespace {

// Bounds v to lo .. hi; an empty range (hi < lo) gives lo.
std::int64_t Limit(std::int64_t v, std::int64_t lo, std::int64_t hi) {
    return std::max(std::min(v, hi), lo);
}

std::int64_t TrackLengthFor(const ScrollBarState& state, std::int32_t clientLength) {
    std::int64_t track = std::int64_t{clientLength} - 2 * std::int64_t{ArrowSpan(state)};
    if (state.horizontal && state.reserveCorner) {
        track -= state.arrowLength;
    }
    return track;
}

struct ThumbSize {
    std::int64_t length = 0;
    bool stretched = false;  // drawn longer than the page it stands for
};

// Steps 2 and 3: the thumb is as long as the page is against the range,
// but never shorter than an arrow. Integer arithmetic gives exactly the
// truncated quotient that the proportion stands for, with no rounding slip.
ThumbSize ThumbSizeFor(const ScrollBarState& state, std::int64_t track) {
    ThumbSize size;
    size.length = state.maxPos <= 0 ? track : track * state.pageSize / state.maxPos;
    if (size.length < state.arrowLength) {
        size.length = state.arrowLength;
        size.stretched = true;
    }
    return size;
}

// The position a thumb at thumbStart stands for. A stretched thumb maps its
// travel linearly onto the range; a proportional one rounds to the nearest
// unit. Degenerate ranges (no travel, no range) leave pos as it is, and the
// result never leaves the valid positions.
void PositionFromThumb(ScrollBarState& state, std::int64_t arrowSpan, std::int64_t track,
                       const ThumbSize& size) {
    const std::int64_t offset = state.thumbStart - arrowSpan;
    const std::int64_t range = LastScrollPosition(state);
    std::int64_t pos = state.pos;
    if (size.stretched) {
        const std::int64_t travel = track - state.arrowLength;
        if (range <= 0 || travel <= 0) {
            return;
        }
        pos = offset * range / travel;
    } else {
        if (state.maxPos <= 0) {
            return;
        }
        // (offset + u / 2) / u with u = track / maxPos, kept in integers.
        pos = (2 * offset * state.maxPos + track) / (2 * track);
    }
    if (range >= state.minPos) {
        pos = Limit(pos, state.minPos, range);
    }
    state.pos = SaturateToInt32(pos);
}

// The thumb follows pos; at the last position it touches the end.
std::int64_t ThumbStartFromPosition(const ScrollBarState& state, std::int64_t arrowSpan,
                                    std::int64_t track, const ThumbSize& size) {
    const std::int64_t range = LastScrollPosition(state);
    std::int64_t offset = 0;
    if (size.stretched) {
        if (range > 0) {
            offset = (track - state.arrowLength) * state.pos / range;
        }
    } else if (state.maxPos > 0) {
        offset = track * state.pos / state.maxPos;
        if (state.pos == range && offset + size.length != track) {
            offset += 1;
        }
    }
    // A valid position always lies inside the track; an invalid one sent by
    // the owner must not push the thumb over the arrows.
    return Limit(arrowSpan + offset, arrowSpan, arrowSpan + track - size.length);
}

}  // namespace

std::int32_t ArrowSpan(const ScrollBarState& state) {
    return state.noArrows ? 0 : state.arrowLength;
}

void UpdateScrollGeometry(ScrollBarState& state, std::int32_t clientLength) {
    const std::int64_t arrowSpan = ArrowSpan(state);
    const std::int64_t track = TrackLengthFor(state, clientLength);
    state.trackLength = SaturateToInt32(track);
    if (track <= 0) {
        state.thumbStart = 0;
        state.thumbLength = 0;
        return;
    }
    const ThumbSize size = ThumbSizeFor(state, track);
    state.thumbLength = SaturateToInt32(size.length);
    if (state.dragging) {
        const std::int64_t start = std::int64_t{state.dragCoord} - state.grabOffset;
        state.thumbStart =
            SaturateToInt32(Limit(start, arrowSpan, arrowSpan + track - size.length));
        if (state.dragCoord == state.dragStartCoord) {
            // A thumb held where it was grabbed stands for the position it
            // had: mapping it back through the truncating proportion could
            // land one unit short.
            state.pos = state.dragStartPos;
        } else {
            PositionFromThumb(state, arrowSpan, track, size);
        }
    } else {
        state.thumbStart = SaturateToInt32(ThumbStartFromPosition(state, arrowSpan, track, size));
    }
}

void LayOutScrollBar(ScrollBarState& state, std::int32_t clientLength) {
    UpdateScrollGeometry(state, clientLength);
    if (state.trackLength > 0 && state.arrowLength >= state.trackLength) {
        state.thumbLength = 0;
    }
}

bool JumpToCoord(ScrollBarState& state, std::int32_t clientLength, std::int32_t coord) {
    const std::int64_t arrowSpan = ArrowSpan(state);
    const std::int64_t track = TrackLengthFor(state, clientLength);
    if (track <= 0) {
        return false;
    }
    const ThumbSize size = ThumbSizeFor(state, track);
    state.trackLength = SaturateToInt32(track);
    state.thumbLength = SaturateToInt32(size.length);
    state.dragCoord = coord;
    state.grabOffset = SaturateToInt32(size.length / 2);
    state.thumbStart = SaturateToInt32(
        Limit(std::int64_t{coord} - size.length / 2, arrowSpan, arrowSpan + track - size.length));
    const std::int32_t before = state.pos;
    PositionFromThumb(state, arrowSpan, track, size);
    if (state.arrowLength >= track) {
        state.thumbLength = 0;  // as shown: no thumb on so short a track
    }
    return state.pos != before;
}

ScrollPart HitTestScrollBar(const ScrollBarState& state, std::int32_t coord) {
    const std::int64_t arrowSpan = ArrowSpan(state);
    const std::int64_t track = state.trackLength;
    const std::int64_t at = coord;
    if (at < 0) {
        return ScrollPart::None;
    }
    if (at < arrowSpan) {
        return ScrollPart::LineUpArrow;
    }
    if (at < arrowSpan + track) {
        if (at < state.thumbStart) {
            return ScrollPart::PageUpArea;
        }
        if (at < std::int64_t{state.thumbStart} + state.thumbLength) {
            return ScrollPart::Thumb;
        }
        return ScrollPart::PageDownArea;
    }
    if (at < 2 * arrowSpan + track) {
        return ScrollPart::LineDownArrow;
    }
    return ScrollPart::None;
}

bool IsBesideBar(const ScrollBarState& state, std::int32_t crossCoord) {
    return std::int64_t{crossCoord} < -std::int64_t{state.sideTolerance} ||
           std::int64_t{crossCoord} > std::int64_t{state.arrowLength} + state.sideTolerance;
}

}  // namespace tessel
