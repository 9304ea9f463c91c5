// The contents window "箱子内容" as the logic sees it: a search box, two grids
// side by side (the left shows a box the logic picks, the right the box
// chosen in a drop-down above it), a one-line summary and a report list of
// rows. It is made when opened and gone
// when closed; while closed, writes do nothing and reads give empty values.
// Its steps run whether it is open or not: a box read for a list's info tip
// is read by them too.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/controls.h"
#include "ui/sorted_rows.h"
#include "ui/stash_grid.h"

namespace kistvar::ui {

enum class GridSide { left, right };

// An item dragged from a cell of one grid onto a cell of one (the same or the other).
struct GridMove {
    GridSide from_side;
    GridPlace from;
    GridSide to_side;
    GridPlace to;
};

class ContentsWindow {
public:
    virtual ~ContentsWindow() = default;

    virtual bool is_open() const = 0;
    // Makes the window, owned by the main window, or brings the open one forward.
    virtual void open() = 0;
    virtual void close() = 0;

    virtual std::string search_text() const = 0;
    virtual void set_search_text(std::string_view text) = 0;  // fires the search changed event
    virtual void focus_search() = 0;
    virtual std::string summary() const = 0;
    virtual void set_summary(std::string_view text) = 0;

    // Replaces the rows (each row's cells in column order) and shows the
    // first. Under the columns shown already the rows take the order the last
    // header click chose; new columns show them as given. Clicking a column
    // header orders the rows by it (see SortedRows).
    virtual void show_rows(const std::vector<std::string>& columns, std::vector<Row> rows) = 0;
    // More rows under the columns shown, each at its place in the order shown;
    // the view does not move, and the selected row stays selected.
    virtual void add_rows(std::vector<Row> rows) = 0;
    virtual std::vector<std::string> columns() const = 0;
    // The rows in the order they are shown.
    virtual std::vector<Row> shown_rows() const = 0;

    // Runs the step event once from the message loop, after the input and
    // painting that wait. Asked again before it ran, it still runs once.
    virtual void request_step() = 0;

    // A grid of the open window; none while it is closed.
    virtual StashGrid* grid(GridSide side) = 0;
    // The words over the left grid: which box it shows.
    virtual void set_left_title(std::string_view text) = 0;
    virtual std::string left_title() const = 0;
    // The drop-down's entries, with `chosen` shown (-1: none); choosing one
    // in the window fires on_box_chosen, setting them fires nothing.
    virtual void show_box_choices(const std::vector<std::string>& choices, int chosen) = 0;
    virtual int chosen_box() const = 0;  // -1 while closed

    Event on_search_changed;
    std::function<void(int choice)> on_box_chosen;
    // The grids' events, told by side: Enter or "移到另一边" on a cell, Ctrl+Z
    // or "撤销移动", whether a drag may drop on a cell, and the drop.
    std::function<void(GridSide side, GridPlace at)> on_move_across;
    Event on_undo;
    std::function<bool(const GridMove& move)> on_drop_allowed;
    std::function<void(const GridMove& move)> on_dropped;
    Event on_step;
    // The row by its index among the rows given since the last show_rows,
    // whatever order it is shown in.
    std::function<void(int row)> on_row_double_clicked;

protected:
    // A grid the window just made raises the window's events, told by side.
    void wire_grid(StashGrid& made, GridSide side);
};

}  // namespace kistvar::ui
