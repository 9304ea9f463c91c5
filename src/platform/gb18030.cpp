#include "platform/gb18030.h"

#include <algorithm>
#include <cstring>
#include <cstdint>
#include <iterator>
#include <memory>

namespace kistvar::gb18030 {
namespace {

struct FourByteRange {
    std::uint16_t first_index;  // linear index of the four-byte code, 0 = 81 30 81 30
    std::uint16_t first_code_point;
    std::uint16_t length;
};

#include "platform/gb18030_table.inc"

constexpr char32_t replacement_character = 0xFFFD;
constexpr char32_t euro_sign = 0x20AC;
constexpr unsigned char gbk_euro_byte = 0x80;
constexpr char32_t first_supplementary = 0x10000;
constexpr char32_t last_scalar = 0x10FFFF;
// Linear index of 90 30 81 30, where U+10000 starts.
constexpr std::uint32_t supplementary_base_index = 189000;
constexpr int trails_per_lead = 190;

bool is_lead_byte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }
bool is_two_byte_trail(unsigned char byte) { return byte >= 0x40 && byte <= 0xFE && byte != 0x7F; }
bool is_four_byte_digit(unsigned char byte) { return byte >= 0x30 && byte <= 0x39; }

char32_t two_byte_code_point(unsigned char lead, unsigned char trail) {
    const int trail_position = trail - 0x40 - (trail > 0x7F ? 1 : 0);
    return two_byte_to_unicode[(lead - 0x81) * trails_per_lead + trail_position];
}

std::uint32_t four_byte_index(const unsigned char* code) {
    return ((std::uint32_t(code[0] - 0x81) * 10 + (code[1] - 0x30)) * 126 + (code[2] - 0x81)) * 10 +
           (code[3] - 0x30);
}

// The four bytes of a linear index, packed big-endian into one word.
std::uint32_t four_byte_code(std::uint32_t index) {
    const std::uint32_t b4 = 0x30 + index % 10;
    index /= 10;
    const std::uint32_t b3 = 0x81 + index % 126;
    index /= 126;
    const std::uint32_t b2 = 0x30 + index % 10;
    const std::uint32_t b1 = 0x81 + index / 10;
    return b1 << 24 | b2 << 16 | b3 << 8 | b4;
}

char32_t four_byte_code_point(const unsigned char* code) {
    const std::uint32_t index = four_byte_index(code);
    if (index >= supplementary_base_index) {
        const std::uint32_t offset = index - supplementary_base_index;
        return offset <= last_scalar - first_supplementary ? first_supplementary + offset
                                                           : replacement_character;
    }
    const auto after = std::upper_bound(std::begin(four_byte_ranges), std::end(four_byte_ranges), index,
                                        [](std::uint32_t i, const FourByteRange& r) { return i < r.first_index; });
    if (after == std::begin(four_byte_ranges)) return replacement_character;
    const FourByteRange& range = *std::prev(after);
    const std::uint32_t offset = index - range.first_index;
    return offset < range.length ? char32_t(range.first_code_point + offset) : replacement_character;
}

// Writes the UTF-8 bytes of one scalar at `out` and returns the place after them.
char* put_utf8(char* out, char32_t code_point) {
    if (code_point < 0x80) {
        *out++ = char(code_point);
    } else if (code_point < 0x800) {
        *out++ = char(0xC0 | (code_point >> 6));
        *out++ = char(0x80 | (code_point & 0x3F));
    } else if (code_point < 0x10000) {
        *out++ = char(0xE0 | (code_point >> 12));
        *out++ = char(0x80 | ((code_point >> 6) & 0x3F));
        *out++ = char(0x80 | (code_point & 0x3F));
    } else {
        *out++ = char(0xF0 | (code_point >> 18));
        *out++ = char(0x80 | ((code_point >> 12) & 0x3F));
        *out++ = char(0x80 | ((code_point >> 6) & 0x3F));
        *out++ = char(0x80 | (code_point & 0x3F));
    }
    return out;
}

// Length of the run of ASCII bytes starting at `at`, copied through unchanged.
std::size_t ascii_run(const unsigned char* data, std::size_t at, std::size_t size) {
    std::size_t end = at;
    while (end < size && data[end] < 0x80) ++end;
    return end - at;
}

// One scalar read from UTF-8; length 0 when the bytes at that place form none
// (stray continuation byte, overlong form, surrogate, beyond U+10FFFF, cut short).
struct Utf8Scalar {
    char32_t code_point = 0;
    std::size_t length = 0;
};

Utf8Scalar read_utf8(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length;
    char32_t code_point;
    char32_t smallest;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, code_point = lead & 0x1F, smallest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, code_point = lead & 0x0F, smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, code_point = lead & 0x07, smallest = 0x10000;
    } else {
        return {};
    }
    if (text.size() - at < length) return {};
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[at + i]);
        if ((byte & 0xC0) != 0x80) return {};
        code_point = (code_point << 6) | (byte & 0x3F);
    }
    if (code_point < smallest || code_point > last_scalar || (code_point >= 0xD800 && code_point <= 0xDFFF))
        return {};
    return {code_point, length};
}

