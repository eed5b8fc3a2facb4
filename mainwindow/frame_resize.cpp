#include "mainwindow/frame_resize.h"

namespace tessel {

SizingOffset SizingOffsetFor(SizingEdge edge, std::int32_t x, std::int32_t y, std::int32_t width,
                             std::int32_t height) {
    SizingOffset offset;
    if (MovesLeft(edge)) {
        offset.x = -x;
    } else if (MovesRight(edge)) {
        offset.x = width - x;
    }
    if (MovesTop(edge)) {
        offset.y = -y;
    } else if (MovesBottom(edge)) {
        offset.y = height - y;
    }
    return offset;
}

FrameRect ResizedFrame(const FrameRect& start, SizingEdge edge, SizingOffset offset,
                       std::int32_t cursorX, std::int32_t cursorY, std::int32_t minimumHeight,
                       std::int32_t minimumWidth) {
    FrameRect r = start;
    if (MovesLeft(edge)) {
        r.left = cursorX + offset.x;
    } else if (MovesRight(edge)) {
        r.right = cursorX + offset.x;
    }
    if (MovesTop(edge)) {
        r.top = cursorY + offset.y;
    } else if (MovesBottom(edge)) {
        r.bottom = cursorY + offset.y;
    }
    if (r.right - r.left < minimumWidth) {
        if (MovesLeft(edge)) {
            r.left = r.right - minimumWidth;
        } else if (MovesRight(edge)) {
            r.right = r.left + minimumWidth;
        }
    }
    if (r.bottom - r.top < minimumHeight) {
        if (MovesBottom(edge)) {
            r.bottom = r.top + minimumHeight;
        } else if (MovesTop(edge)) {
            r.top = r.bottom - minimumHeight;
        }
    }
    return r;
}

}  // namespace tessel
