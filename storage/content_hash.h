// A fast 64-bit fingerprint of a file's bytes, to tell whether
// another program changed a file whose size and time also changed. Not for
// anything an attacker chooses.
#pragma once

#include <cstdint>
#include <string_view>

namespace tessel {

std::uint64_t ContentHash(std::string_view bytes);

}  // namespace tessel
