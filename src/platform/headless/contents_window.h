// The headless contents window: its search text, summary, grids, drop-down
// and rows in memory, a step request waiting until the test runs the loop,
// and the clicks and typing a player does in it.
#pragma once

#include <memory>

#include "platform/headless/stash_grid.h"
#include "platform/headless/window_context.h"
#include "ui/contents_window.h"

namespace kistvar::headless {

class ContentsWindow final : public ui::ContentsWindow {
public:
    bool is_open() const override { return open_; }
    void open() override;
    void close() override;

    std::string search_text() const override { return open_ ? search_ : std::string(); }
    void set_search_text(std::string_view text) override;
    void focus_search() override { search_focused_ = open_; }
    std::string summary() const override { return open_ ? summary_ : std::string(); }
    void set_summary(std::string_view text) override;

    void show_rows(const std::vector<std::string>& columns, std::vector<ui::Row> rows) override;
    void add_rows(std::vector<ui::Row> rows) override;
    std::vector<std::string> columns() const override { return columns_; }
    std::vector<ui::Row> shown_rows() const override;
    void request_step() override { step_waiting_ = true; }
    ui::StashGrid* grid(ui::GridSide side) override { return in_memory(side); }
    void set_left_title(std::string_view text) override {
        if (open_) left_title_ = text;
    }
    std::string left_title() const override { return left_title_; }
    void show_box_choices(const std::vector<std::string>& choices, int chosen) override;
    int chosen_box() const override { return open_ ? chosen_ : -1; }

    // What the message loop does: one waiting step (false when none waits),
    // or every step until none waits.
    bool run_one_step();
    void run_waiting_steps();
    bool step_waiting() const { return step_waiting_; }
    void click_column(int column);
    void double_click_row(int position);
    bool search_focused() const { return search_focused_; }
    StashGrid* in_memory(ui::GridSide side) { return side == ui::GridSide::left ? left_.get() : right_.get(); }
    const std::vector<std::string>& box_choices() const { return choices_; }
    // The player picks an entry of the drop-down.
    void choose_box(int choice);

private:
    bool open_ = false;
    bool search_focused_ = false;
    bool step_waiting_ = false;
    std::string search_;
    std::string summary_;
    std::vector<std::string> columns_;
    ui::SortedRows rows_;
    WindowContext grids_window_;
    std::unique_ptr<StashGrid> left_, right_;
    std::string left_title_;
    std::vector<std::string> choices_;
    int chosen_ = -1;
};

}  // namespace kistvar::headless
