#include "stash/stash_scramble.h"

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define KISTVAR_SSE2 1
#endif

namespace kistvar::stash {

namespace {

// 0x00 and 0xFF stay; every other byte is inverted. Its own inverse.
unsigned char invert(unsigned char b) { return b == 0x00 || b == 0xFF ? b : static_cast<unsigned char>(b ^ 0xFF); }

const unsigned char* bytes_of(std::string_view text) { return reinterpret_cast<const unsigned char*>(text.data()); }

// 33 to the power, in 32 bits.
std::uint32_t power_of_33(std::uint64_t exponent) {
    std::uint32_t result = 1, base = 33;
    for (; exponent != 0; exponent >>= 1, base *= base)
        if (exponent & 1) result *= base;
    return result;
}

#ifdef KISTVAR_SSE2
// A box is unscrambled and summed at every cold read: sixteen bytes at a
// time, with the instructions every x86-64 processor has. Others take the
// byte loops alone.
__m128i reversed(__m128i bytes) {
    bytes = _mm_or_si128(_mm_slli_epi16(bytes, 8), _mm_srli_epi16(bytes, 8));  // within each pair
    bytes = _mm_shufflelo_epi16(bytes, _MM_SHUFFLE(0, 1, 2, 3));
    bytes = _mm_shufflehi_epi16(bytes, _MM_SHUFFLE(0, 1, 2, 3));
    return _mm_shuffle_epi32(bytes, _MM_SHUFFLE(1, 0, 3, 2));
}

std::size_t unscramble_vectors(const unsigned char* in, unsigned char* out, std::size_t n) {
    const __m128i low_nibbles = _mm_set1_epi8(0x0F);
    const __m128i all_ones = _mm_set1_epi8(-1);
    std::size_t i = 0;
    for (; i + 16 <= n; i += 16) {
        const __m128i mirror = reversed(_mm_loadu_si128(reinterpret_cast<const __m128i*>(in + n - i - 16)));
        const __m128i own = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
        // No bit crosses a byte: the nibbles are masked before and after the shifts.
        const __m128i high = _mm_slli_epi16(_mm_and_si128(mirror, low_nibbles), 4);
        const __m128i low = _mm_and_si128(_mm_srli_epi16(own, 4), low_nibbles);
        const __m128i joined = _mm_or_si128(high, low);
        const __m128i kept = _mm_or_si128(_mm_cmpeq_epi8(joined, _mm_setzero_si128()), _mm_cmpeq_epi8(joined, all_ones));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_xor_si128(joined, _mm_andnot_si128(kept, all_ones)));
    }
    return i;
}

// The low 32 bits of each lane's product.
__m128i multiply_lanes(__m128i a, __m128i b) {
    const __m128i even = _mm_mul_epu32(a, b);
    const __m128i odd = _mm_mul_epu32(_mm_srli_epi64(a, 32), _mm_srli_epi64(b, 32));
    return _mm_unpacklo_epi32(_mm_shuffle_epi32(even, _MM_SHUFFLE(0, 0, 2, 0)),
                              _mm_shuffle_epi32(odd, _MM_SHUFFLE(0, 0, 2, 0)));
}

// The checksum of the first 16 * blocks bytes is 5331 * 33^(16 * blocks)
// plus b_i * 33^(16 * blocks - 1 - i) for each byte i. Lane j gathers the
// bytes 16k + j, multiplied by 33^16 once per block: sixteen sums side by
// side, weighed together at the end.
std::uint32_t sum_of_blocks(const unsigned char* b, std::size_t blocks) {
    const __m128i per_block = _mm_set1_epi32(static_cast<int>(power_of_33(16)));
    const __m128i zero = _mm_setzero_si128();
    __m128i lanes[4] = {zero, zero, zero, zero};
    for (std::size_t block = 0; block < blocks; ++block) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + 16 * block));
        const __m128i low = _mm_unpacklo_epi8(bytes, zero), high = _mm_unpackhi_epi8(bytes, zero);
        const __m128i words[4] = {_mm_unpacklo_epi16(low, zero), _mm_unpackhi_epi16(low, zero),
                                  _mm_unpacklo_epi16(high, zero), _mm_unpackhi_epi16(high, zero)};
        for (int k = 0; k < 4; ++k) lanes[k] = _mm_add_epi32(multiply_lanes(lanes[k], per_block), words[k]);
    }
    alignas(16) std::uint32_t lane[16];
    for (int k = 0; k < 4; ++k) _mm_store_si128(reinterpret_cast<__m128i*>(lane + 4 * k), lanes[k]);
    std::uint32_t sum = 5331 * power_of_33(16 * static_cast<std::uint64_t>(blocks));
    for (int j = 0; j < 16; ++j) sum += lane[j] * power_of_33(15 - j);
    return sum;
}
#endif

}  // namespace

std::string unscramble(std::string_view stored) {
    const std::size_t n = stored.size();
    const unsigned char* in = bytes_of(stored);
    std::string plain(n, '\0');
    unsigned char* out = reinterpret_cast<unsigned char*>(plain.data());
    std::size_t i = 0;
#ifdef KISTVAR_SSE2
    i = unscramble_vectors(in, out, n);
#endif
    for (; i < n; ++i) {
        const unsigned low_of_mirror = in[n - 1 - i] & 0x0F;
        const unsigned high_of_own = in[i] >> 4;
        out[i] = invert(static_cast<unsigned char>(low_of_mirror << 4 | high_of_own));
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
        const unsigned own = invert(static_cast<unsigned char>(plain[i]));
        const unsigned mirror = invert(static_cast<unsigned char>(plain[n - 1 - i]));
        stored[i] = static_cast<char>((own & 0x0F) << 4 | mirror >> 4);
    }
    return stored;
}

std::uint32_t body_checksum(std::string_view plain_body) {
    const unsigned char* b = bytes_of(plain_body);
    std::uint32_t sum = 5331;
    std::size_t i = 0;
#ifdef KISTVAR_SSE2
    sum = sum_of_blocks(b, plain_body.size() / 16);
    i = plain_body.size() / 16 * 16;
#endif
    for (; i < plain_body.size(); ++i) sum = sum * 33 + b[i];
    return sum;
}

}  // namespace kistvar::stash
