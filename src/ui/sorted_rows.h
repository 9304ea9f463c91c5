// The rows a contents window shows, in the order its headers chose. A click
// on a header orders the rows by that column (numbers by value, other cells
// as text, an empty cell first, equal rows kept in their order); a second
// click on the same header turns the order round. The rows stay where they
// were given; only the order of their numbers changes, so ordering tens of
// thousands of finds moves no text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kistvar::ui {

using Row = std::vector<std::string>;

class SortedRows {
public:
    // The rows as given. With `keep_order`, in the order the last header
    // click chose (as given when none was chosen); otherwise no header is chosen.
    void show(std::vector<Row> rows, bool keep_order = false);
    // More rows, each at its place in the order shown.
    void add(std::vector<Row> rows);
    void clear() { show({}); }
    void sort_by(int column);
    bool ordered() const { return sorted_column_ >= 0; }  // by a header

    std::size_t size() const { return order_.size(); }
    const Row& shown_at(std::size_t position) const { return rows_[order_[position]]; }
    // The row's index among all rows given, or -1 for a position past the end.
    int row_at(int position) const;
    // Where the row shows now, or -1.
    int position_of(int row) const;
    // The first position from `start` on, going round past the end, whose
    // first cell begins with the text (letter case ignored, as the box lists
    // find); -1 when none does.
    int find(std::string_view text, int start) const;
    std::vector<Row> shown() const;

private:
    bool before(int a, int b) const;

    std::vector<Row> rows_;
    std::vector<int> order_;  // shown position -> row
    int sorted_column_ = -1;
    bool descending_ = false;
};

}  // namespace kistvar::ui
