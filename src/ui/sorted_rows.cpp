#include "ui/sorted_rows.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <numeric>
#include <optional>

#include "ui/title_order.h"

namespace kistvar::ui {

namespace {

std::optional<long long> number_in(const std::string& cell) {
    long long value = 0;
    const auto [end, error] = std::from_chars(cell.data(), cell.data() + cell.size(), value);
    if (error != std::errc() || end != cell.data() + cell.size() || cell.empty()) return std::nullopt;
    return value;
}

// A cell as a click on its header orders it, worked out once per cell rather
// than at each of the many comparisons of a sort. Most texts differ in their
// first sixteen bytes, which compare as two numbers, with no look at the
// text itself (scattered over the memory of tens of thousands of rows).
struct SortKey {
    std::uint64_t head[2];  // the first sixteen bytes, the first the highest, zeros past the end
    std::string_view text;
    std::optional<long long> number;

    bool operator<(const SortKey& other) const {
        if (number && other.number) return *number < *other.number;
        if (head[0] != other.head[0]) return head[0] < other.head[0];
        if (head[1] != other.head[1]) return head[1] < other.head[1];
        // The same sixteen bytes, or one text ends in zeros where the other ends.
        if (text.size() <= 16 || other.text.size() <= 16) return text.size() < other.text.size();
        return text.substr(16) < other.text.substr(16);
    }
};

std::uint64_t head_of(std::string_view text, std::size_t from) {
    std::uint64_t head = 0;
    for (std::size_t i = from; i < from + 8; ++i)
        head = head << 8 | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0u);
    return head;
}

const std::string& cell_of(const Row& row, int column) {
    static const std::string none;
    return column >= 0 && static_cast<std::size_t>(column) < row.size() ? row[column] : none;
}

SortKey key_of(const Row& row, int column) {
    const std::string& cell = cell_of(row, column);
    return {{head_of(cell, 0), head_of(cell, 8)}, cell, number_in(cell)};
}

}  // namespace

void SortedRows::show(std::vector<Row> rows, bool keep_order) {
    rows_ = std::move(rows);
    order_.resize(rows_.size());
    std::iota(order_.begin(), order_.end(), 0);
    if (!keep_order) {
        sorted_column_ = -1;
        descending_ = false;
    } else if (sorted_column_ >= 0) {
        std::stable_sort(order_.begin(), order_.end(), [this](int a, int b) { return before(a, b); });
    }
}

void SortedRows::add(std::vector<Row> rows) {
    const std::size_t first = rows_.size();
    rows_.insert(rows_.end(), std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
    order_.resize(rows_.size());
    std::iota(order_.begin() + static_cast<std::ptrdiff_t>(first), order_.end(), static_cast<int>(first));
    if (sorted_column_ < 0) return;
    // The new rows in order among themselves, then merged in; on equal cells
    // the rows shown already come first, as they came first.
    const auto middle = order_.begin() + static_cast<std::ptrdiff_t>(first);
    const auto ordered = [this](int a, int b) { return before(a, b); };
    std::stable_sort(middle, order_.end(), ordered);
    std::inplace_merge(order_.begin(), middle, order_.end(), ordered);
}

void SortedRows::sort_by(int column) {
    descending_ = column == sorted_column_ && !descending_;
    sorted_column_ = column;
    // The keys themselves are sorted, each with its row: they lie side by side.
    struct Keyed {
        SortKey key;
        int row;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(rows_.size());
    for (std::size_t row = 0; row < rows_.size(); ++row)
        keyed.push_back({key_of(rows_[row], column), static_cast<int>(row)});
    std::stable_sort(keyed.begin(), keyed.end(), [this](const Keyed& a, const Keyed& b) {
        return descending_ ? b.key < a.key : a.key < b.key;
    });
    for (std::size_t position = 0; position < keyed.size(); ++position) order_[position] = keyed[position].row;
}

bool SortedRows::before(int a, int b) const {
    const SortKey x = key_of(rows_[a], sorted_column_), y = key_of(rows_[b], sorted_column_);
    return descending_ ? y < x : x < y;
}

int SortedRows::row_at(int position) const {
    return position >= 0 && static_cast<std::size_t>(position) < order_.size() ? order_[position] : -1;
}

int SortedRows::position_of(int row) const {
    const auto found = std::find(order_.begin(), order_.end(), row);
    return found == order_.end() ? -1 : static_cast<int>(found - order_.begin());
}

int SortedRows::find(std::string_view text, int start) const {
    const int count = static_cast<int>(order_.size());
    if (count == 0) return -1;
    start = std::clamp(start, 0, count - 1);
    for (int step = 0; step < count; ++step) {
        const int position = (start + step) % count;
        if (title_matches(cell_of(shown_at(position), 0), text, false)) return position;
    }
    return -1;
}

std::vector<Row> SortedRows::shown() const {
    std::vector<Row> shown;
    shown.reserve(order_.size());
    for (int row : order_) shown.push_back(rows_[row]);
    return shown;
}

}  // namespace kistvar::ui
