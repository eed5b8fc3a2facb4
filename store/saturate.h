// A wide intermediate (a sum of sizes, a position times a row height)
// brought back into 32 bits: the nearest value an int32 holds.
#pragma once

#include <cstdint>

namespace tessel {

inline std::int32_t SaturateToInt32(std::int64_t value) {
    if (value > INT32_MAX) {
        return INT32_MAX;
    }
    if (value < INT32_MIN) {
        return INT32_MIN;
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace tessel
