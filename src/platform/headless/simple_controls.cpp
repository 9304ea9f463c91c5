#include "platform/headless/simple_controls.h"

#include <algorithm>

#include "platform/headless/script_state.h"

namespace kistvar::headless {

void ComboBox::set_current_index(int index) {
    // Past the end selects the last item; anything below 0 clears the selection.
    current_ = index < 0 ? -1 : std::min(index, item_count() - 1);
}

int ComboBox::item_value(int index) const {
    if (index < 0 || index >= item_count()) return -1;
    return items_[static_cast<std::size_t>(index)].value;
}

void TabControl::set_current_page(int page) {
    if (page < 0 || page >= page_count_) return;
    window().current_page = page;
}

std::string StatusBar::status_text(int part) const {
    if (part < 0 || part >= static_cast<int>(std::size(parts_))) return "";
    return parts_[part];
}

void StatusBar::set_status_text(int part, std::string_view text) {
    if (part < 0 || part >= static_cast<int>(std::size(parts_))) return;
    parts_[part] = text;
}

void Menu::popup() {
    script::record({Shown::Kind::popup_menu, name_, ""});
    ui::MenuItem* chosen = script::next_popup_answer();
    const bool in_this_menu = std::find(items_.begin(), items_.end(), chosen) != items_.end();
    // A greyed item cannot be picked: the menu just closes.
    if (chosen && in_this_menu && !chosen->disabled()) window_.chosen_menu_item = chosen;
}

bool DropTarget::register_on(std::intptr_t window_handle) {
    if (registered_ || !window_.owns(window_handle) || window_.drop_targets.contains(window_handle))
        return false;
    window_.drop_targets[window_handle] = this;
    registered_ = true;
    return true;
}

}  // namespace kistvar::headless
