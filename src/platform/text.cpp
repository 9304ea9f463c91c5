#include "platform/text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "platform/gb18030.h"

namespace kistvar {
namespace {

std::size_t clamp_count(long long count, std::size_t size) {
    return count <= 0 ? 0 : std::min<std::size_t>(static_cast<unsigned long long>(count), size);
}

// Bytes of the character starting at `at`: its lead byte and the continuation
// bytes that belong to it, so a split never lands inside a character.
std::size_t character_length(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t expected = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    std::size_t length = 1;
    while (length < expected && at + length < text.size() &&
           (static_cast<unsigned char>(text[at + length]) & 0xC0) == 0x80)
        ++length;
    return length;
}

unsigned char fold_ascii(unsigned char byte) {
    return byte >= 'A' && byte <= 'Z' ? byte + ('a' - 'A') : byte;
}

// Full-width ASCII forms and a few look-alikes, as GBK stores them, become the
// ASCII character a number reader understands. Steps over GBK characters so a
// trail byte is never taken for a lead byte.
std::string narrow_full_width_forms(std::string_view gbk) {
    std::string out;
    out.reserve(gbk.size());
    for (std::size_t at = 0; at < gbk.size();) {
        const auto lead = static_cast<unsigned char>(gbk[at]);
        const bool double_byte = lead >= 0x81 && lead <= 0xFE && at + 1 < gbk.size();
        if (!double_byte) {
            out += gbk[at++];
            continue;
        }
        const auto trail = static_cast<unsigned char>(gbk[at + 1]);
        if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
            out += char(trail - 0x80);
        } else if (lead == 0xA1 && trail == 0xA1) {
            out += ' ';
        } else if (lead == 0xA1 && trail == 0xAB) {
            out += '~';
        } else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) {
            out += '*';
        } else {
            out += gbk.substr(at, 2);
        }
        at += 2;
    }
    return out;
}

bool is_c_space(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

// What precedes the number itself: blanks, then at most one sign.
struct NumberStart {
    std::size_t digits_at = 0;
    bool negative = false;
};

NumberStart skip_blanks_and_sign(std::string_view text) {
    NumberStart start;
    std::size_t at = 0;
    while (at < text.size() && is_c_space(text[at])) ++at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        start.negative = text[at] == '-';
        ++at;
    }
    start.digits_at = at;
    return start;
}

std::string prepared_for_number(std::string_view text) {
    return narrow_full_width_forms(gb18030::from_utf8(text));
}

// Length of the decimal number (digits, point, exponent) at the start of `text`, 0 when none.
std::size_t decimal_number_length(std::string_view text) {
    std::size_t at = 0;
    std::size_t digits = 0;
    while (at < text.size() && is_digit(text[at])) ++at, ++digits;
    if (at < text.size() && text[at] == '.') {
        ++at;
        while (at < text.size() && is_digit(text[at])) ++at, ++digits;
    }
    if (digits == 0) return 0;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        std::size_t exponent_at = at + 1;
        if (exponent_at < text.size() && (text[exponent_at] == '+' || text[exponent_at] == '-')) ++exponent_at;
        if (exponent_at < text.size() && is_digit(text[exponent_at])) {
            at = exponent_at;
            while (at < text.size() && is_digit(text[at])) ++at;
        }
    }
    return at;
}

// Whether an out-of-range decimal number is too large rather than too small:
// its first significant digit, moved by the exponent, stands left of the point.
bool overflows(std::string_view number) {
    const std::size_t exponent_at = std::min(number.find_first_of("eE"), number.size());
    const std::string_view mantissa = number.substr(0, exponent_at);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first_significant = mantissa.find_first_not_of("0.");
    if (first_significant == std::string_view::npos) return false;
    const long long place = first_significant < point ? static_cast<long long>(point - first_significant)
                                                : -static_cast<long long>(first_significant - point - 1);
    long long exponent = 0;
    bool negative_exponent = false;
    for (std::size_t at = exponent_at + 1; at < number.size(); ++at) {
        if (number[at] == '-') negative_exponent = true;
        if (is_digit(number[at])) exponent = std::min(exponent * 10 + (number[at] - '0'), 1'000'000'000LL);
    }
    return place + (negative_exponent ? -exponent : exponent) > 0;
}

}  // namespace

