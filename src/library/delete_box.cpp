#include <string>

#include "contents/contents_window.h"
#include "library/box_editing.h"
#include "library/messages.h"
#include "library/safety_messages.h"
#include "store/box_editing.h"
#include "ui/item_pictures.h"

namespace kistvar {

void delete_box(App& app) {
    ui::ListView* list = app.state.current_list;
    if (list == nullptr) return;
    const int item = list->selected_item();
    // The box in the stash slot is never deleted.
    if (item == -1 || shows_in_use(*list, item)) return;

    const std::string title = list->get_item_title(item);
    if (messages::show(messages::delete_question(title)) != result_ok) return;

    const store::BoxKind kind = app.is_my_list(list) ? store::BoxKind::mine : store::BoxKind::saved;
    const store::Outcome outcome = store::delete_box(app.state.places(), kind, title);
    if (outcome.result == store::Result::backup_failed) messages::show(messages::backup_failed(outcome.backup));
    if (!outcome.done()) {
        messages::show_unless_quiet(app, messages::delete_failed(title));
        return;
    }
    list->delete_item(item);
    contents::follow_lists(app);
    messages::show_unless_quiet(app, messages::delete_succeeded(title));
}

}  // namespace kistvar
