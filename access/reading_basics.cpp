#include "access/reading_basics.h"

namespace tessel {

NavigateResult NavigateLine(std::int32_t from, std::int32_t direction, std::int32_t count,
                            std::int32_t forward, std::int32_t backward) {
    if (from < msaa::kSelf || from > count) {
        return NavigateResult::Refused();
    }
    if (direction == msaa::kNavFirstChild || direction == msaa::kNavLastChild) {
        if (from != msaa::kSelf) {
            return NavigateResult::Refused();
        }
        if (count <= 0) {
            return NavigateResult::Nowhere();
        }
        return NavigateResult::To(direction == msaa::kNavFirstChild ? 1 : count);
    }
    if (direction < msaa::kNavUp || direction > msaa::kNavPrevious) {
        return NavigateResult::Refused();
    }
    // The object's own neighbours are its parent's to tell.
    if (from == msaa::kSelf) {
        return NavigateResult::Nowhere();
    }
    if (direction == msaa::kNavNext || direction == forward) {
        return from < count ? NavigateResult::To(from + 1) : NavigateResult::Nowhere();
    }
    if (direction == msaa::kNavPrevious || direction == backward) {
        return from > 1 ? NavigateResult::To(from - 1) : NavigateResult::Nowhere();
    }
    return NavigateResult::Nowhere();
}

}  // namespace tessel
