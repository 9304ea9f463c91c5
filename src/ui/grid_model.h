// What a grid keeps and how it answers the keyboard, its menu and a drag:
// one model that both backends' grids hold, so the real grid and the
// in-memory one cannot disagree. A backend turns its input into these calls,
// draws what the model says and fires the events it returns.
#pragma once

#include <array>
#include <optional>

#include "language/text_id.h"
#include "ui/stash_grid.h"

namespace kistvar::ui {

enum class GridKey {
    left, right, up, down,  // the arrows: no further than the tab's edge
    row_start, row_end,     // Home, End
    first, last,            // Ctrl+Home, Ctrl+End
    next_tab, previous_tab, // Ctrl+Tab, Ctrl+Shift+Tab: round the three tabs
    enter, undo,            // Enter, Ctrl+Z
    menu,                   // the menu key, Shift+F10
};

// What a key or a menu choice asks the grid to do beyond moving its focus.
enum class GridAction { none, move_across, undo, open_menu };

// The right-click menu's entries, in order.
struct GridMenuEntry {
    GridAction action;
    language::Text caption;
    bool disabled;
};
using GridMenu = std::array<GridMenuEntry, 2>;

// The cell under the mouse while an item is dragged, and whether it takes the drop.
struct DropHint {
    int place = 0;
    bool allowed = false;
};

class GridModel {
public:
    void show_cells(const GridCells& cells) { cells_ = cells; }
    const GridCell& cell(GridPlace at) const;
    const GridCell& focused_cell() const { return cell({tab_, focused_}); }

    int shown_tab() const { return tab_; }
    void set_shown_tab(int tab);
    int focused_place() const { return focused_; }
    void set_focused_place(int place);
    std::optional<GridPlace> highlighted() const { return highlighted_; }
    void set_highlighted(std::optional<GridPlace> at);
    bool undo_offered() const { return undo_offered_; }
    void set_undo_offered(bool offered) { undo_offered_ = offered; }

    // The focus came from another control of the window.
    void focus_arrived() { focused_ = 1; }
    // A key while the grid has the focus: the focus or the tab moves, or the
    // action it asks for. Enter asks nothing of an empty cell, Ctrl+Z nothing
    // while no undo is offered.
    GridAction press(GridKey key);
    // The menu over the focused cell.
    GridMenu menu() const;

    // A drag: only an item is dragged; while it lasts the grid draws the cell
    // it left and the cell under the mouse.
    bool can_drag_focused() const { return focused_cell().occupied; }
    std::optional<GridPlace> dragged() const { return dragged_; }
    void set_dragged(std::optional<GridPlace> from) { dragged_ = from; }
    std::optional<DropHint> drop_hint() const { return drop_hint_; }
    void set_drop_hint(std::optional<DropHint> hint) { drop_hint_ = hint; }

private:
    GridCells cells_{};
    int tab_ = 0;
    int focused_ = 1;
    std::optional<GridPlace> highlighted_;
    bool undo_offered_ = false;
    std::optional<GridPlace> dragged_;
    std::optional<DropHint> drop_hint_;
};

// Whether `target` takes the drop: never a cell onto itself, never a disabled
// grid, and otherwise what its on_drop_allowed says.
bool drop_allowed(StashGrid& target, const GridDrop& drop);
// Fires the event the action stands for, about the cell `at`.
void perform(StashGrid& grid, GridAction action, GridPlace at);

}  // namespace kistvar::ui
