// The headless list's imitation of the real control's comparison of titles:
// letters folded to small ones in the scripts box titles are written in, the
// first difference of case alone deciding between otherwise equal titles.
#include "ui/title_order.h"

#include "platform/text.h"

namespace kistvar::ui {

namespace {

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

}  // namespace

int compare_titles(std::string_view a, std::string_view b) {
    int case_order = 0;  // the first difference of case alone, small first
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        // Titles compared while a list fills share long beginnings, mostly in
        // ASCII: equal characters there need no decoding and no folding.
        const auto left_byte = static_cast<std::uint8_t>(a[i]), right_byte = static_cast<std::uint8_t>(b[j]);
        if (left_byte == right_byte && left_byte < 0x80) {
            ++i;
            ++j;
            continue;
        }
        const char32_t left = next_code_point(a, i), right = next_code_point(b, j);
        const char32_t left_folded = fold_case(left), right_folded = fold_case(right);
        if (left_folded != right_folded) return left_folded < right_folded ? -1 : 1;
        if (case_order == 0 && left != right) case_order = left == left_folded ? -1 : 1;
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    return case_order;
}

bool title_matches(std::string_view title, std::string_view text, bool whole_title) {
    std::size_t i = 0, j = 0;
    while (i < title.size() && j < text.size())
        if (fold_case(next_code_point(title, i)) != fold_case(next_code_point(text, j))) return false;
    return j == text.size() && (!whole_title || i == title.size());
}

}  // namespace kistvar::ui
