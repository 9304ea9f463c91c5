#include "stash/stash_scramble.h"

namespace kistvar::stash {

std::string unscramble(std::string_view stored) {
    const std::size_t n = stored.size();
    std::string plain(n, '\0');
    for (std::size_t i = 0; i < n; ++i) {
        const auto low_of_mirror = static_cast<unsigned char>(stored[n - 1 - i]) & 0x0F;
        const auto high_of_own = static_cast<unsigned char>(stored[i]) >> 4;
        unsigned char b = static_cast<unsigned char>(low_of_mirror << 4 | high_of_own);
        if (b != 0x00 && b != 0xFF) b ^= 0xFF;
        plain[i] = static_cast<char>(b);
    }
    return plain;
}

std::uint32_t body_checksum(std::string_view plain_body) {
    std::uint32_t sum = 5331;
    for (unsigned char b : plain_body) sum = sum * 33 + b;
    return sum;
}

}  // namespace kistvar::stash
