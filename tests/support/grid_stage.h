// Two grids side by side in a window of their own, after an edit box, and a
// player's doings on them: the same calls on both backends. Headless acts on
// the in-memory grids; Win32 sends the real mouse and key messages to the real
// grids (under Wine in tests) and answers their pop-up menu.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/grid_model.h"

namespace kistvar::test {

struct ShownMenuEntry {
    std::string text;
    bool disabled = false;
    friend bool operator==(const ShownMenuEntry&, const ShownMenuEntry&) = default;
};
using ShownMenu = std::vector<ShownMenuEntry>;

class GridStage {
public:
    virtual ~GridStage() = default;

    virtual ui::StashGrid& left() = 0;
    virtual ui::StashGrid& right() = 0;
    // The keyboard focus to the edit box before the grids.
    virtual void focus_elsewhere() = 0;
    // Tab from the control with the focus to the next one.
    virtual void press_tab() = 0;
    // Whether the grid has the keyboard focus.
    virtual bool focused(const ui::StashGrid& grid) const = 0;

    // A key to the control with the focus. A key that opens the grid's menu
    // picks entry `choose` from it (-1: closes it) and gives what it showed.
    virtual std::optional<ShownMenu> press(ui::GridKey key, int choose = -1) = 0;
    virtual void click_cell(ui::StashGrid& grid, int place) = 0;
    virtual void click_tab(ui::StashGrid& grid, int tab) = 0;
    // The right button on a cell; the menu it opened, with entry `choose`
    // picked (-1: closed), or nothing when none opened.
    virtual std::optional<ShownMenu> right_click(ui::StashGrid& grid, int place, int choose) = 0;
    // Holds the left button on a cell, moves to a cell of `to` (the same grid
    // or the other) and lets go there. Whether that cell showed the drop
    // allowed; nothing when no drag began.
    virtual std::optional<bool> drag(ui::StashGrid& from, int place, ui::StashGrid& to, int to_place) = 0;
    // The tip the grid gives as the mouse rests on a cell of the shown tab.
    virtual std::string hover_tip(ui::StashGrid& grid, int place) = 0;
};

std::unique_ptr<GridStage> make_grid_stage();

}  // namespace kistvar::test
