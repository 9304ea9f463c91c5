// The items of one box list in display order, kept by us rather than by the
// list control, and the same on both backends. A sorted insert finds its place
// by binary search: the real control's own sorted insert scans every item
// (under Wine), which is quadratic for a library of thousands. The control
// only shows this model; titles compare by the control's rule (title_order.h).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "ui/controls.h"

namespace kistvar::ui {

class SortedTitles {
public:
    struct Item {
        std::string title;
        int picture;
    };

    void set_order(ListView::SortOrder order) { order_ = order; }
    // Unsorted: at `position`, appended when it is negative or past the end.
    // Sorted: at the title's place, before any equal titles. Returns the index.
    // A picture below -1 is no picture (0), as the control reports it.
    int insert(int position, std::string_view title, int picture);
    void erase(int index);  // an index that names no item: nothing
    void clear();

    int size() const { return static_cast<int>(shown_.size()); }
    bool contains(int index) const { return index >= 0 && index < size(); }
    const Item& at(int index) const { return items_[shown_[static_cast<std::size_t>(index)]]; }
    Item& at(int index) { return items_[shown_[static_cast<std::size_t>(index)]]; }
    // What the control answers for an index that names no item: "" and 0.
    std::string title(int index) const { return contains(index) ? at(index).title : std::string(); }
    int picture(int index) const { return contains(index) ? at(index).picture : 0; }
    // False, and nothing changes, for an index that names no item or a
    // picture below -1 (left out of the change).
    bool set_picture(int index, int picture);
    // The first item from `start` (negative counts as 0) to the end that
    // title_matches the text, or -1.
    int find(std::string_view text, int start, bool whole_title) const;

private:
    int sorted_position(std::string_view title) const;

    // Items stay where they were stored; the display order holds their
    // places. A sorted insert then shifts plain numbers rather than titles:
    // filling a list of thousands of boxes in the file system's order would
    // otherwise move every title after the new one, once per box.
    std::vector<Item> items_;
    std::vector<std::size_t> shown_;
    ListView::SortOrder order_ = ListView::ascending;
};

}  // namespace kistvar::ui
