#include "ui/sorted_titles.h"

#include <algorithm>

#include "ui/title_order.h"

namespace kistvar::ui {

int SortedTitles::sorted_position(std::string_view title) const {
    const bool ascending = order_ == ListView::ascending;
    auto goes_before = [&](std::size_t stored) {
        const int order = compare_titles(items_[stored].title, title);
        return ascending ? order < 0 : order > 0;
    };
    // A folder listed in name order (as Windows' own file systems list it)
    // puts each title last: one comparison instead of a search.
    if (shown_.empty() || goes_before(shown_.back())) return size();
    return static_cast<int>(std::partition_point(shown_.begin(), shown_.end(), goes_before) - shown_.begin());
}

int SortedTitles::insert(int position, std::string_view title, int picture) {
    int index = size();
    if (order_ != ListView::unsorted)
        index = sorted_position(title);
    else if (position >= 0 && position < size())
        index = position;
    constexpr int no_picture = 0;
    items_.push_back(Item{std::string(title), picture < -1 ? no_picture : picture});
    shown_.insert(shown_.begin() + index, items_.size() - 1);
    return index;
}

void SortedTitles::erase(int index) {
    if (!contains(index)) return;
    const std::size_t stored = shown_[static_cast<std::size_t>(index)];
    shown_.erase(shown_.begin() + index);
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(stored));
    for (std::size_t& place : shown_)
        if (place > stored) --place;
}

bool SortedTitles::set_picture(int index, int picture) {
    if (!contains(index) || picture < -1) return false;
    at(index).picture = picture;
    return true;
}

void SortedTitles::clear() {
    items_.clear();
    shown_.clear();
}

int SortedTitles::find(std::string_view text, int start, bool whole_title) const {
    for (int index = std::max(start, 0); index < size(); ++index)
        if (title_matches(at(index).title, text, whole_title)) return index;
    return -1;
}

}  // namespace kistvar::ui