std::size_t text_length(std::string_view text) { return text.size(); }

std::string left_text(std::string_view text, long long count) {
    return std::string(text.substr(0, clamp_count(count, text.size())));
}

std::string right_text(std::string_view text, long long count) {
    const std::size_t length = clamp_count(count, text.size());
    return std::string(text.substr(text.size() - length));
}

std::vector<std::string> split_text(std::string_view text, std::string_view delimiter,
                                    std::optional<long long> limit) {
    std::vector<std::string> pieces;
    const std::size_t most = limit ? clamp_count(*limit, std::numeric_limits<std::size_t>::max())
                                   : std::numeric_limits<std::size_t>::max();
    if (text.empty() || most == 0) return pieces;
    if (delimiter.empty()) return {std::string(text)};

    std::size_t cut = 0;
    std::size_t at = 0;
    bool limit_used_up = false;
    while (text.size() - at >= delimiter.size()) {
        if (text.compare(at, delimiter.size(), delimiter) != 0) {
            at += character_length(text, at);
            continue;
        }
        pieces.emplace_back(text.substr(cut, at - cut));
        at += delimiter.size();
        cut = at;
        if (pieces.size() == most) {
            limit_used_up = true;
            break;
        }
    }
    if (!limit_used_up && cut < text.size()) pieces.emplace_back(text.substr(cut));
    return pieces;
}

int compare_text(std::string_view a, std::string_view b, bool case_sensitive) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        auto x = static_cast<unsigned char>(a[i]);
        auto y = static_cast<unsigned char>(b[i]);
        if (!case_sensitive) x = fold_ascii(x), y = fold_ascii(y);
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

char32_t next_code_point(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<std::uint8_t>(text[at]);
    const std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3
                             : (lead >> 3) == 0x1E ? 4 : 0;
    bool valid = length != 0 && at + length <= text.size();
    char32_t point = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
    for (std::size_t k = 1; valid && k < length; ++k) {
        const auto next = static_cast<std::uint8_t>(text[at + k]);
        valid = (next & 0xC0) == 0x80;
        point = (point << 6) | (next & 0x3F);
    }
    if (!valid) {
        ++at;
        return 0xDC00 + lead;
    }
    at += length;
    return point;
}

std::string to_text(long long number) { return std::to_string(number); }

std::string to_text_from_bytes(std::string_view bytes) {
    return std::string(bytes.substr(0, bytes.find('\0')));
}

double to_number(std::string_view text) {
    const std::string prepared = prepared_for_number(text);
    const NumberStart start = skip_blanks_and_sign(prepared);
    const std::string_view rest = std::string_view(prepared).substr(start.digits_at);
    const std::string_view number = rest.substr(0, decimal_number_length(rest));
    if (number.empty()) return 0.0;

    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range)
        value = overflows(number) ? std::numeric_limits<double>::infinity() : 0.0;
    return start.negative ? -value : value;
}

std::int32_t to_integer(std::string_view text) {
    const std::string prepared = prepared_for_number(text);
    const NumberStart start = skip_blanks_and_sign(prepared);
    // Accumulated as a negative number, whose range reaches the int32 minimum.
    constexpr long long lowest = std::numeric_limits<std::int32_t>::min();
    long long value = 0;
    for (std::size_t at = start.digits_at; at < prepared.size() && is_digit(prepared[at]); ++at)
        value = std::max(value * 10 - (prepared[at] - '0'), lowest - 1);
    if (start.negative) return std::int32_t(std::max(value, lowest));
    return std::int32_t(std::min(-value, static_cast<long long>(std::numeric_limits<std::int32_t>::max())));
}

}  // namespace kistvar
