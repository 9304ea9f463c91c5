// The items of one box list, kept in display order by us rather than by the
// list control: Wine's sorted inserts scan every item (quadratic for a large
// library), while this model finds the place by binary search. The control
// only shows the model, as an owner-data list.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kistvar::win32 {

// The control's own comparison of titles: linguistic, letter case ignored;
// titles equal but for case are ordered small before capital.
int compare_titles(std::wstring_view a, std::wstring_view b);
// The find rule: the whole title (or its beginning) equals the text, case ignored.
bool title_matches(std::wstring_view title, std::wstring_view text, bool whole_title);

class ListViewModel {
public:
    struct Item {
        std::wstring title;
        int picture;
    };
    enum Order { unsorted = 0, ascending = 1, descending = 2 };

    void set_order(Order order) { order_ = order; }
    // Unsorted: at `position`, appended when it is negative or past the end.
    // Sorted: at the title's place, before any equal titles. Returns the index.
    int insert(int position, std::wstring title, int picture);
    void erase(int index);
    void clear() { items_.clear(); }

    int size() const { return static_cast<int>(items_.size()); }
    bool contains(int index) const { return index >= 0 && index < size(); }
    const Item& at(int index) const { return items_[static_cast<std::size_t>(index)]; }
    Item& at(int index) { return items_[static_cast<std::size_t>(index)]; }
    // The first matching item from `start` to the end, or -1.
    int find(std::wstring_view text, int start, bool whole_title) const;

private:
    int sorted_position(std::wstring_view title) const;

    std::vector<Item> items_;
    Order order_ = ascending;
};

}  // namespace kistvar::win32
