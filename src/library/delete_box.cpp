#include <string>

#include "library/backups.h"
#include "library/box_editing.h"
#include "library/box_lists.h"
#include "library/box_paths.h"
#include "library/item_pictures.h"
#include "library/messages.h"
#include "platform/dialogs.h"
#include "platform/files.h"

namespace kistvar {

void delete_box(App& app) {
    ui::ListView* list = app.state.current_list;
    if (list == nullptr) return;
    const int item = list->selected_item();
    // The box in the stash slot is never deleted.
    if (item == -1 || shows_in_use(*list, item)) return;

    const std::string title = list->get_item_title(item);
    if (messages::show(messages::delete_question(title)) != result_ok) return;

    std::string file = is_my_list(app, list) ? my_box_file(app, title) : saved_box_file(app, title);
    if (!delete_box_file(app, file, title)) {
        messages::show_unless_quiet(app, messages::delete_failed(title));
        return;
    }
    list->delete_item(item);
    messages::show_unless_quiet(app, messages::delete_succeeded(title));
}

}  // namespace kistvar
