#include "platform/utf16le_text.h"

#include <cstdint>

#include "platform/utf8_text.h"

namespace kistvar::utf16le {

namespace {

constexpr char32_t replacement = 0xFFFD;

void append_unit(std::string& out, char32_t unit) {
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>(unit >> 8);
}

// The scalar starting at `at` and its length in bytes; U+FFFD for one bad byte.
char32_t decode_utf8(std::string_view text, std::size_t at, std::size_t& length) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned char lead = byte(at);
    length = 1;
    if (lead < 0x80) return lead;
    std::size_t size = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 && lead < 0xE0 ? 2 : 0;
    if (lead > 0xF4 || size == 0 || at + size > text.size()) return replacement;
    char32_t c = lead & (0x7F >> size);
    for (std::size_t i = 1; i < size; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80) return replacement;
        c = (c << 6) | (byte(at + i) & 0x3F);
    }
    bool overlong = (size == 3 && c < 0x800) || (size == 4 && c < 0x10000);
    if (overlong || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return replacement;
    length = size;
    return c;
}

}  // namespace

std::string to_utf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    auto unit_at = [&](std::size_t i) {
        return static_cast<char32_t>(static_cast<unsigned char>(bytes[i]) |
                                     (static_cast<unsigned char>(bytes[i + 1]) << 8));
    };
    std::size_t at = 0;
    for (; at + 1 < bytes.size(); at += 2) {
        char32_t unit = unit_at(at);
        if (unit < 0x80) {  // names are mostly English: no encoding to do
            out += static_cast<char>(unit);
            continue;
        }
        if (unit >= 0xD800 && unit <= 0xDBFF && at + 3 < bytes.size()) {
            char32_t low = unit_at(at + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                utf8::append(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                at += 2;
                continue;
            }
        }
        utf8::append(out, (unit >= 0xD800 && unit <= 0xDFFF) ? replacement : unit);
    }
    if (at < bytes.size()) utf8::append(out, replacement);
    return out;
}

std::string from_utf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size() * 2);
    for (std::size_t at = 0, length = 0; at < utf8.size(); at += length) {
        char32_t c = decode_utf8(utf8, at, length);
        if (c < 0x10000) {
            append_unit(out, c);
        } else {
            append_unit(out, 0xD800 + ((c - 0x10000) >> 10));
            append_unit(out, 0xDC00 + ((c - 0x10000) & 0x3FF));
        }
    }
    return out;
}

}  // namespace kistvar::utf16le
