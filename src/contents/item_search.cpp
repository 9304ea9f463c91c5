#include "contents/item_search.h"

namespace kistvar::contents {

namespace {

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

void append_utf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char32_t lower(char32_t c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;  // Latin-1 capitals
    if (c >= 0x410 && c <= 0x42F) return c + 32;             // А..Я
    if (c >= 0x400 && c <= 0x40F) return c + 80;             // Ѐ..Џ, Ё among them
    return c;
}

}  // namespace

std::string fold_case(std::string_view text) {
    std::string folded;
    folded.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t start = at;
        const char32_t c = next_code_point(text, at);
        const char32_t l = lower(c);
        if (l == c)
            folded.append(text.substr(start, at - start));  // kept byte for byte, stray bytes too
        else
            append_utf8(folded, l);
    }
    return folded;
}

ItemSearch::ItemSearch(std::vector<BoxSource> boxes, std::string_view text)
    : boxes_(std::move(boxes)), folded_text_(fold_case(text)) {}

bool ItemSearch::step(stash::ContentsCache& cache, std::size_t files) {
    std::size_t read = 0;
    while (next_ < boxes_.size()) {
        const BoxSource& box = boxes_[next_];
        FileFacts facts;
        const bool exists = file_facts(box.path, facts);
        if (exists && !cache.is_current(box.path, facts)) {
            if (read == files) return false;  // the rest at the next step
            ++read;
        }
        bool hit = false;
        if (exists) {
            for (const stash::Item& item : cache.contents_of(box.path, facts)->items) {
                if (!item.known_layout || fold_case(item.name).find(folded_text_) == std::string::npos) continue;
                found_.push_back({next_, item});
                hit = true;
            }
        }
        if (hit) ++boxes_with_hits_;
        ++next_;
    }
    return true;
}

}  // namespace kistvar::contents
