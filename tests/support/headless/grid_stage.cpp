// The grids in memory, in one window context with an edit box before them.
#include "support/grid_stage.h"

#include "language/language.h"
#include "platform/headless/simple_controls.h"
#include "platform/headless/stash_grid.h"

namespace kistvar::test {

namespace {

headless::StashGrid& in_memory(ui::StashGrid& grid) { return dynamic_cast<headless::StashGrid&>(grid); }

std::optional<ShownMenu> shown(const std::optional<ui::GridMenu>& menu) {
    if (!menu) return std::nullopt;
    ShownMenu entries;
    for (const ui::GridMenuEntry& entry : *menu) entries.push_back({std::string(language::text(entry.caption)), entry.disabled});
    return entries;
}

std::optional<ui::GridAction> action_at(int choose) {
    if (choose == 0) return ui::GridAction::move_across;
    if (choose == 1) return ui::GridAction::undo;
    return std::nullopt;
}

class HeadlessGridStage final : public GridStage {
public:
    ui::StashGrid& left() override { return left_; }
    ui::StashGrid& right() override { return right_; }
    void focus_elsewhere() override { edit_.set_focus(); }
    void press_tab() override {
        if (context_.focused == &edit_) left_.set_focus();
        else if (context_.focused == &left_) right_.set_focus();
        else edit_.set_focus();
    }
    bool focused(const ui::StashGrid& grid) const override {
        return context_.focused == &dynamic_cast<const headless::StashGrid&>(grid);
    }

    std::optional<ShownMenu> press(ui::GridKey key, int choose) override {
        for (headless::StashGrid* grid : {&left_, &right_})
            if (grid->has_focus()) return shown(grid->press(key, action_at(choose)));
        return std::nullopt;
    }
    void click_cell(ui::StashGrid& grid, int place) override { in_memory(grid).button_down(place); }
    void click_tab(ui::StashGrid& grid, int tab) override { in_memory(grid).click_tab(tab); }
    std::optional<ShownMenu> right_click(ui::StashGrid& grid, int place, int choose) override {
        return shown(in_memory(grid).right_click(place, action_at(choose)));
    }
    std::optional<bool> drag(ui::StashGrid& from, int place, ui::StashGrid& to, int to_place) override {
        return in_memory(from).drag(place, in_memory(to), to_place);
    }
    std::string hover_tip(ui::StashGrid& grid, int place) override { return in_memory(grid).tip(place); }

private:
    headless::WindowContext context_;
    headless::EditBox edit_{context_, -1};
    headless::StashGrid left_{context_, -1};
    headless::StashGrid right_{context_, -1};
};

}  // namespace

std::unique_ptr<GridStage> make_grid_stage() { return std::make_unique<HeadlessGridStage>(); }

}  // namespace kistvar::test
