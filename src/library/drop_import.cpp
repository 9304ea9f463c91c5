#include "library/drop_import.h"

#include <string>

#include "contents/contents_window.h"
#include "library/messages.h"
#include "library/safety_messages.h"
#include "library/stash_questions.h"
#include "store/box_titles.h"
#include "store/drop_import.h"
#include "ui/item_pictures.h"

namespace kistvar {

namespace {

// The row of the box a drop replaced: the file keeps its name, so the row
// stays as it is. -1 when the list has none (the file came meanwhile).
int row_of_replaced_box(const ui::ListView& list, std::string_view title) {
    for (int item = 0; item < list.item_count(); ++item)
        if (store::same_title(list.get_item_title(item), title)) return item;
    return -1;
}

void import_box(App& app, ui::ListView& list, bool into_my_boxes, const std::string& dropped_files_text) {
    const store::Places places = app.state.places();
    const store::Drop drop = store::read_drop(places, into_my_boxes, dropped_files_text);
    switch (drop.result) {
        case store::DropResult::not_one_box:
            messages::show_unless_quiet(app, messages::drop_not_single_box());
            return;
        case store::DropResult::refused:
            messages::show_unless_quiet(app, messages::drop_failed(drop.title, drop.reason));
            return;
        case store::DropResult::in_place: return;
        case store::DropResult::importable: break;
    }
    if (!dropped_file_may_go_in(drop.source, drop.file_name)) return;
    const bool replacing = store::destination_taken(drop);
    if (replacing && messages::show(messages::drop_replace_question()) != result_ok) return;

    const store::Outcome outcome = store::import_box(places, drop, replacing);
    if (outcome.result == store::Result::backup_failed) {
        messages::show(messages::backup_failed(outcome.backup));
        return;
    }
    if (!outcome.done()) {
        messages::show_unless_quiet(app, messages::drop_failed(drop.title));
        return;
    }
    int row = replacing ? row_of_replaced_box(list, drop.title) : -1;
    if (row == -1) row = list.insert_item(-1, drop.title, ordinary_picture);
    contents::follow_lists(app);
    list.set_selected_item(row);
    list.ensure_visible(list.selected_item());
}

}  // namespace

void import_into_my_boxes(App& app, const std::string& dropped_files_text) {
    import_box(app, *app.w.超级列表框我的箱子, true, dropped_files_text);
}

void import_into_saved_boxes(App& app, const std::string& dropped_files_text) {
    import_box(app, *app.w.超级列表框保存箱子, false, dropped_files_text);
}

}  // namespace kistvar
