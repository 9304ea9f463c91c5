#include "platform/file_names.h"

#include <algorithm>

#include "platform/text.h"

namespace kistvar {

namespace {

std::size_t units_of(char32_t code_point) { return code_point > 0xFFFF ? 2 : 1; }

}  // namespace

std::size_t utf16_units(std::string_view text) {
    std::size_t units = 0;
    for (std::size_t at = 0; at < text.size();) units += units_of(next_code_point(text, at));
    return units;
}

std::string_view first_utf16_units(std::string_view text, std::size_t units) {
    std::size_t at = 0, taken = 0;
    while (at < text.size()) {
        std::size_t next = at;
        taken += units_of(next_code_point(text, next));
        if (taken > units) break;
        at = next;
    }
    return text.substr(0, at);
}

std::string with_ending_that_fits(std::string_view path, std::string_view ending) {
    const std::size_t name_at = path.rfind('\\') + 1;  // 0 when there is no folder
    const std::size_t room = longest_file_name - std::min(utf16_units(ending), longest_file_name);
    return std::string(path.substr(0, name_at)).append(first_utf16_units(path.substr(name_at), room)).append(ending);
}

}  // namespace kistvar
