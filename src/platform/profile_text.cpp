#include "platform/profile_text.h"

#include <cstddef>

namespace kistvar::profile_text {

namespace {

// A CR counts as a blank, as in Windows: it is trimmed off either end of a
// line's text, so CR LF ends a line and a lone CR elsewhere is part of it.
bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view trim(std::string_view text) {
    while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
    return text;
}

unsigned char byte_at(std::string_view text, std::size_t at) {
    return at < text.size() ? static_cast<unsigned char>(text[at]) : 0;
}

// Bytes of the GB18030 character starting at `at`. The trail bytes of a
// double-byte character include "]" and the ASCII letters, so a name is only
// ever cut or case-folded at whole characters.
std::size_t character_length(std::string_view text, std::size_t at) {
    unsigned char lead = byte_at(text, at);
    if (lead < 0x81 || lead == 0xFF) return 1;
    unsigned char second = byte_at(text, at + 1);
    if (second >= 0x30 && second <= 0x39) {
        unsigned char third = byte_at(text, at + 2), fourth = byte_at(text, at + 3);
        bool four_bytes = third >= 0x81 && third <= 0xFE && fourth >= 0x30 && fourth <= 0x39;
        return four_bytes ? 4 : 1;
    }
    return (second >= 0x40 && second <= 0xFE && second != 0x7F) ? 2 : 1;
}

char ascii_lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// The profile functions hand names and values over as C strings, so a name or
// value in the file ends, for them, at its first NUL byte.
std::string_view up_to_nul(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

// Section and key names match ignoring the case of ASCII letters.
bool same_name(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t at = 0; at < a.size();) {
        std::size_t length = character_length(a, at);
        if (length == 1) {
            if (ascii_lower(a[at]) != ascii_lower(b[at])) return false;
        } else if (a.substr(at, length) != b.substr(at, length)) {
            return false;
        }
        at += length;
    }
    return true;
}

// A line's bytes: [begin, end) is its text, [end, next) its line end: the LF
// with the CRs just before it, or trailing CRs (or nothing) on the last line.
// Only LF ends a line, as in Windows; removing a whole line can then never
// join a CR left before it to an LF after it into a new line end.
struct Line {
    std::size_t begin = 0, end = 0, next = 0;
};

Line line_at(std::string_view text, std::size_t begin) {
    std::size_t feed = text.find('\n', begin);
    Line line{begin, 0, feed == std::string_view::npos ? text.size() : feed + 1};
    line.end = feed == std::string_view::npos ? text.size() : feed;
    while (line.end > begin && text[line.end - 1] == '\r') --line.end;
    return line;
}

enum class Kind { blank, comment, section, key };

struct Parsed {
    Kind kind = Kind::blank;
    std::string_view name;
    std::string_view value;
    bool has_value = false;  // a key line without "=" has none
};

Parsed parse(std::string_view content) {
    std::string_view text = trim(content);
    if (text.empty()) return {};
    if (text.front() == ';') return {Kind::comment, {}, {}, false};
    if (text.front() == '[') {
        // The name ends at the first "]"; a header without one still counts.
        std::size_t at = 1;
        while (at < text.size() && text[at] != ']') at += character_length(text, at);
        return {Kind::section, up_to_nul(trim(text.substr(1, at - 1))), {}, false};
    }
    std::size_t equals = text.find('=');  // "=" is never a trail byte
    if (equals == std::string_view::npos) return {Kind::key, up_to_nul(text), {}, false};
    return {Kind::key, up_to_nul(trim(text.substr(0, equals))), up_to_nul(trim(text.substr(equals + 1))), true};
}

std::string_view without_quotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// Where a section and a key sit in the file: the first section of that name
// and the first key of that name in it.
struct Place {
    bool section_found = false;
    Line header;
    std::size_t section_end = 0;    // the next section header, or the end
    std::size_t after_last_key = 0;  // where a new key line goes
    bool key_found = false;
    Line key_line;
    Parsed key;
};

Place locate(std::string_view text, std::string_view section, std::string_view key) {
    Place place;
    for (std::size_t at = 0; at < text.size();) {
        Line line = line_at(text, at);
        at = line.next;
        Parsed parsed = parse(text.substr(line.begin, line.end - line.begin));
        if (parsed.kind == Kind::section) {
            if (place.section_found) {
                place.section_end = line.begin;
                return place;
            }
            if (same_name(parsed.name, section)) {
                place.section_found = true;
                place.header = line;
                place.after_last_key = line.next;
            }
        } else if (parsed.kind == Kind::key && place.section_found) {
            place.after_last_key = line.next;
            if (!place.key_found && same_name(parsed.name, key)) {
                place.key_found = true;
                place.key_line = line;
                place.key = parsed;
            }
        }
    }
    place.section_end = text.size();
    return place;
}

bool ends_a_line(std::string_view text) {
    return text.empty() || text.back() == '\n';
}

std::string key_line(std::string_view key, std::string_view value) {
    std::string line;
    line.reserve(key.size() + 1 + value.size() + 2);
    line.append(key).append("=").append(value);
    return line;
}

}  // namespace

std::optional<std::string> read_value(std::string_view file_bytes, std::string_view section,
                                      std::string_view key) {
    Place place = locate(file_bytes, trim(section), trim(key));
    if (!place.key_found || !place.key.has_value) return std::nullopt;
    return std::string(without_quotes(place.key.value));
}

std::string write_value(std::string_view file_bytes, std::string_view section,
                        std::optional<std::string_view> key, std::optional<std::string_view> value) {
    section = trim(section);
    std::string_view key_name = key ? trim(*key) : std::string_view{};
    Place place = locate(file_bytes, section, key_name);
    std::string text(file_bytes);

    if (!place.section_found) {
        if (!key || !value) return text;
        if (!ends_a_line(text)) text += "\r\n";
        text.append("[").append(section).append("]\r\n").append(key_line(key_name, *value)).append("\r\n");
        return text;
    }
    if (!key) return text.erase(place.header.begin, place.section_end - place.header.begin);
    if (place.key_found) {
        const Line& line = place.key_line;
        if (!value) return text.erase(line.begin, line.next - line.begin);
        // The key keeps the spelling it has in the file.
        return text.replace(line.begin, line.end - line.begin, key_line(place.key.name, *value));
    }
    if (!value) return text;
    std::string inserted = key_line(key_name, *value) + "\r\n";
    if (!ends_a_line(std::string_view(text).substr(0, place.after_last_key))) inserted.insert(0, "\r\n");
    return text.insert(place.after_last_key, inserted);
}

}  // namespace kistvar::profile_text
