#include "contents/window_views.h"

#include <array>
#include <string>
#include <vector>

#include "contents/box_sources.h"
#include "contents/contents_texts.h"
#include "contents/grid_views.h"
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

// The place texts ("装备 12") of one step's rows, each made once: thousands
// of rows share a few dozen places, and making a text costs more than the
// rest of a row.
class PlaceTexts {
public:
    const std::string& of(const stash::Item& item) {
        const auto tab = static_cast<std::size_t>(item.tab);
        const auto place = static_cast<std::size_t>(item.place);
        if (tab >= made_.size() || place >= made_[tab].size()) return none_;
        if (!made_[tab][place]) {
            texts_[tab][place] = place_text(item);
            made_[tab][place] = true;
        }
        return texts_[tab][place];
    }

private:
    static constexpr std::size_t tabs = 3, places = 41;  // a place is 1..40, or 0 when unknown
    std::array<std::array<std::string, places>, tabs> texts_;
    std::array<std::array<bool, places>, tabs> made_{};
    std::string none_;
};

ui::Row item_row(const stash::Item& item, PlaceTexts& places) {
    return {item.name, std::to_string(item.stack), std::to_string(item.level), places.of(item)};
}

ui::Row found_row(const ItemSearch& search, const FoundItem& found, PlaceTexts& places) {
    const stash::Item& item = search.item(found);
    return {search.boxes()[found.box].title, item.name, std::to_string(item.stack), std::to_string(item.level),
            places.of(item)};
}

// The box's summary and cells, and no rows yet; a box still being read waits
// for the steps.
void show_box(App& app, bool new_box = false) {
    WindowState& shown = app.state.contents_window;
    ui::ContentsWindow& window = *app.w.箱子内容;
    shown.rows_made = 0;
    show_grid(app, ui::GridSide::left, new_box);
    window.show_rows(columns(false), {});
    if (!shown.left.box) {
        window.set_summary("");
    } else if (!shown.left.contents) {
        window.set_summary(box_reading_summary(shown.left.box->title));
        window.request_step();
    } else {
        window.set_summary(box_summary(shown.left.box->title, *shown.left.contents));
    }
}

// The box and its first rows at once; the rest at the next steps.
void show_box_and_rows(App& app, StepBudget& budget, bool new_box = false) {
    show_box(app, new_box);
    if (!make_rows(app, budget)) app.w.箱子内容->request_step();
}

}  // namespace

void show_selected_box(App& app) {
    StepBudget budget;
    show_selected_box(app, budget);
}

void show_selected_box(App& app, StepBudget& budget) {
    const std::optional<BoxSource> was = app.state.contents_window.left.box;
    look_at(app, ui::GridSide::left, selected_box(app));
    show_box_and_rows(app, budget, app.state.contents_window.left.box != was);
}

void show_box_if_read(App& app) {
    WindowState& shown = app.state.contents_window;
    if (!shown.left.box || shown.left.contents) return;
    shown.left.contents = shown.reads.contents_of(app.state.contents, shown.left.box->path);
    if (shown.left.contents) show_box(app);
}

void show_again(App& app) {
    WindowState& shown = app.state.contents_window;
    show_box_choices(app);
    show_grid(app, ui::GridSide::left, false);
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
                              : shown.left.contents ? shown.left.contents->items.size()
                                                   : 0;
    std::vector<ui::Row> rows;
    PlaceTexts places;
    for (; shown.rows_made < count && budget.fits(StepBudget::rows_made, 1); ++shown.rows_made) {
        budget.spend(StepBudget::rows_made, 1);
        rows.push_back(shown.search ? found_row(*shown.search, shown.search->found()[shown.rows_made], places)
                                    : item_row(shown.left.contents->items[shown.rows_made], places));
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
