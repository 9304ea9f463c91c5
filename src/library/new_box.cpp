#include "contents/contents_window.h"
#include "library/box_editing.h"
#include "library/messages.h"
#include "store/box_editing.h"
#include "ui/item_pictures.h"

namespace kistvar {

void new_box(App& app) {
    const store::Outcome outcome = store::new_box(app.state.places());
    if (!outcome.done()) {
        messages::show_unless_quiet(app, messages::new_box_failed());
        return;
    }
    ui::ListView& list = *app.w.超级列表框我的箱子;
    int added = list.insert_item(-1, outcome.title, ordinary_picture);
    contents::follow_lists(app);
    list.set_selected_item(added);
    list.ensure_visible(added);
    messages::show_unless_quiet(app, messages::new_box_created());
}

}  // namespace kistvar
