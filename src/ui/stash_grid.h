// A box as the game shows its stash: three tabs ("装备", "消耗品", "法术"),
// each 8 columns × 5 rows of square cells, place n (1..40) at row (n−1)/8,
// column (n−1)%8. The logic gives every cell's words as data; a backend only
// draws them and reports what the player does: keys, clicks, drags between
// cells (in one grid or from another), and its own right-click menu with
// "移到另一边" and "撤销移动". Whether a drop is allowed is the logic's to
// say (on_drop_allowed), asked while the mouse is over a cell.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "ui/controls.h"

namespace kistvar::ui {

inline constexpr int grid_tabs = 3;
inline constexpr int grid_columns = 8;
inline constexpr int grid_rows = 5;
inline constexpr int grid_places = grid_columns * grid_rows;
inline constexpr int grid_cell_size = 56;  // pixels at 96 DPI

struct GridCell {
    bool occupied = false;
    std::string name;         // shown wrapped, or shortened with "…"
    std::uint32_t stack = 0;  // shown in a corner when over 1
    std::string tip;          // over the cell: the whole name, level, stack and place
};
using GridTab = std::array<GridCell, grid_places>;  // place n at index n − 1
using GridCells = std::array<GridTab, grid_tabs>;

// A cell: its tab (0 装备, 1 消耗品, 2 法术) and its place 1..40.
struct GridPlace {
    int tab = 0;
    int place = 1;
    friend bool operator==(const GridPlace&, const GridPlace&) = default;
};

class StashGrid;

// An item dragged from a cell of `source` onto a cell of the grid asked.
struct GridDrop {
    const StashGrid* source = nullptr;
    GridPlace from;
    GridPlace to;
};

class StashGrid : public Control {
public:
    // Replaces every cell of the three tabs; the shown tab, the focused place
    // and the highlighted cell stay.
    virtual void show_cells(const GridCells& cells) = 0;
    // An empty cell for a tab or place outside the grid.
    virtual const GridCell& cell(GridPlace at) const = 0;

    virtual int shown_tab() const = 0;
    virtual void set_shown_tab(int tab) = 0;  // clamped to 0..2
    // The cell the keyboard acts on, in the shown tab. The grid starts at
    // place 1 whenever it takes the focus from another control of its window.
    virtual int focused_place() const = 0;
    virtual void set_focused_place(int place) = 0;  // clamped to 1..40
    // One cell drawn as selected (a find, an item just moved), or none.
    // Highlighting a cell shows its tab.
    virtual std::optional<GridPlace> highlighted() const = 0;
    virtual void set_highlighted(std::optional<GridPlace> at) = 0;
    // Whether the menu offers "撤销移动".
    virtual bool undo_offered() const = 0;
    virtual void set_undo_offered(bool offered) = 0;

    // Enter, or "移到另一边" in the menu: the item at this cell to the other side.
    std::function<void(GridPlace at)> on_move_across;
    // Ctrl+Z, or "撤销移动" in the menu.
    Event on_undo;
    // The mouse began to drag the item at this cell.
    std::function<void(GridPlace from)> on_drag_started;
    // Asked of the grid under the mouse while an item is dragged over one of
    // its cells; no answer counts as no. A cell is never dropped on itself.
    std::function<bool(const GridDrop& drop)> on_drop_allowed;
    // The button came up over a cell of this grid whose drop was allowed.
    std::function<void(const GridDrop& drop)> on_dropped;
};

}  // namespace kistvar::ui
