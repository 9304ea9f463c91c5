#include "platform/files.h"
#include "store/box_copy.h"
#include "store/box_editing.h"
#include "store/box_titles.h"

namespace kistvar::store {

bool saved_box_exists(const Places& places, std::string_view title) {
    return file_exists(saved_box_file(places, title));
}

Outcome save_as(const Places& places, BoxKind kind, std::string_view title, std::string_view name) {
    const std::string saved_title(name);
    if (std::string problem = box_name_problem(name); !problem.empty())
        return {Result::refused, saved_title, problem, {}};
    // A new saved box never replaces one, even one the name check missed.
    if (!copy_to_new_box_file(box_file(places, kind, title), saved_box_file(places, name)))
        return {Result::failed, saved_title, {}, {}};
    return {Result::done, saved_title, {}, {}};
}

}  // namespace kistvar::store
