#include "stash/item_names.h"

#include <algorithm>

#include "platform/utf8_text.h"

namespace kistvar::stash {

namespace {

constexpr std::string_view item_marker = "[ITEM]";
constexpr std::string_view non_breaking_space = "\xC2\xA0";

// Only the first "[ITEM]" takes the name: the game's templates hold one, and
// a forged template of many would multiply a name to gigabytes.
std::string apply_template(const std::string& name, std::string_view text) {
    const std::size_t found = text.find(item_marker);
    if (found == std::string_view::npos) return name;
    return std::string(text.substr(0, found)).append(name).append(text.substr(found + item_marker.size()));
}

// Decodes one UTF-8 sequence at `at`; a stray byte stands for itself.
char32_t next_code_point(std::string_view text, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 1;
    if (length == 1 || at + length > text.size()) {
        ++at;
        return lead;
    }
    char32_t c = lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) c = (c << 6) | (static_cast<unsigned char>(text[at + i]) & 0x3F);
    at += length;
    return c;
}

char32_t lower(char32_t c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;  // Latin-1 capitals
    if (c >= 0x410 && c <= 0x42F) return c + 32;             // А..Я
    if (c >= 0x400 && c <= 0x40F) return c + 80;             // Ѐ..Џ, Ё among them
    return c;
}

bool is_hex_digit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

}  // namespace

std::string apply_templates(std::string name, std::string_view prefix, std::string_view suffix) {
    name = apply_template(name, prefix);
    return apply_template(name, suffix);
}

std::string displayable_name(std::string_view name) {
    // Most names hold neither a colour code nor a non-breaking space.
    if (std::none_of(name.begin(), name.end(), [](char c) { return c == '|' || c == '\xC2'; }))
        return std::string(name);
    std::string shown;
    shown.reserve(name.size());
    for (std::size_t i = 0; i < name.size();) {
        if (name[i] == '|' && i + 1 < name.size()) {
            char code = name[i + 1];
            if (code == 'u' || code == 'U') {
                i += 2;
                continue;
            }
            if ((code == 'c' || code == 'C') && i + 10 <= name.size()) {
                bool colour = true;
                for (std::size_t d = i + 2; d < i + 10; ++d) colour = colour && is_hex_digit(name[d]);
                if (colour) {
                    i += 10;
                    continue;
                }
            }
        }
        if (name.substr(i, non_breaking_space.size()) == non_breaking_space) {
            shown += ' ';
            i += non_breaking_space.size();
            continue;
        }
        shown += name[i++];
    }
    return shown;
}

void append_folded(std::string& folded, std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const auto byte = static_cast<unsigned char>(text[at]);
        if (byte < 0x80) {  // most names are English: a byte each, no decoding
            folded += static_cast<char>(byte >= 'A' && byte <= 'Z' ? byte + 32 : byte);
            ++at;
            continue;
        }
        const std::size_t start = at;
        const char32_t c = next_code_point(text, at);
        const char32_t l = lower(c);
        if (l == c) {
            folded.append(text.substr(start, at - start));  // kept byte for byte, stray bytes too
        } else if (l < 0x800) {  // every letter lower() changes: two bytes, as Cyrillic takes
            folded += static_cast<char>(0xC0 | (l >> 6));
            folded += static_cast<char>(0x80 | (l & 0x3F));
        } else {
            utf8::append(folded, l);
        }
    }
}

std::string fold_case(std::string_view text) {
    std::string folded;
    folded.reserve(text.size());
    append_folded(folded, text);
    return folded;
}

}  // namespace kistvar::stash
