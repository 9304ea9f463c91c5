// The game's reversible scramble of the stash body, and its checksum.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kistvar::stash {

// Byte i of the plain body takes as high nibble the low nibble of stored byte
// n-1-i, as low nibble the high nibble of stored byte i, and is inverted
// unless that gives 0x00 or 0xFF.
std::string unscramble(std::string_view stored);
// The game's direction: the stored body whose unscramble() is `plain`.
std::string scramble(std::string_view plain);

// Starts at 5331; each plain byte b makes it sum * 33 + b, in 32 bits.
std::uint32_t body_checksum(std::string_view plain_body);

}  // namespace kistvar::stash
