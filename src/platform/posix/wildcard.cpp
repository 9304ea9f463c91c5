#include "platform/posix/wildcard.h"

#include <cstddef>

namespace kistvar::posix {

namespace {

char ascii_lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Length of the UTF-8 character starting at `at`, so "?" takes a whole one.
std::size_t character_length(std::string_view text, std::size_t at) {
    auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    std::size_t end = at + 1;
    while (end < text.size() && end < at + length && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        ++end;
    return end - at;
}

}  // namespace

bool has_wildcard(std::string_view pattern) {
    return pattern.find_first_of("*?") != std::string_view::npos;
}

bool matches_wildcard(std::string_view name, std::string_view pattern) {
    if (pattern == "*.*") pattern = "*";
    // Greedy matching that returns to the last "*" on a mismatch.
    std::size_t n = 0, p = 0;
    std::size_t star = std::string_view::npos, resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = n;
        } else if (p < pattern.size() && pattern[p] == '?') {
            ++p;
            n += character_length(name, n);
        } else if (p < pattern.size() && ascii_lower(pattern[p]) == ascii_lower(name[n])) {
            ++p;
            ++n;
        } else if (star != std::string_view::npos) {
            p = star + 1;
            resume += character_length(name, resume);
            n = resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

}  // namespace kistvar::posix
