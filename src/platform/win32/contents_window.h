// The contents window on Win32: a resizable top-level window owned by the main
// window, made when opened and destroyed when closed (Esc or its close box).
// Under its search box the two grids stand side by side at their own size,
// the drop-down of boxes above the right one; the summary line and the
// report list below fill the rest at any size; the
// message loop hands it its keys. Its list is an owner-data list view that
// draws the rows it holds in the order they are shown, so tens of thousands
// of finds cost one message, and a header click orders numbers, not rows
// (contents_window_list.cpp). Its steps run from a timer of the main window,
// after the input and painting that wait, whether it is open or not.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "platform/win32/stash_grid.h"
#include "ui/contents_window.h"

namespace kistvar::win32 {

class Win32ContentsWindow final : public ui::ContentsWindow {
public:
    explicit Win32ContentsWindow(HWND owner) : owner_(owner) {}
    ~Win32ContentsWindow() override;
    Win32ContentsWindow(const Win32ContentsWindow&) = delete;
    Win32ContentsWindow& operator=(const Win32ContentsWindow&) = delete;

    bool is_open() const override { return window_ != nullptr; }
    void open() override;
    void close() override;

    std::string search_text() const override;
    void set_search_text(std::string_view text) override;
    void focus_search() override;
    std::string summary() const override;
    void set_summary(std::string_view text) override;

    void show_rows(const std::vector<std::string>& columns, std::vector<ui::Row> rows) override;
    void add_rows(std::vector<ui::Row> rows) override;
    std::vector<std::string> columns() const override { return columns_; }
    std::vector<ui::Row> shown_rows() const override { return rows_.shown(); }
    void request_step() override;
    ui::StashGrid* grid(ui::GridSide side) override {
        return side == ui::GridSide::left ? left_.get() : right_.get();
    }
    void set_left_title(std::string_view text) override;
    std::string left_title() const override;
    void show_box_choices(const std::vector<std::string>& choices, int chosen) override;
    int chosen_box() const override;

    // One message of the program's loop, when it is for this window: Tab and
    // Esc. True when taken.
    bool take_input(MSG& message);
    // The title and the search box's cue in the current language, when open.
    void show_texts();

    HWND hwnd() const { return window_; }
    HWND search_box() const { return search_; }
    HWND list() const { return list_; }
    HWND box_choice() const { return choice_; }

private:
    static LRESULT CALLBACK window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    static void CALLBACK step_timer_procedure(HWND owner, UINT message, UINT_PTR timer, DWORD time);
    LRESULT handle(UINT message, WPARAM wparam, LPARAM lparam);
    void create_children();
    void show_cue();
    void lay_out();
    SIZE smallest_client() const;

    // The list (contents_window_list.cpp).
    void show_columns(const std::vector<std::string>& columns);
    void show_row_count(bool from_the_top);
    void sort_by(int column);
    int selected_row() const;
    void select_row(int row, bool into_view);
    LRESULT list_notified(const NMHDR& header);

    HWND owner_;
    HWND window_ = nullptr;
    HWND search_ = nullptr;
    HWND summary_ = nullptr;
    HWND list_ = nullptr;
    HWND left_title_ = nullptr;
    HWND choice_ = nullptr;
    std::unique_ptr<Win32StashGrid> left_, right_;
    std::vector<std::string> columns_;
    ui::SortedRows rows_;
};

}  // namespace kistvar::win32
