#include "storage/content_hash.h"

#include <cstring>

namespace tessel {

std::uint64_t ContentHash(std::string_view bytes) {
    // Eight bytes a step: a list of 100,000 items is hashed in well under a
    // millisecond, on start-up and on every save. The value is never stored.
    constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
    std::uint64_t hash = 14695981039346656037ull ^ bytes.size();
    std::size_t at = 0;
    for (; at + sizeof(std::uint64_t) <= bytes.size(); at += sizeof(std::uint64_t)) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes.data() + at, sizeof word);
        hash ^= word;
        hash = ((hash << 31) | (hash >> 33)) * kMultiplier;
    }
    for (; at < bytes.size(); ++at) {
        hash ^= static_cast<unsigned char>(bytes[at]);
        hash *= 1099511628211ull;
    }
    return hash ^ (hash >> 32);
}

}  // namespace tessel
