#include <optional>
#include <string>

#include "contents/contents_window.h"
#include "library/box_editing.h"
#include "library/messages.h"
#include "platform/dialogs.h"
#include "store/box_editing.h"
#include "store/box_titles.h"
#include "ui/item_pictures.h"

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
        if (std::string problem = store::box_name_problem(name); !problem.empty()) {
            // The user is typing: the reason is shown even in quiet mode.
            messages::show(messages::save_as_name_refused(name, problem));
            continue;
        }
        if (!store::saved_box_exists(app.state.places(), name)) return name;
    }
}

// The box the item shows; for the box in use its file is the stash.
store::BoxKind kind_of(const App& app, const ui::ListView& list, int item) {
    if (!app.is_my_list(&list)) return store::BoxKind::saved;
    return shows_in_use(list, item) ? store::BoxKind::in_use : store::BoxKind::mine;
}

}  // namespace

void save_as(App& app) {
    ui::ListView* list = app.state.current_list;
    if (list == nullptr || list->selected_item() == -1) return;
    const int item = list->selected_item();

    std::optional<std::string> name = ask_new_name(app, *list, item);
    if (!name) return;

    const store::Outcome outcome =
        store::save_as(app.state.places(), kind_of(app, *list, item), list->get_item_title(item), *name);
    if (!outcome.done()) {
        messages::show_unless_quiet(app, messages::save_as_failed(*name));
        return;
    }
    ui::ListView& saved = *app.w.超级列表框保存箱子;
    int added = saved.insert_item(-1, *name, ordinary_picture);
    contents::follow_lists(app);
    saved.set_selected_item(added);
    saved.ensure_visible(added);
}

}  // namespace kistvar
