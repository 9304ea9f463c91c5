#include "library/drop_import.h"

#include <string>
#include <string_view>
#include <vector>

#include "library/backups.h"
#include "library/box_copy.h"
#include "library/box_paths.h"
#include "library/box_titles.h"
#include "library/item_pictures.h"
#include "library/messages.h"
#include "library/stash_questions.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/text.h"

namespace kistvar {

namespace {

struct Target {
    std::string folder;
    ui::ListView& list;
    bool my_boxes;
};

// Windows paths: letter case does not tell two files apart.
bool same_path(std::string_view a, std::string_view b) {
    return compare_text(a, b, false) == 0;
}

// Why a dropped box cannot become a my box with this title, or the empty text.
std::string my_box_title_problem(const App& app, std::string_view title) {
    if (is_reserved_title(title)) return messages::reserved_title_reason();
    const std::string& marker = app.state.paths[in_use_marker];
    if (marker != other_box_marker && same_title(marker, title))
        return messages::in_use_title_reason(title);
    return {};
}

void import_box(App& app, const Target& target, const std::string& dropped_files_text) {
    // Several files come as paths each ending in "\r\n", so the last piece of
    // a multi-file drop never ends in ".bin" and the whole drop is refused.
    std::vector<std::string> pieces = split_text(dropped_files_text, "\\");
    std::string name = pieces.empty() ? std::string() : pieces.back();
    if (right_text(name, 4) != ".bin") {
        messages::show_unless_quiet(app, messages::drop_not_single_box());
        return;
    }
    const std::string title = left_text(name, static_cast<long long>(text_length(name)) - 4);
    // "CON.bin" names the console device, not a file: no question about a
    // file to replace, just the reason.
    if (std::string problem = box_name_problem(title); !problem.empty()) {
        messages::show_unless_quiet(app, messages::drop_failed(title, problem));
        return;
    }
    if (target.my_boxes) {
        if (std::string problem = my_box_title_problem(app, title); !problem.empty()) {
            messages::show_unless_quiet(app, messages::drop_failed(title, problem));
            return;
        }
    }

    const std::string destination = target.folder + "\\" + title + ".bin";
    // Dropped where it already lies: the box is in the library already.
    if (same_path(destination, dropped_files_text)) return;
    if (!dropped_file_may_go_in(dropped_files_text, name)) return;
    const bool replacing = file_exists(destination);
    if (replacing && messages::show(messages::drop_replace_question()) != result_ok) return;
    if (replacing && !back_up_box(app, destination, title)) return;
    // Only a replacement the user agreed to may overwrite a file.
    const bool copied = replacing ? copy_file(dropped_files_text, destination)
                                  : copy_to_new_box_file(dropped_files_text, destination);
    if (!copied) {
        messages::show_unless_quiet(app, messages::drop_failed(title));
        return;
    }

    int added = target.list.insert_item(-1, title, ordinary_picture);
    target.list.set_selected_item(added);
    target.list.ensure_visible(target.list.selected_item());
}

}  // namespace

void import_into_my_boxes(App& app, const std::string& dropped_files_text) {
    import_box(app, {my_boxes_folder(app), *app.w.超级列表框我的箱子, true}, dropped_files_text);
}

void import_into_saved_boxes(App& app, const std::string& dropped_files_text) {
    import_box(app, {app.state.paths[box_folder], *app.w.超级列表框保存箱子, false}, dropped_files_text);
}

}  // namespace kistvar
