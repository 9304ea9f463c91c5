#include "library/status_bar.h"

#include <string>

#include "language/language.h"

namespace kistvar {

namespace {
constexpr int in_use_status_part = 1;  // the part after the caption "当前使用箱子："
}

void show_in_use_marker(App& app) {
    const std::string& marker = app.state.paths[in_use_marker];
    app.w.状态条1->set_status_text(in_use_status_part,
                                   marker == other_box_marker
                                       ? std::string(language::text(language::Text::status_other_box_marker))
                                       : marker);
}

void show_swapped_in(App& app, std::string_view title, bool my_box) {
    using language::Text;
    app.w.状态条1->set_status_text(
        in_use_status_part,
        language::text(my_box ? Text::status_my_box : Text::status_copy_of_saved_box, {{"title", title}}));
}

}  // namespace kistvar
