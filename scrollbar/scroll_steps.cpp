#include "scrollbar/scroll_steps.h"

#include <algorithm>
#include <cstdint>

namespace tessel {

bool ApplyScrollStep(ScrollBarState& state, int code) {
    const std::int64_t pos = state.pos;
    const std::int64_t first = state.minPos;
    const std::int64_t last = LastScrollPosition(state);
    std::int64_t next = pos;
    switch (code) {
        case kScrollLineUp:
            next = std::max(pos - 1, first);
            break;
        case kScrollLineDown:
            next = std::min(pos + 1, last);
            break;
        case kScrollPageUp:
            next = std::max(pos - state.pageSize, first);
            break;
        case kScrollPageDown:
            next = std::min(pos + state.pageSize, last);
            break;
        case kScrollTop:
            next = 0;
            break;
        case kScrollBottom:
            next = last;
            break;
        default:
            return false;
    }
    state.pos = SaturateToInt32(next);
    return true;
}

}  // namespace tessel
