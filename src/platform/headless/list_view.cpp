#include "platform/headless/list_view.h"

#include <algorithm>

#include "platform/headless/title_order.h"

namespace kistvar::headless {

void ListView::set_view_style(int style) {
    view_style_ = std::clamp(style, static_cast<int>(large_icons), static_cast<int>(report));
    rebuild();
}

void ListView::set_sort_order(int order) {
    sort_order_ = std::clamp(order, static_cast<int>(unsorted), static_cast<int>(descending));
    rebuild();
}

// The real control destroys its window and makes a new one from the stored
// settings: the items are gone, the handle (and any drop target on it) and
// the keyboard focus stay, and the new window announces that it has the focus.
void ListView::rebuild() {
    items_.clear();
    order_.clear();
    forget_marks();
    if (has_focus()) fire(on_got_focus);
}

void ListView::forget_marks() {
    selected_ = -1;
    focused_ = -1;
    edit_index_.reset();
}

void ListView::set_selected_item(int index) {
    if (index < -1) index = -1;
    if (index == -1) {
        if (selected_ < 0) return;
        if (focused_ == selected_) focused_ = -1;
        selected_ = -1;
        return;
    }
    if (exists(index)) select_and_focus(index);
}

void ListView::select_and_focus(int index) {
    selected_ = index;
    const bool gains_focus_mark = focused_ != index;
    focused_ = index;
    if (gains_focus_mark) fire(on_current_item_changed);
}

int ListView::sorted_position(std::string_view title) const {
    // Binary search; a title equal to some already there goes before them.
    const bool ascending_order = sort_order_ == ascending;
    const auto place = std::partition_point(order_.begin(), order_.end(), [&](std::size_t stored) {
        const int order = compare_titles(items_[stored].title, title);
        return ascending_order ? order < 0 : order > 0;
    });
    return static_cast<int>(place - order_.begin());
}

int ListView::insert_item(int position, std::string_view title, int picture) {
    int index = item_count();
    if (sort_order_ != unsorted)
        index = sorted_position(title);
    else if (position >= 0 && position < item_count())
        index = position;
    constexpr int no_picture = 0;  // what the control reports for an item inserted without one
    items_.push_back(Item{std::string(title), picture < -1 ? no_picture : picture});
    order_.insert(order_.begin() + index, items_.size() - 1);
    if (selected_ >= index) ++selected_;
    if (focused_ >= index) ++focused_;
    if (edit_index_ && *edit_index_ >= index) ++*edit_index_;
    return index;
}

std::string ListView::get_item_title(int index) const {
    return exists(index) ? at(index).title : std::string();
}

int ListView::get_item_picture(int index) const {
    return exists(index) ? at(index).picture : 0;
}

void ListView::set_item_picture(int index, int picture) {
    // Below -1 the picture is left out of the change.
    if (exists(index) && picture >= -1) at(index).picture = picture;
}

int ListView::find_item(std::string_view title, int start, bool whole_title) const {
    for (int index = std::max(start, 0); index < item_count(); ++index)
        if (title_matches(at(index).title, title, whole_title)) return index;
    return -1;
}

void ListView::delete_item(int index) {
    if (!exists(index)) return;
    const std::size_t stored = order_[static_cast<std::size_t>(index)];
    order_.erase(order_.begin() + index);
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(stored));
    for (std::size_t& place : order_)
        if (place > stored) --place;
    if (selected_ == index)
        selected_ = -1;
    else if (selected_ > index)
        --selected_;
    // The focus mark of a deleted item passes silently to the item that takes
    // its place (the last one when it was last), as the real control does.
    if (focused_ > index || focused_ == item_count()) --focused_;
    if (edit_index_ == index)
        edit_index_.reset();
    else if (edit_index_ && *edit_index_ > index)
        --*edit_index_;
}

void ListView::delete_all_items() {
    items_.clear();
    order_.clear();
    forget_marks();
}

void ListView::set_focus() {
    if (window().move_focus_to(*this)) fire(on_got_focus);
}

void ListView::edit_title(int index) {
    set_focus();
    if (exists(index)) edit_index_ = index;
}

void ListView::button_down(int index) {
    // A click in the list takes the focus from an open edit, which ends it.
    end_label_edit(std::nullopt);
    set_focus();
    if (exists(index)) {
        select_and_focus(index);
        return;
    }
    // Empty space takes the selection away; the focus mark stays where it was.
    selected_ = -1;
}

void ListView::end_label_edit(std::optional<std::string> typed) {
    if (!edit_index_) return;
    const int index = *edit_index_;
    edit_index_.reset();
    edited_title_ = typed ? *typed : get_item_title(index);
    const bool keep = on_label_edit_finished ? on_label_edit_finished(index) : true;
    // The procedure may have changed the list; the title goes only to an item still there.
    if (keep && typed && exists(index)) at(index).title = *typed;
    edited_title_.reset();
}

}  // namespace kistvar::headless
