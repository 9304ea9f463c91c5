// The contents window "箱子内容" as the logic sees it: a search box, a
// one-line summary and a report list of rows. It is made when opened and gone
// when closed; while closed, writes do nothing and reads give empty values.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/controls.h"

namespace kistvar::ui {

using Row = std::vector<std::string>;

class ContentsWindow {
public:
    virtual ~ContentsWindow() = default;

    virtual bool is_open() const = 0;
    // Makes the window, owned by the main window, or brings the open one forward.
    virtual void open() = 0;
    virtual void close() = 0;

    virtual std::string search_text() const = 0;
    virtual void set_search_text(std::string_view text) = 0;  // fires the search changed event
    virtual void focus_search() = 0;
    virtual std::string summary() const = 0;
    virtual void set_summary(std::string_view text) = 0;

    // Replaces the columns and the rows (each row's cells in column order).
    // Clicking a column header orders the rows by it.
    virtual void show_rows(const std::vector<std::string>& columns, const std::vector<Row>& rows) = 0;
    virtual std::vector<std::string> columns() const = 0;
    // The rows in the order they are shown.
    virtual std::vector<Row> shown_rows() const = 0;

    // Runs the step event once from the message loop, after waiting input and painting.
    virtual void request_step() = 0;

    Event on_search_changed;
    Event on_step;
    // The row by its index in the last show_rows, whatever order it is shown in.
    std::function<void(int row)> on_row_double_clicked;
};

// The rows a contents window shows, in the order its headers chose. A click
// on a header orders the rows by that column (numbers by value, other cells
// as text, an empty cell first, equal rows kept in their order); a second
// click on the same header turns the order round.
class SortedRows {
public:
    void show(std::vector<Row> rows);  // in the order given, no header chosen
    void clear() { show({}); }
    void sort_by(int column);
    std::size_t size() const { return order_.size(); }
    const Row& shown_at(std::size_t position) const { return rows_[order_[position]]; }
    // The row's index in the last show(), or -1 for a position past the end.
    int row_at(int position) const;
    std::vector<Row> shown() const;

private:
    std::vector<Row> rows_;
    std::vector<int> order_;  // shown position -> row
    int sorted_column_ = -1;
    bool descending_ = false;
};

}  // namespace kistvar::ui
