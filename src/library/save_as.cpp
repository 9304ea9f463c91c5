#include <optional>
#include <string>

#include "library/box_copy.h"
#include "library/box_editing.h"
#include "library/box_lists.h"
#include "library/box_paths.h"
#include "library/item_pictures.h"
#include "library/messages.h"
#include "platform/dialogs.h"
#include "platform/files.h"

namespace kistvar {

namespace {

// Asks until the user gives a usable name that no saved box has yet. Cancel,
// or confirming an empty field, ends the operation.
std::optional<std::string> ask_new_name(const App& app, const ui::ListView& list, int item) {
    for (;;) {
        std::string name;
        if (!input_box(messages::save_as_prompt(list.get_item_title(item)), messages::save_as_caption(),
                       "", name) ||
            name.empty())
            return std::nullopt;
        if (std::string problem = box_name_problem(name); !problem.empty()) {
            // The user is typing: the reason is shown even in quiet mode.
            messages::show(messages::save_as_name_refused(name, problem));
            continue;
        }
        if (!file_exists(saved_box_file(app, name))) return name;
    }
}

// The file that holds the selected box; for the box in use that is the stash.
std::string source_file(const App& app, const ui::ListView& list, int item) {
    std::string title = list.get_item_title(item);
    if (!is_my_list(app, &list)) return saved_box_file(app, title);
    return shows_in_use(list, item) ? stash_file(app) : my_box_file(app, title);
}

}  // namespace

void save_as(App& app) {
    ui::ListView* list = app.state.current_list;
    if (list == nullptr || list->selected_item() == -1) return;
    const int item = list->selected_item();

    std::optional<std::string> name = ask_new_name(app, *list, item);
    if (!name) return;

    // A new saved box never replaces one, even one the name check missed.
    if (!copy_to_new_box_file(source_file(app, *list, item), saved_box_file(app, *name))) {
        messages::show_unless_quiet(app, messages::save_as_failed(*name));
        return;
    }
    ui::ListView& saved = *app.w.超级列表框保存箱子;
    int added = saved.insert_item(-1, *name, ordinary_picture);
    saved.set_selected_item(added);
    saved.ensure_visible(added);
}

}  // namespace kistvar
