#include "contents/contents_window.h"

#include <string>
#include <vector>

#include "contents/box_sources.h"
#include "contents/contents_texts.h"
#include "language/language.h"
#include "ui/layout.h"

namespace kistvar::contents {

namespace {

// Boxes read per step: a step stays short enough that typing never waits long.
constexpr std::size_t files_per_step = 20;

std::vector<std::string> columns(bool with_box) {
    std::vector<std::string> all;
    if (with_box) all.emplace_back(language::text(ui::layout::box_column));
    for (language::Text column : ui::layout::item_columns) all.emplace_back(language::text(column));
    return all;
}

ui::Row item_row(const stash::Item& item) {
    return {item.name, std::to_string(item.stack), std::to_string(item.level), place_text(item)};
}

void show_selected_box(App& app) {
    ui::ContentsWindow& window = *app.w.箱子内容;
    std::vector<ui::Row> rows;
    const std::optional<BoxSource> box = selected_box(app);
    if (!box) {
        window.set_summary("");
    } else {
        const auto contents = app.state.contents.contents_of(box->path);
        for (const stash::Item& item : contents->items) rows.push_back(item_row(item));
        window.set_summary(box_summary(box->title, *contents));
    }
    window.show_rows(columns(false), rows);
}

void show_found_items(App& app) {
    const ItemSearch& search = *app.state.search;
    std::vector<ui::Row> rows;
    for (const FoundItem& found : search.found()) {
        ui::Row row = item_row(found.item);
        row.insert(row.begin(), search.boxes()[found.box].title);
        rows.push_back(std::move(row));
    }
    app.w.箱子内容->show_rows(columns(true), rows);
    app.w.箱子内容->set_summary(search_summary(search.found().size(), search.boxes_with_hits()));
}

}  // namespace

void open_contents(App& app) {
    ui::ContentsWindow& window = *app.w.箱子内容;
    if (window.is_open()) {
        window.open();
        return;
    }
    window.open();
    app.state.search.reset();
    show_selected_box(app);
}

void show_in_current_language(App& app) {
    ui::ContentsWindow& window = *app.w.箱子内容;
    if (!window.is_open()) return;
    if (!app.state.search) {
        show_selected_box(app);
    } else if (app.state.search->done()) {
        show_found_items(app);
    } else {
        window.show_rows(columns(true), {});
        window.set_summary(search_progress(app.state.search->boxes_done(), app.state.search->box_count()));
    }
}

void follow_selection(App& app) {
    if (app.w.箱子内容->is_open() && app.w.箱子内容->search_text().empty()) show_selected_box(app);
}

void search_changed(App& app) {
    ui::ContentsWindow& window = *app.w.箱子内容;
    const std::string text = window.search_text();
    if (text.empty()) {
        app.state.search.reset();
        show_selected_box(app);
        return;
    }
    app.state.search.emplace(all_boxes(app), text);
    window.show_rows(columns(true), {});  // nothing of the box shown before stands among the finds
    window.set_summary(search_progress(0, app.state.search->box_count()));
    window.request_step();
}

void search_step(App& app) {
    if (!app.state.search || app.state.search->done() || !app.w.箱子内容->is_open()) return;
    ItemSearch& search = *app.state.search;
    if (search.step(app.state.contents, files_per_step)) {
        show_found_items(app);
    } else {
        app.w.箱子内容->set_summary(search_progress(search.boxes_done(), search.box_count()));
        app.w.箱子内容->request_step();
    }
}

void found_row_double_clicked(App& app, int row) {
    if (!app.state.search || !app.state.search->done()) return;
    const ItemSearch& search = *app.state.search;
    if (row < 0 || static_cast<std::size_t>(row) >= search.found().size()) return;
    // The boxes were searched in list order: my boxes, then saved boxes, then the slot.
    std::size_t box = search.found()[row].box;
    const std::string title = search.boxes()[box].title;
    for (ui::ListView* list : {app.w.超级列表框我的箱子.get(), app.w.超级列表框保存箱子.get()}) {
        if (box < static_cast<std::size_t>(list->item_count())) {
            const int item = static_cast<int>(box);
            if (list->get_item_title(item) != title) return;  // the lists changed since the search
            list->set_focus();
            list->set_selected_item(item);
            list->ensure_visible(item);
            app.w.箱子内容->set_search_text("");  // shows the box just selected
            return;
        }
        box -= list->item_count();
    }
}

}  // namespace kistvar::contents
