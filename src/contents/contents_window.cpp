#include "contents/contents_window.h"

#include <string>
#include <utility>

#include "contents/box_sources.h"
#include "contents/grid_cells.h"
#include "contents/grid_views.h"
#include "contents/window_views.h"

namespace kistvar::contents {

namespace {

// After a change of the lists: a search whose boxes are not those of the
// lists any more runs again; the box shown is the selected one again.
void check_what_is_shown(App& app, StepBudget& budget) {
    WindowState& shown = app.state.contents_window;
    show_box_choices(app);
    if (!shown.search) {
        show_selected_box(app, budget);
    } else if (all_boxes(app) != shown.search->boxes()) {
        const std::string text = shown.search->text();
        start_search(app, text);
    }
}

// The search's step: boxes read and compared, then rows made of the finds.
bool search_step(App& app, StepBudget& budget) {
    WindowState& shown = app.state.contents_window;
    shown.search->step(app.state.contents, shown.listing, budget);
    const bool all_shown = make_rows(app, budget) && shown.search->done();
    show_search_state(app);
    return all_shown;
}

}  // namespace

void open_contents(App& app) {
    ui::ContentsWindow& window = *app.w.箱子内容;
    if (window.is_open()) {
        window.open();
        return;
    }
    window.open();
    app.state.contents_window.search.reset();
    app.state.contents_window.lists_changed = false;
    app.state.contents_window.right = {};  // the right grid starts on the box in use
    show_box_choices(app);
    show_selected_box(app);
}

void show_in_current_language(App& app) {
    if (app.w.箱子内容->is_open()) show_again(app);
}

void follow_selection(App& app) {
    if (app.w.箱子内容->is_open() && app.w.箱子内容->search_text().empty()) show_selected_box(app);
}

void follow_lists(App& app) {
    if (!app.w.箱子内容->is_open()) return;
    app.state.contents_window.lists_changed = true;
    app.w.箱子内容->request_step();
}

void search_changed(App& app) {
    const std::string text = app.w.箱子内容->search_text();
    if (text.empty()) {
        app.state.contents_window.search.reset();
        show_selected_box(app);
    } else {
        start_search(app, text);
    }
}

void contents_step(App& app) {
    WindowState& shown = app.state.contents_window;
    ui::ContentsWindow& window = *app.w.箱子内容;
    StepBudget budget;
    bool more = !shown.reads.step(app.state.contents, budget);
    if (budget.overdrawn(StepBudget::bytes_read)) {
        more = true;  // a box larger than a step's reading took this one; the rest at the next
    } else if (window.is_open()) {
        if (std::exchange(shown.lists_changed, false)) check_what_is_shown(app, budget);
        more = !right_side_read(app) || more;
        if (shown.search) {
            more = !search_step(app, budget) || more;
        } else {
            show_box_if_read(app);
            more = !make_rows(app, budget) || more;
        }
    }
    if (more) window.request_step();
}

void found_row_double_clicked(App& app, int row) {
    const WindowState& shown = app.state.contents_window;
    if (!shown.search || row < 0 || static_cast<std::size_t>(row) >= shown.rows_made) return;
    const ItemSearch& search = *shown.search;
    // The boxes were searched in list order: my boxes, then saved boxes, then the slot.
    std::size_t box = search.found()[row].box;
    const std::string title = search.boxes()[box].title;
    const stash::Item found = search.item(search.found()[row]);
    for (ui::ListView* list : {app.w.超级列表框我的箱子.get(), app.w.超级列表框保存箱子.get()}) {
        if (box < static_cast<std::size_t>(list->item_count())) {
            const int item = static_cast<int>(box);
            if (list->get_item_title(item) != title) return;  // the lists changed since the search
            list->set_focus();
            list->set_selected_item(item);
            list->ensure_visible(item);
            app.w.箱子内容->set_search_text("");  // shows the box just selected
            ui::StashGrid* left = app.w.箱子内容->grid(ui::GridSide::left);
            if (left && grid_tab(found.tab) && found.place >= 1) left->set_highlighted(grid_place({found.tab, found.place}));
            return;
        }
        box -= list->item_count();
    }
}

}  // namespace kistvar::contents
