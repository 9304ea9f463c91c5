#include "contents/window_views.h"

#include <string>
#include <vector>

#include "contents/box_sources.h"
#include "contents/contents_texts.h"
#include "language/language.h"
#include "ui/layout.h"

namespace kistvar::contents {

namespace {

std::vector<std::string> columns(bool with_box) {
    std::vector<std::string> all;
    if (with_box) all.emplace_back(language::text(ui::layout::box_column));
    for (language::Text column : ui::layout::item_columns) all.emplace_back(language::text(column));
    return all;
}

ui::Row item_row(const stash::Item& item) {
    return {item.name, std::to_string(item.stack), std::to_string(item.level), place_text(item)};
}

ui::Row found_row(const ItemSearch& search, const FoundItem& found) {
    ui::Row row = item_row(search.item(found));
    row.insert(row.begin(), search.boxes()[found.box].title);
    return row;
}

// The box's summary, and no rows yet; a box still being read waits for the steps.
void show_box(App& app) {
    WindowState& shown = app.state.contents_window;
    ui::ContentsWindow& window = *app.w.箱子内容;
    shown.rows_made = 0;
    window.show_rows(columns(false), {});
    if (!shown.box) {
        window.set_summary("");
    } else if (!shown.box_contents) {
        window.set_summary(box_reading_summary(shown.box->title));
        window.request_step();
    } else {
        window.set_summary(box_summary(shown.box->title, *shown.box_contents));
    }
}

// The box and its first rows at once; the rest at the next steps.
void show_box_and_rows(App& app, StepBudget& budget) {
    show_box(app);
    if (!make_rows(app, budget)) app.w.箱子内容->request_step();
}

}  // namespace

void show_selected_box(App& app) {
    StepBudget budget;
    show_selected_box(app, budget);
}

void show_selected_box(App& app, StepBudget& budget) {
    WindowState& shown = app.state.contents_window;
    shown.box = selected_box(app);
    shown.box_contents = shown.box ? shown.reads.contents_of(app.state.contents, shown.box->path) : nullptr;
    show_box_and_rows(app, budget);
}

void show_box_if_read(App& app) {
    WindowState& shown = app.state.contents_window;
    if (!shown.box || shown.box_contents) return;
    shown.box_contents = shown.reads.contents_of(app.state.contents, shown.box->path);
    if (shown.box_contents) show_box(app);
}

void show_again(App& app) {
    WindowState& shown = app.state.contents_window;
    if (!shown.search) {
        StepBudget budget;
        show_box_and_rows(app, budget);
        return;
    }
    shown.rows_made = 0;
    app.w.箱子内容->show_rows(columns(true), {});
    show_search_state(app);
    app.w.箱子内容->request_step();
}

void start_search(App& app, std::string_view text) {
    WindowState& shown = app.state.contents_window;
    shown.search.emplace(all_boxes(app), text);
    shown.rows_made = 0;
    app.w.箱子内容->show_rows(columns(true), {});  // nothing shown before stands among the finds
    show_search_state(app);
    app.w.箱子内容->request_step();
}

bool make_rows(App& app, StepBudget& budget) {
    WindowState& shown = app.state.contents_window;
    const std::size_t count = shown.search ? shown.search->found().size()
                              : shown.box_contents ? shown.box_contents->items.size()
                                                   : 0;
    std::vector<ui::Row> rows;
    for (; shown.rows_made < count && budget.fits(StepBudget::rows_made, 1); ++shown.rows_made) {
        budget.spend(StepBudget::rows_made, 1);
        rows.push_back(shown.search ? found_row(*shown.search, shown.search->found()[shown.rows_made])
                                    : item_row(shown.box_contents->items[shown.rows_made]));
    }
    app.w.箱子内容->add_rows(std::move(rows));
    return shown.rows_made == count;
}

void show_search_state(App& app) {
    const WindowState& shown = app.state.contents_window;
    const ItemSearch& search = *shown.search;
    const bool complete = search.done() && shown.rows_made == search.found().size();
    app.w.箱子内容->set_summary(complete ? search_summary(search.found().size(), search.boxes_with_hits())
                                         : search_progress(search.boxes_done(), search.box_count()));
}

}  // namespace kistvar::contents
