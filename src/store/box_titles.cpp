#include "store/box_titles.h"

#include <array>

#include "platform/file_names.h"
#include "platform/files.h"
#include "platform/text.h"
#include "settings/setting_keys.h"
#include "settings/settings_procedures.h"
#include "store/reasons.h"

namespace kistvar::store {

namespace {

constexpr std::string_view box_extension = ".bin";

bool is_forbidden_byte(unsigned char byte) {
    static constexpr std::string_view forbidden = "\\/:*?\"<>|";
    return byte < 0x20 || forbidden.find(static_cast<char>(byte)) != std::string_view::npos;
}

// Windows takes "CON", "con.txt" or "CON .x" for the console device, whatever
// folder it is in; the box file name adds ".bin", so the part before the
// first dot decides.
bool is_device_name(std::string_view name) {
    static constexpr std::array<std::string_view, 22> devices = {
        "CON",  "PRN",  "AUX",  "NUL",  "COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7",
        "COM8", "COM9", "LPT1", "LPT2", "LPT3", "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9"};
    std::string_view stem = name.substr(0, name.find('.'));
    while (!stem.empty() && stem.back() == ' ') stem.remove_suffix(1);
    for (std::string_view device : devices)
        if (compare_text(stem, device, false) == 0) return true;
    return false;
}

// A file name holds at most 255 UTF-16 units, ".bin" included.
constexpr std::size_t longest_title = longest_file_name - box_extension.size();

bool is_too_long(std::string_view name) {
    return name.size() > longest_title && utf16_units(name) > longest_title;
}

}  // namespace

bool is_box_file_name(std::string_view file_name) {
    return file_name.size() >= box_extension.size() &&
           compare_text(file_name.substr(file_name.size() - box_extension.size()), box_extension,
                        false) == 0;
}

std::string title_of_box_file(std::string_view file_name) {
    return left_text(file_name, static_cast<long long>(text_length(file_name)) - 4);
}

std::vector<std::string> box_titles_in(std::string_view folder, bool skip_stash_files) {
    std::vector<std::string> titles;
    SearchHandle search;
    for (std::string name = find_file(std::string(folder) + "\\*.bin", 0, true, search); !name.empty();
         name = find_file("", 0, true, search)) {
        if (skip_stash_files && is_stash_file_name(name)) continue;
        if (is_box_file_name(name)) titles.push_back(title_of_box_file(name));
    }
    end_find_file(search);
    return titles;
}

bool same_title(std::string_view a, std::string_view b) { return same_file_name(a, b); }

bool is_reserved_title(std::string_view title) {
    return title == other_box_marker;
}

std::string box_name_problem(std::string_view name) {
    if (name.empty()) return reasons::empty_name();
    if (is_too_long(name)) return reasons::name_too_long(longest_title);
    for (char c : name)
        if (is_forbidden_byte(static_cast<unsigned char>(c))) return reasons::forbidden_character();
    if (is_device_name(name)) return reasons::device_name(name);
    return {};
}

bool my_box_title_taken(const Places& places, std::string_view title) {
    if (places.marker != other_box_marker && same_title(places.marker, title)) return true;
    return file_exists(my_box_file(places, title));
}

std::string first_free_my_box_title(const Places& places) {
    const std::string base(setting_keys::default_in_use_marker);
    std::string title = base;
    for (long long number = 2; file_exists(my_box_file(places, title)); ++number)
        title = base + " (" + to_text(number) + ")";
    return title;
}

}  // namespace kistvar::store
