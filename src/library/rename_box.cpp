// Renaming a box in place: the menu item starts the edit, the end of the edit
// renames the file. The list keeps the typed title only when the file (or,
// for the box in use, the marker) really took it.
#include <string>

#include "library/box_editing.h"
#include "library/box_paths.h"
#include "library/box_titles.h"
#include "library/item_pictures.h"
#include "library/messages.h"
#include "platform/files.h"
#include "settings/settings_procedures.h"

namespace kistvar {

namespace {

bool refuse(const App& app, const std::string& old_title, const std::string& reason = {}) {
    messages::show_unless_quiet(app, messages::rename_failed(old_title, reason));
    return false;
}

// A change of letter case alone goes through a name of its own: Wine takes
// the new name for the file itself, reports success and keeps the old
// spelling on disk. The step name still ends in ".bin", so a box stranded
// there by a failure is listed, not hidden.
bool change_letter_case(const App& app, const std::string& old_title, const std::string& old_file,
                        const std::string& new_file) {
    const std::string step = new_file.substr(0, new_file.size() - 4) + ".kistvar-case.bin";
    if (rename_file(old_file, step)) {
        if (rename_file(step, new_file)) return true;
        rename_file(step, old_file);
    }
    if (!file_exists(old_file)) return refuse(app, old_title, messages::box_file_missing_reason());
    return refuse(app, old_title);
}

// Renames one box file; never over another file. The reason of a failure is
// told after the fact, so that a change of letter case alone stays possible.
bool rename_box_file(const App& app, const std::string& old_title, const std::string& old_file,
                     const std::string& new_title, const std::string& new_file) {
    if (same_title(old_title, new_title)) return change_letter_case(app, old_title, old_file, new_file);
    if (rename_file(old_file, new_file)) return true;
    if (file_exists(new_file)) return refuse(app, old_title, messages::title_taken_reason(new_title));
    if (!file_exists(old_file)) return refuse(app, old_title, messages::box_file_missing_reason());
    return refuse(app, old_title);
}

// The box in use has no file of its own (it is the stash file): only its title
// changes, and the next swap puts it back into MYBOX under the new one.
bool rename_box_in_use(App& app, const std::string& old_title, const std::string& new_title) {
    if (new_title != old_title) {
        if (is_reserved_title(new_title)) return refuse(app, old_title, messages::reserved_title_reason());
        if (file_exists(my_box_file(app, new_title)))
            return refuse(app, old_title, messages::title_taken_reason(new_title));
    }
    app.state.paths[in_use_marker] = new_title;
    write_in_use_marker(app, new_title);
    show_in_use_marker(app);
    return true;
}

bool rename_ordinary_my_box(App& app, const std::string& old_title, const std::string& new_title) {
    if (is_reserved_title(new_title)) return refuse(app, old_title, messages::reserved_title_reason());
    const std::string& marker = app.state.paths[in_use_marker];
    if (marker != other_box_marker && same_title(marker, new_title))
        return refuse(app, old_title, messages::in_use_title_reason(new_title));
    return rename_box_file(app, old_title, my_box_file(app, old_title), new_title,
                           my_box_file(app, new_title));
}

}  // namespace

void start_renaming(App& app) {
    ui::ListView* list = app.state.current_list;
    if (list == nullptr) return;
    int item = list->selected_item();
    if (item != -1) list->edit_title(item);
}

bool my_box_label_edited(App& app, int item_index) {
    const ui::ListView& list = *app.w.超级列表框我的箱子;
    const std::string old_title = list.get_item_title(item_index);
    const std::string new_title = list.edited_title();
    const bool in_use = shows_in_use(list, item_index);

    if (new_title != old_title)
        if (std::string problem = box_name_problem(new_title); !problem.empty())
            return refuse(app, old_title, problem);
    if (in_use) return rename_box_in_use(app, old_title, new_title);
    if (new_title == old_title) return true;  // a cancelled edit
    return rename_ordinary_my_box(app, old_title, new_title);
}

bool saved_box_label_edited(App& app, int item_index) {
    const ui::ListView& list = *app.w.超级列表框保存箱子;
    const std::string old_title = list.get_item_title(item_index);
    const std::string new_title = list.edited_title();
    if (new_title == old_title) return true;  // a cancelled edit
    if (std::string problem = box_name_problem(new_title); !problem.empty())
        return refuse(app, old_title, problem);
    return rename_box_file(app, old_title, saved_box_file(app, old_title), new_title,
                           saved_box_file(app, new_title));
}

}  // namespace kistvar
