#include "ui/cell_text.h"

namespace kistvar::ui {

namespace {

constexpr std::string_view ellipsis = "…";

// The length of the UTF-8 character starting with `lead`; a stray byte counts alone.
std::size_t character_length(unsigned char lead) {
    if (lead >= 0xF0 && lead <= 0xF7) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

char32_t code_point(std::string_view character) {
    const auto byte = [&](std::size_t at) { return static_cast<char32_t>(static_cast<unsigned char>(character[at])); };
    switch (character.size()) {
    case 2: return (byte(0) & 0x1F) << 6 | (byte(1) & 0x3F);
    case 3: return (byte(0) & 0x0F) << 12 | (byte(1) & 0x3F) << 6 | (byte(2) & 0x3F);
    case 4: return (byte(0) & 0x07) << 18 | (byte(1) & 0x3F) << 12 | (byte(2) & 0x3F) << 6 | (byte(3) & 0x3F);
    default: return byte(0);
    }
}

// Characters a line may break before and after, as in Chinese, Japanese and
// Korean text: ideographs, kana, hangul, their punctuation and full-width forms.
bool breaks_around(char32_t c) {
    return (c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xAC00 && c <= 0xD7AF) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFF00 && c <= 0xFFEF) || (c >= 0x20000 && c <= 0x3FFFF);
}

std::vector<std::string_view> characters(std::string_view text) {
    std::vector<std::string_view> all;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t length = character_length(static_cast<unsigned char>(text[at]));
        if (at + length > text.size()) length = text.size() - at;
        all.push_back(text.substr(at, length));
        at += length;
    }
    return all;
}

// Words, single spaces and single wide characters: the pieces a line breaks between.
std::vector<std::string> pieces(std::string_view text) {
    std::vector<std::string> all;
    std::string word;
    const auto end_word = [&] {
        if (!word.empty()) all.push_back(std::move(word));
        word.clear();
    };
    for (std::string_view character : characters(text)) {
        const char32_t c = code_point(character);
        if (c == U' ' || breaks_around(c)) {
            end_word();
            all.emplace_back(character);
        } else {
            word += character;
        }
    }
    end_word();
    return all;
}

std::string without_trailing_spaces(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

void drop_last_character(std::string& text) {
    std::size_t at = text.size();
    while (at > 0 && (static_cast<unsigned char>(text[at - 1]) & 0xC0) == 0x80) --at;
    text.resize(at > 0 ? at - 1 : 0);
}

}  // namespace

std::vector<std::string> cell_lines(std::string_view name, int width, int max_lines,
                                    const std::function<int(std::string_view)>& width_of) {
    if (max_lines <= 0) return {};
    const auto fits = [&](const std::string& text) { return width_of(text) <= width; };
    std::vector<std::string> lines;
    std::string line;
    const auto end_line = [&] {
        if (std::string done = without_trailing_spaces(std::move(line)); !done.empty()) lines.push_back(std::move(done));
        line.clear();
    };
    for (const std::string& piece : pieces(name)) {
        if (piece == " ") {
            if (!line.empty()) line += piece;  // a line never starts with a space
        } else if (fits(without_trailing_spaces(line + piece))) {
            line += piece;
        } else if (end_line(); fits(piece)) {
            line = piece;
        } else {
            for (std::string_view character : characters(piece)) {
                if (!line.empty() && !fits(line + std::string(character))) end_line();
                line += character;
            }
        }
    }
    end_line();
    if (static_cast<int>(lines.size()) <= max_lines) return lines;

    lines.resize(static_cast<std::size_t>(max_lines));
    std::string& last = lines.back();
    while (!last.empty() && !fits(without_trailing_spaces(last) + std::string(ellipsis))) drop_last_character(last);
    last = without_trailing_spaces(std::move(last)) + std::string(ellipsis);
    return lines;
}

}  // namespace kistvar::ui
