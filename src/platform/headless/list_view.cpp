#include "platform/headless/list_view.h"

#include <algorithm>

namespace kistvar::headless {

void ListView::set_view_style(int style) {
    view_style_ = std::clamp(style, static_cast<int>(large_icons), static_cast<int>(report));
    rebuild();
}

void ListView::set_sort_order(int order) {
    sort_order_ = std::clamp(order, static_cast<int>(unsorted), static_cast<int>(descending));
    items_.set_order(static_cast<SortOrder>(sort_order_));
    rebuild();
}

// The real control destroys its window and makes a new one from the stored
// settings: the items are gone, the handle (and any drop target on it) and
// the keyboard focus stay, and the new window announces that it has the focus.
void ListView::rebuild() {
    items_.clear();
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
    if (items_.contains(index)) select_and_focus(index);
}

void ListView::select_and_focus(int index) {
    selected_ = index;
    const bool gains_focus_mark = focused_ != index;
    focused_ = index;
    if (gains_focus_mark) fire(on_current_item_changed);
}

int ListView::insert_item(int position, std::string_view title, int picture) {
    const int index = items_.insert(position, title, picture);
    if (selected_ >= index) ++selected_;
    if (focused_ >= index) ++focused_;
    if (edit_index_ && *edit_index_ >= index) ++*edit_index_;
    return index;
}

void ListView::delete_item(int index) {
    if (!items_.contains(index)) return;
    items_.erase(index);
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
    forget_marks();
}

void ListView::set_focus() {
    if (window().move_focus_to(*this)) fire(on_got_focus);
}

void ListView::edit_title(int index) {
    set_focus();
    if (items_.contains(index)) edit_index_ = index;
}

void ListView::button_down(int index) {
    // A click in the list takes the focus from an open edit, which ends it.
    end_label_edit(std::nullopt);
    set_focus();
    if (items_.contains(index)) {
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
    if (keep && typed && items_.contains(index)) items_.at(index).title = *typed;
    edited_title_.reset();
}

}  // namespace kistvar::headless
