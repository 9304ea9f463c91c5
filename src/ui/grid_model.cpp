#include "ui/grid_model.h"

#include <algorithm>

namespace kistvar::ui {

namespace {

int row_of(int place) { return (place - 1) / grid_columns; }
int column_of(int place) { return (place - 1) % grid_columns; }
int place_at(int row, int column) { return row * grid_columns + column + 1; }

}  // namespace

const GridCell& GridModel::cell(GridPlace at) const {
    static const GridCell none;
    if (at.tab < 0 || at.tab >= grid_tabs || at.place < 1 || at.place > grid_places) return none;
    return cells_[static_cast<std::size_t>(at.tab)][static_cast<std::size_t>(at.place - 1)];
}

void GridModel::set_shown_tab(int tab) { tab_ = std::clamp(tab, 0, grid_tabs - 1); }

void GridModel::set_focused_place(int place) { focused_ = std::clamp(place, 1, grid_places); }

void GridModel::set_highlighted(std::optional<GridPlace> at) {
    if (at && (at->tab < 0 || at->tab >= grid_tabs || at->place < 1 || at->place > grid_places)) at.reset();
    highlighted_ = at;
    if (at) tab_ = at->tab;
}

GridAction GridModel::press(GridKey key) {
    const int row = row_of(focused_), column = column_of(focused_);
    switch (key) {
    case GridKey::left: focused_ = place_at(row, std::max(column - 1, 0)); break;
    case GridKey::right: focused_ = place_at(row, std::min(column + 1, grid_columns - 1)); break;
    case GridKey::up: focused_ = place_at(std::max(row - 1, 0), column); break;
    case GridKey::down: focused_ = place_at(std::min(row + 1, grid_rows - 1), column); break;
    case GridKey::row_start: focused_ = place_at(row, 0); break;
    case GridKey::row_end: focused_ = place_at(row, grid_columns - 1); break;
    case GridKey::first: focused_ = 1; break;
    case GridKey::last: focused_ = grid_places; break;
    case GridKey::next_tab: tab_ = (tab_ + 1) % grid_tabs; break;
    case GridKey::previous_tab: tab_ = (tab_ + grid_tabs - 1) % grid_tabs; break;
    case GridKey::enter: return focused_cell().occupied ? GridAction::move_across : GridAction::none;
    case GridKey::undo: return undo_offered_ ? GridAction::undo : GridAction::none;
    case GridKey::menu: return GridAction::open_menu;
    }
    return GridAction::none;
}

GridMenu GridModel::menu() const {
    return {{{GridAction::move_across, language::Text::menu_move_across, !focused_cell().occupied},
             {GridAction::undo, language::Text::menu_undo_move, !undo_offered_}}};
}

bool drop_allowed(StashGrid& target, const GridDrop& drop) {
    if (target.disabled() || !target.on_drop_allowed) return false;
    if (drop.source == &target && drop.from == drop.to) return false;
    return target.on_drop_allowed(drop);
}

void perform(StashGrid& grid, GridAction action, GridPlace at) {
    if (action == GridAction::move_across && grid.on_move_across) grid.on_move_across(at);
    if (action == GridAction::undo && grid.on_undo) grid.on_undo();
}

}  // namespace kistvar::ui
