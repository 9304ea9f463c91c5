#include "platform/headless/contents_window.h"

#include <numeric>

#include "platform/headless/window_context.h"

namespace kistvar::headless {

// A closed window keeps nothing, as a destroyed one.
void ContentsWindow::close() {
    open_ = search_focused_ = step_waiting_ = false;
    search_.clear();
    summary_.clear();
    columns_.clear();
    rows_.clear();
    order_.clear();
    sorted_column_ = -1;
}

void ContentsWindow::set_search_text(std::string_view text) {
    if (!open_) return;
    search_ = text;
    fire(on_search_changed);
}

void ContentsWindow::set_summary(std::string_view text) {
    if (open_) summary_ = text;
}

void ContentsWindow::show_rows(const std::vector<std::string>& columns, const std::vector<ui::Row>& rows) {
    if (!open_) return;
    columns_ = columns;
    rows_ = rows;
    order_.resize(rows_.size());
    std::iota(order_.begin(), order_.end(), 0);
    sorted_column_ = -1;
}

std::vector<ui::Row> ContentsWindow::shown_rows() const {
    std::vector<ui::Row> shown;
    for (int row : order_) shown.push_back(rows_[row]);
    return shown;
}

void ContentsWindow::run_waiting_steps() {
    while (open_ && step_waiting_) {
        step_waiting_ = false;
        fire(on_step);
    }
}

// A second click on the same header turns the order round.
void ContentsWindow::click_column(int column) {
    descending_ = column == sorted_column_ && !descending_;
    sorted_column_ = column;
    order_ = ui::row_order(rows_, column, descending_);
}

void ContentsWindow::double_click_row(int position) {
    if (position >= 0 && static_cast<std::size_t>(position) < order_.size() && on_row_double_clicked)
        on_row_double_clicked(order_[position]);
}

}  // namespace kistvar::headless
