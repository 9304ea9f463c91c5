#include <algorithm>
#include <charconv>
#include <numeric>
#include <optional>

#include "ui/contents_window.h"

namespace kistvar::ui {

namespace {

std::optional<long long> number_in(const std::string& cell) {
    long long value = 0;
    const auto [end, error] = std::from_chars(cell.data(), cell.data() + cell.size(), value);
    if (error != std::errc() || end != cell.data() + cell.size() || cell.empty()) return std::nullopt;
    return value;
}

bool cell_before(const std::string& a, const std::string& b) {
    const auto x = number_in(a), y = number_in(b);
    if (x && y) return *x < *y;
    return a < b;
}

std::vector<int> row_order(const std::vector<Row>& rows, int column, bool descending) {
    std::vector<int> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    auto cell = [&](int row) -> const std::string& {
        static const std::string none;
        return column >= 0 && static_cast<std::size_t>(column) < rows[row].size() ? rows[row][column] : none;
    };
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return descending ? cell_before(cell(b), cell(a)) : cell_before(cell(a), cell(b));
    });
    return order;
}

}  // namespace

void SortedRows::show(std::vector<Row> rows) {
    rows_ = std::move(rows);
    order_.resize(rows_.size());
    std::iota(order_.begin(), order_.end(), 0);
    sorted_column_ = -1;
}

void SortedRows::sort_by(int column) {
    descending_ = column == sorted_column_ && !descending_;
    sorted_column_ = column;
    order_ = row_order(rows_, column, descending_);
}

int SortedRows::row_at(int position) const {
    return position >= 0 && static_cast<std::size_t>(position) < order_.size() ? order_[position] : -1;
}

std::vector<Row> SortedRows::shown() const {
    std::vector<Row> shown;
    for (int row : order_) shown.push_back(rows_[row]);
    return shown;
}

}  // namespace kistvar::ui
