#include "platform/headless/stash_grid.h"

namespace kistvar::headless {

void StashGrid::set_focus() {
    if (window().move_focus_to(*this)) model_.focus_arrived();
}

std::optional<ui::GridMenu> StashGrid::press(ui::GridKey key, std::optional<ui::GridAction> choice) {
    if (disabled() || !has_focus()) return std::nullopt;
    const ui::GridAction action = model_.press(key);
    if (action == ui::GridAction::open_menu) return open_menu(choice);
    ui::perform(*this, action, {model_.shown_tab(), model_.focused_place()});
    return std::nullopt;
}

void StashGrid::button_down(int place) {
    if (disabled()) return;
    set_focus();
    model_.set_focused_place(place);
}

void StashGrid::click_tab(int tab) {
    if (disabled()) return;
    set_focus();
    model_.set_shown_tab(tab);
}

std::optional<ui::GridMenu> StashGrid::right_click(int place, std::optional<ui::GridAction> choice) {
    if (disabled()) return std::nullopt;
    button_down(place);
    return open_menu(choice);
}

ui::GridMenu StashGrid::open_menu(std::optional<ui::GridAction> choice) {
    const ui::GridMenu menu = model_.menu();
    for (const ui::GridMenuEntry& entry : menu)
        if (choice == entry.action && !entry.disabled)
            ui::perform(*this, entry.action, {model_.shown_tab(), model_.focused_place()});
    return menu;
}

std::optional<bool> StashGrid::drag(int place, StashGrid& target, int target_place) {
    button_down(place);
    if (disabled() || !model_.can_drag_focused()) return std::nullopt;
    const ui::GridPlace from{model_.shown_tab(), model_.focused_place()};
    if (on_drag_started) on_drag_started(from);
    const ui::GridDrop drop{this, from, {target.shown_tab(), target_place}};
    const bool allowed = ui::drop_allowed(target, drop);
    if (allowed && target.on_dropped) target.on_dropped(drop);
    return allowed;
}

}  // namespace kistvar::headless
