#include "platform/headless/title_order.h"

#include <cstdint>
#include <vector>

namespace kistvar::headless {

namespace {

// UTF-8 to code points; a byte that does not start a valid sequence becomes a
// lone low surrogate of its own, so it never folds or equals a letter.
std::vector<char32_t> code_points(std::string_view text) {
    std::vector<char32_t> points;
    points.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<std::uint8_t>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3
                                 : (lead >> 3) == 0x1E ? 4 : 0;
        bool valid = length != 0 && i + length <= text.size();
        char32_t point = length == 1 ? lead : length == 2 ? lead & 0x1F : length == 3 ? lead & 0x0F : lead & 0x07;
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<std::uint8_t>(text[i + k]);
            valid = (next & 0xC0) == 0x80;
            point = (point << 6) | (next & 0x3F);
        }
        if (!valid) {
            points.push_back(0xDC00 + lead);
            ++i;
            continue;
        }
        points.push_back(point);
        i += length;
    }
    return points;
}

// Small letter of a capital in the scripts box titles are written in
// (Latin with its accented letters, Greek, Cyrillic, full-width Latin).
char32_t fold_case(char32_t c) {
    if (c >= U'A' && c <= U'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) return c + 32;
    if (c >= 0x410 && c <= 0x42F) return c + 32;
    if (c >= 0x400 && c <= 0x40F) return c + 80;
    if (c >= 0xFF21 && c <= 0xFF3A) return c + 32;
    return c;
}

int sign(long long difference) { return (difference > 0) - (difference < 0); }

}  // namespace

int compare_titles(std::string_view a, std::string_view b) {
    const auto left = code_points(a);
    const auto right = code_points(b);
    const std::size_t common = std::min(left.size(), right.size());
    for (std::size_t i = 0; i < common; ++i) {
        const char32_t l = fold_case(left[i]), r = fold_case(right[i]);
        if (l != r) return sign(static_cast<long long>(l) - static_cast<long long>(r));
    }
    if (left.size() != right.size()) return left.size() < right.size() ? -1 : 1;
    // Equal but for case: the first letter that differs decides, small first.
    for (std::size_t i = 0; i < common; ++i) {
        if (left[i] == right[i]) continue;
        const bool left_is_small = fold_case(left[i]) == left[i];
        return left_is_small ? -1 : 1;
    }
    return 0;
}

bool title_matches(std::string_view title, std::string_view text, bool whole_title) {
    const auto subject = code_points(title);
    const auto wanted = code_points(text);
    if (whole_title ? subject.size() != wanted.size() : subject.size() < wanted.size()) return false;
    for (std::size_t i = 0; i < wanted.size(); ++i)
        if (fold_case(subject[i]) != fold_case(wanted[i])) return false;
    return true;
}

}  // namespace kistvar::headless
