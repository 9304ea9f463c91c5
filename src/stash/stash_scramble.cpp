#include "stash/stash_scramble.h"

namespace kistvar::stash {

namespace {

// 0x00 and 0xFF stay; every other byte is inverted. Its own inverse.
unsigned char invert(unsigned char b) { return b == 0x00 || b == 0xFF ? b : static_cast<unsigned char>(b ^ 0xFF); }

unsigned char byte_at(std::string_view bytes, std::size_t i) { return static_cast<unsigned char>(bytes[i]); }

}  // namespace

std::string unscramble(std::string_view stored) {
    const std::size_t n = stored.size();
    std::string plain(n, '\0');
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned low_of_mirror = byte_at(stored, n - 1 - i) & 0x0F;
        const unsigned high_of_own = byte_at(stored, i) >> 4;
        plain[i] = static_cast<char>(invert(static_cast<unsigned char>(low_of_mirror << 4 | high_of_own)));
    }
    return plain;
}

std::string scramble(std::string_view plain) {
    // Undo the inversion, then put each nibble back: the high nibble of plain
    // byte i came from the low nibble of stored byte n-1-i, its low nibble
    // from the high nibble of stored byte i.
    const std::size_t n = plain.size();
    std::string stored(n, '\0');
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned own = invert(byte_at(plain, i));
        const unsigned mirror = invert(byte_at(plain, n - 1 - i));
        stored[i] = static_cast<char>((own & 0x0F) << 4 | mirror >> 4);
    }
    return stored;
}

std::uint32_t body_checksum(std::string_view plain_body) {
    std::uint32_t sum = 5331;
    for (unsigned char b : plain_body) sum = sum * 33 + b;
    return sum;
}

}  // namespace kistvar::stash
