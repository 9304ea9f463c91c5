// Our INI reader and writer over any file a user or another program left:
// a write never touches more than the one line it changes, reads back what
// it wrote, and leaves every other setting as it was.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_fields.h"
#include "platform/profile_text.h"

using namespace kistvar;

namespace {

// CR is a blank: trimmed off the ends of names, values and lines.
bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
    return text;
}

// A name the program could write: printable ASCII without the characters
// that shape an INI line, and whole double-byte GBK characters.
bool sane_name(std::string_view name) {
    name = trimmed(name);
    if (name.empty()) return false;
    for (std::size_t at = 0; at < name.size();) {
        const auto c = static_cast<unsigned char>(name[at]);
        if (c >= 0x81 && c <= 0xFE) {
            if (at + 1 >= name.size()) return false;
            const auto trail = static_cast<unsigned char>(name[at + 1]);
            if (trail < 0x40 || trail > 0xFE || trail == 0x7F) return false;
            at += 2;
            continue;
        }
        if (c < 0x20 || c > 0x7E || std::string_view("[];=").find(static_cast<char>(c)) != std::string_view::npos)
            return false;
        ++at;
    }
    return true;
}

std::string folded(std::string_view text) {
    std::string out(trimmed(text));
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

// Two names that differ after folding every byte can never match; equal
// folds may or may not (a GBK trail byte is no letter).
bool surely_different(std::string_view a, std::string_view b) { return folded(a) != folded(b); }

// Lines as Windows sees them: only LF ends one, a lone CR is part of a line.
std::vector<std::string_view> lines_of(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t begin = 0;
    while (begin < text.size()) {
        const std::size_t feed = text.find('\n', begin);
        const std::size_t end = feed == std::string_view::npos ? text.size() : feed + 1;
        lines.push_back(text.substr(begin, end - begin));
        begin = end;
    }
    return lines;
}

// How many lines of `before` are gone or changed in `after`, once the
// longest run of equal lines at each end is set aside.
std::size_t lines_changed(std::string_view before, std::string_view after) {
    const auto a = lines_of(before), b = lines_of(after);
    std::size_t head = 0;
    while (head < a.size() && head < b.size() && a[head] == b[head]) ++head;
    std::size_t tail = 0;
    while (tail < a.size() - head && tail < b.size() - head && a[a.size() - 1 - tail] == b[b.size() - 1 - tail])
        ++tail;
    return a.size() - head - tail;
}

std::string expected_read(std::string_view value) {
    value = trimmed(value);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto f = fuzz::fields(data, size, 6);
    const std::string_view section = f[0], key = f[1], value = f[2], other_section = f[3], other_key = f[4];
    const std::string_view file = f[5];

    const auto other_before = profile_text::read_value(file, other_section, other_key);
    const bool other_is_another = surely_different(section, other_section) || surely_different(key, other_key);
    auto check_other_kept = [&](const std::string& after, const char* step) {
        if (other_is_another && profile_text::read_value(after, other_section, other_key) != other_before)
            fuzz::broken(step);
    };

    const std::string written = profile_text::write_value(file, section, key, value);
    const std::string removed = profile_text::write_value(file, section, key, std::nullopt);
    const std::string section_gone = profile_text::write_value(file, section, std::nullopt, std::nullopt);

    // Any text: at most the key's own line changes (the line before a new key
    // may gain the line end it lacked).
    if (lines_changed(file, written) > 1) fuzz::broken("a write changed more than one line");
    if (lines_changed(file, removed) > 1) fuzz::broken("a key removal changed more than one line");
    if (written.find(value) == std::string::npos) fuzz::broken("the written value is nowhere in the file");

    if (!sane_name(section) || !sane_name(key) || value.find_first_of("\r\n") != std::string_view::npos) return 0;

    if (profile_text::read_value(written, section, key) != expected_read(value))
        fuzz::broken("a written value does not read back");
    if (profile_text::write_value(written, section, key, value) != written)
        fuzz::broken("writing the same value again changed the file");
    check_other_kept(written, "writing one key changed another");
    check_other_kept(removed, "removing one key changed another");
    if (surely_different(section, other_section))
        check_other_kept(section_gone, "removing one section changed another");
    return 0;
}