// The GB18030 bytes of every BMP character, packed big-endian into one word:
// below 0x10000 a two-byte code, above it a four-byte code.
class BmpEncodings {
public:
    BmpEncodings() {
        for (int index = 0; index < int(std::size(two_byte_to_unicode)); ++index) {
            const char32_t code_point = two_byte_to_unicode[index];
            if (code_point == replacement_character) continue;
            const int lead = 0x81 + index / trails_per_lead;
            const int trail_position = index % trails_per_lead;
            const int trail = 0x40 + trail_position + (trail_position >= 0x3F ? 1 : 0);
            codes_[code_point] = std::uint32_t(lead << 8 | trail);
        }
        for (const FourByteRange& range : four_byte_ranges) {
            for (std::uint32_t offset = 0; offset < range.length; ++offset)
                codes_[range.first_code_point + offset] = four_byte_code(range.first_index + offset);
        }
    }

    std::uint32_t operator[](char32_t code_point) const { return codes_[code_point]; }

private:
    std::unique_ptr<std::uint32_t[]> codes_ = std::make_unique<std::uint32_t[]>(0x10000);
};

const BmpEncodings& bmp_encodings() {
    static const BmpEncodings encodings;
    return encodings;
}

char* put_code(char* out, std::uint32_t code) {
    if (code > 0xFFFF) {
        *out++ = char(code >> 24);
        *out++ = char(code >> 16);
    }
    *out++ = char(code >> 8);
    *out++ = char(code);
    return out;
}

// Collects the converted text through a small buffer, so that only the memory
// the result needs is ever touched (a 10 MB file must convert in a blink).
class Output {
public:
    explicit Output(std::size_t expected_size) { text_.reserve(expected_size); }

    // Where the next character goes; room for the longest one is guaranteed.
    char* next() {
        if (used_ + longest_character > sizeof(buffer_)) flush();
        return buffer_ + used_;
    }
    void wrote_up_to(const char* end) { used_ = std::size_t(end - buffer_); }

    void copy(const unsigned char* bytes, std::size_t count) {
        if (count <= sizeof(buffer_) - used_) {
            std::memcpy(buffer_ + used_, bytes, count);
            used_ += count;
            return;
        }
        flush();
        text_.append(reinterpret_cast<const char*>(bytes), count);
    }

    std::string take() {
        flush();
        return std::move(text_);
    }

private:
    static constexpr std::size_t longest_character = 4;

    void flush() {
        text_.append(buffer_, used_);
        used_ = 0;
    }

    std::string text_;
    char buffer_[4096];
    std::size_t used_ = 0;
};

}  // namespace

std::string from_utf8(std::string_view utf8) {
    Output out(utf8.size());
    const auto* data = reinterpret_cast<const unsigned char*>(utf8.data());
    const BmpEncodings& bmp = bmp_encodings();
    std::size_t at = 0;
    while (at < utf8.size()) {
        if (const std::size_t run = ascii_run(data, at, utf8.size())) {
            out.copy(data + at, run);
            at += run;
            continue;
        }
        char* put = out.next();
        const Utf8Scalar scalar = read_utf8(utf8, at);
        if (scalar.length == 0) {
            *put++ = '?';
            ++at;
        } else if (scalar.code_point == euro_sign) {
            *put++ = char(gbk_euro_byte);
        } else if (scalar.code_point < first_supplementary) {
            put = put_code(put, bmp[scalar.code_point]);
        } else {
            const std::uint32_t index = supplementary_base_index + (scalar.code_point - first_supplementary);
            put = put_code(put, four_byte_code(index));
        }
        out.wrote_up_to(put);
        at += scalar.length;
    }
    return out.take();
}

std::string to_utf8(std::string_view bytes) {
    Output out(bytes.size() + bytes.size() / 2);
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t size = bytes.size();
    std::size_t at = 0;
    while (at < size) {
        if (const std::size_t run = ascii_run(data, at, size)) {
            out.copy(data + at, run);
            at += run;
            continue;
        }
        const unsigned char byte = data[at];
        char32_t code_point;
        if (byte == gbk_euro_byte) {
            code_point = euro_sign;
            at += 1;
        } else if (is_lead_byte(byte) && at + 1 < size && is_two_byte_trail(data[at + 1])) {
            code_point = two_byte_code_point(byte, data[at + 1]);
            at += 2;
        } else if (is_lead_byte(byte) && at + 3 < size && is_four_byte_digit(data[at + 1]) &&
                   is_lead_byte(data[at + 2]) && is_four_byte_digit(data[at + 3])) {
            code_point = four_byte_code_point(data + at);
            at += 4;
        } else {
            // Only the offending byte is lost: what follows may still be readable.
            code_point = replacement_character;
            at += 1;
        }
        out.wrote_up_to(put_utf8(out.next(), code_point));
    }
    return out.take();
}

}  // namespace kistvar::gb18030
