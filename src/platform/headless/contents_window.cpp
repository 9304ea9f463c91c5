#include "platform/headless/contents_window.h"

#include "platform/headless/window_context.h"

namespace kistvar::headless {

void ContentsWindow::open() {
    if (open_) return;
    open_ = true;
    left_ = std::make_unique<StashGrid>(grids_window_, -1);
    right_ = std::make_unique<StashGrid>(grids_window_, -1);
    wire_grid(*left_, ui::GridSide::left);
    wire_grid(*right_, ui::GridSide::right);
}

// A closed window keeps nothing, as a destroyed one; a step asked for still
// runs, as the real one's timer belongs to the main window.
void ContentsWindow::close() {
    open_ = search_focused_ = false;
    grids_window_.focused = nullptr;
    left_.reset();
    right_.reset();
    left_title_.clear();
    choices_.clear();
    chosen_ = -1;
    search_.clear();
    summary_.clear();
    columns_.clear();
    rows_.clear();
}

void ContentsWindow::set_search_text(std::string_view text) {
    if (!open_) return;
    search_ = text;
    fire(on_search_changed);
}

void ContentsWindow::set_summary(std::string_view text) {
    if (open_) summary_ = text;
}

void ContentsWindow::show_rows(const std::vector<std::string>& columns, std::vector<ui::Row> rows) {
    if (!open_) return;
    const bool same_columns = columns == columns_;
    columns_ = columns;
    rows_.show(std::move(rows), same_columns);
}

void ContentsWindow::add_rows(std::vector<ui::Row> rows) {
    if (open_) rows_.add(std::move(rows));
}

std::vector<ui::Row> ContentsWindow::shown_rows() const { return rows_.shown(); }

bool ContentsWindow::run_one_step() {
    if (!step_waiting_) return false;
    step_waiting_ = false;
    fire(on_step);
    return true;
}

void ContentsWindow::run_waiting_steps() {
    while (run_one_step()) {
    }
}

void ContentsWindow::show_box_choices(const std::vector<std::string>& choices, int chosen) {
    if (!open_) return;
    choices_ = choices;
    chosen_ = chosen >= 0 && static_cast<std::size_t>(chosen) < choices_.size() ? chosen : -1;
}

void ContentsWindow::choose_box(int choice) {
    if (!open_ || choice < 0 || static_cast<std::size_t>(choice) >= choices_.size()) return;
    chosen_ = choice;
    if (on_box_chosen) on_box_chosen(choice);
}

void ContentsWindow::click_column(int column) { rows_.sort_by(column); }

void ContentsWindow::double_click_row(int position) {
    if (const int row = rows_.row_at(position); row >= 0 && on_row_double_clicked) on_row_double_clicked(row);
}

}  // namespace kistvar::headless
