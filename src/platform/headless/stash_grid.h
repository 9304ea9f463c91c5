// The headless grid: the shared grid model in memory, and the player's
// doings on it (keys, clicks, the menu, drags) raising the events the real
// grid raises, synchronously inside the call that causes them.
#pragma once

#include <optional>
#include <string>

#include "platform/headless/control_base.h"
#include "ui/grid_model.h"

namespace kistvar::headless {

class StashGrid final : public ControlBase<ui::StashGrid> {
public:
    StashGrid(WindowContext& window, int page) : ControlBase(window, page) {}

    void show_cells(const ui::GridCells& cells) override { model_.show_cells(cells); }
    const ui::GridCell& cell(ui::GridPlace at) const override { return model_.cell(at); }
    int shown_tab() const override { return model_.shown_tab(); }
    void set_shown_tab(int tab) override { model_.set_shown_tab(tab); }
    int focused_place() const override { return model_.focused_place(); }
    void set_focused_place(int place) override { model_.set_focused_place(place); }
    std::optional<ui::GridPlace> highlighted() const override { return model_.highlighted(); }
    void set_highlighted(std::optional<ui::GridPlace> at) override { model_.set_highlighted(at); }
    bool undo_offered() const override { return model_.undo_offered(); }
    void set_undo_offered(bool offered) override { model_.set_undo_offered(offered); }
    void set_focus() override;

    // A key while the grid has the focus; the menu key opens the menu, picks
    // `choice` from it as right_click does, and gives the menu shown.
    std::optional<ui::GridMenu> press(ui::GridKey key, std::optional<ui::GridAction> choice = std::nullopt);
    // The left button down on a cell of the shown tab, or on a tab's header.
    void button_down(int place);
    void click_tab(int tab);
    // The right button on a cell: the menu opens over it; `choice` is the
    // entry picked (nothing, or a greyed one: the menu just closes). Gives
    // the menu as it was shown; none from a disabled grid.
    std::optional<ui::GridMenu> right_click(int place, std::optional<ui::GridAction> choice);
    // The item at `place` dragged onto a cell of `target`'s shown tab and let
    // go there. Whether that cell showed the drop allowed; nothing when no
    // drag began (an empty cell, a disabled grid).
    std::optional<bool> drag(int place, StashGrid& target, int target_place);
    std::string tip(int place) const { return model_.cell({model_.shown_tab(), place}).tip; }
    const ui::GridModel& model() const { return model_; }

private:
    ui::GridMenu open_menu(std::optional<ui::GridAction> choice);

    ui::GridModel model_;
};

}  // namespace kistvar::headless
