// Renaming a box in place: the menu item starts the edit, the end of the edit
// renames the file. The list keeps the typed title only when the file (or,
// for the box in use, the marker) really took it.
#include <string>

#include "contents/contents_window.h"
#include "library/box_editing.h"
#include "library/messages.h"
#include "library/status_bar.h"
#include "store/box_editing.h"
#include "ui/item_pictures.h"

namespace kistvar {

namespace {

// Whether the disk took the new title; why not is said unless quiet. False
// keeps the old title in the list.
bool renamed(App& app, const store::Outcome& outcome, const std::string& old_title) {
    if (outcome.done()) {
        contents::follow_lists(app);  // by its next step the list shows the new title
        return true;
    }
    messages::show_unless_quiet(app, messages::rename_failed(old_title, outcome.reason));
    return false;
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
    if (!shows_in_use(list, item_index))
        return renamed(app, store::rename_my_box(app.state.places(), old_title, new_title), old_title);

    const store::Outcome outcome = store::rename_box_in_use(app.state.places(), old_title, new_title);
    if (outcome.done()) {
        app.state.paths[in_use_marker] = outcome.title;
        show_in_use_marker(app);
    }
    return renamed(app, outcome, old_title);
}

bool saved_box_label_edited(App& app, int item_index) {
    const ui::ListView& list = *app.w.超级列表框保存箱子;
    const std::string old_title = list.get_item_title(item_index);
    return renamed(app, store::rename_saved_box(app.state.places(), old_title, list.edited_title()), old_title);
}

}  // namespace kistvar
