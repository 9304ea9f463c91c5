// The contents window on Win32: a resizable top-level window owned by the main
// window, made when opened and destroyed when closed (Esc or its close box).
// Its search box, summary line and report list fill it at any size; the
// message loop hands it its keys, and its steps run from a timer, after the
// input and painting that wait.
#pragma once

#include <windows.h>

#include "ui/contents_window.h"

namespace kistvar::win32 {

class Win32ContentsWindow final : public ui::ContentsWindow {
public:
    explicit Win32ContentsWindow(HWND owner) : owner_(owner) {}
    ~Win32ContentsWindow() override { close(); }
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

    void show_rows(const std::vector<std::string>& columns, const std::vector<ui::Row>& rows) override;
    std::vector<std::string> columns() const override { return columns_; }
    std::vector<ui::Row> shown_rows() const override;
    void request_step() override;

    // One message of the program's loop, when it is for this window: Tab and
    // Esc. True when taken.
    bool take_input(MSG& message);
    // The title and the search box's cue in the current language, when open.
    void show_texts();

    HWND hwnd() const { return window_; }
    HWND search_box() const { return search_; }
    HWND list() const { return list_; }

private:
    static LRESULT CALLBACK window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT handle(UINT message, WPARAM wparam, LPARAM lparam);
    void create_children();
    void show_cue();
    void lay_out();
    void show_columns(const std::vector<std::string>& columns);
    void fill_list();
    void sort_by(int column);

    HWND owner_;
    HWND window_ = nullptr;
    HWND search_ = nullptr;
    HWND summary_ = nullptr;
    HWND list_ = nullptr;
    bool filling_ = false;  // the search box's text set by the program, not typed
    std::vector<std::string> columns_;
    ui::SortedRows rows_;
};

}  // namespace kistvar::win32
