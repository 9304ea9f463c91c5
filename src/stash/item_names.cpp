#include "stash/item_names.h"

namespace kistvar::stash {

namespace {

constexpr std::string_view item_marker = "[ITEM]";
constexpr std::string_view non_breaking_space = "\xC2\xA0";

std::string apply_template(const std::string& name, std::string_view text) {
    std::string result;
    std::size_t at = 0;
    bool used = false;
    for (std::size_t found; (found = text.find(item_marker, at)) != std::string_view::npos;) {
        result.append(text.substr(at, found - at)).append(name);
        at = found + item_marker.size();
        used = true;
    }
    if (!used) return name;
    return result.append(text.substr(at));
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

}  // namespace kistvar::stash
