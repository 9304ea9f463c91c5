#include "library/box_titles.h"

#include "library/box_paths.h"
#include "platform/files.h"
#include "platform/text.h"
#include "settings/setting_keys.h"

namespace kistvar {

namespace {
constexpr std::string_view box_extension = ".bin";
}

bool is_box_file_name(std::string_view file_name) {
    return file_name.size() >= box_extension.size() &&
           compare_text(file_name.substr(file_name.size() - box_extension.size()), box_extension,
                        false) == 0;
}

std::string title_of_box_file(std::string_view file_name) {
    return left_text(file_name, static_cast<long long>(text_length(file_name)) - 4);
}

bool same_title(std::string_view a, std::string_view b) {
    return compare_text(a, b, false) == 0;
}

bool is_reserved_title(std::string_view title) {
    return title == other_box_marker;
}

bool my_box_title_taken(const App& app, std::string_view title) {
    const std::string& marker = app.state.paths[in_use_marker];
    if (marker != other_box_marker && same_title(marker, title)) return true;
    return file_exists(my_box_file(app, title));
}

std::string first_free_my_box_title(const App& app) {
    const std::string base(setting_keys::default_in_use_marker);
    std::string title = base;
    for (long long number = 2; file_exists(my_box_file(app, title)); ++number)
        title = base + " (" + to_text(number) + ")";
    return title;
}

}  // namespace kistvar
