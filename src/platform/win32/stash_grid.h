// The grid on Win32: a real tab control for the three tabs' headers, taken
// over (subclassed) so that its page shows the 8 × 5 cells, drawn with GDI
// into a memory bitmap and put on screen in one copy. Its jobs are in three
// files: the control and its properties (stash_grid.cpp), the drawing
// (stash_grid_paint.cpp) and the keys, the mouse, the menu, the tips and
// drags from one grid to another (stash_grid_input.cpp).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/controls_base.h"
#include "ui/grid_model.h"

namespace kistvar::win32 {

class Win32StashGrid final : public NativeControl<ui::StashGrid> {
public:
    // A grid on `parent`, at the top-left corner until placed.
    Win32StashGrid(HWND parent, int id);
    ~Win32StashGrid() override;
    Win32StashGrid(const Win32StashGrid&) = delete;
    Win32StashGrid& operator=(const Win32StashGrid&) = delete;

    void show_cells(const ui::GridCells& cells) override;
    const ui::GridCell& cell(ui::GridPlace at) const override { return model_.cell(at); }
    int shown_tab() const override { return model_.shown_tab(); }
    void set_shown_tab(int tab) override;
    int focused_place() const override { return model_.focused_place(); }
    void set_focused_place(int place) override;
    std::optional<ui::GridPlace> highlighted() const override { return model_.highlighted(); }
    void set_highlighted(std::optional<ui::GridPlace> at) override;
    bool undo_offered() const override { return model_.undo_offered(); }
    void set_undo_offered(bool offered) override { model_.set_undo_offered(offered); }

    // The size the headers and the cells take at the current DPI.
    SIZE natural_size() const;
    // Puts the grid at x, y of its parent (pixels at the current DPI), at its natural size.
    void place(int x, int y);
    // The headers' words in the current language.
    void show_texts();
    // After a change of DPI: the fonts, the size and the tips' places for it.
    void fit_to_dpi();

    const ui::GridModel& model() const { return model_; }
    HWND tips() const { return tips_; }
    // Where a place of the shown tab, or a tab's header, is in the grid's client area.
    RECT cell_rect(int place) const;
    RECT header_rect(int tab) const;
    // The grid whose window this is, or nullptr.
    static Win32StashGrid* of(HWND window);
    // Draws the whole grid into `target`, as a repaint does.
    void paint_into(HDC target);

    // The menu's entries send these commands to the grid.
    static constexpr UINT move_across_command = 1;
    static constexpr UINT undo_command = 2;

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                                      DWORD_PTR self);
    LRESULT handle(UINT message, WPARAM wparam, LPARAM lparam);
    void redraw() const { InvalidateRect(window_, nullptr, FALSE); }
    // The tab control's selection follows the model's shown tab.
    void show_tab_header();

    // Drawing (stash_grid_paint.cpp).
    void draw_frame(HDC canvas, const RECT& client);
    void forget_frame();
    RECT page_rect() const;
    int cell_size() const;
    struct CellsLook;
    void draw_cell(HDC canvas, int place, const CellsLook& look) const;
    const std::vector<std::wstring>& lines_of(HDC canvas, int place, const CellsLook& look) const;
    HFONT name_font() const;
    HFONT stack_font() const;

    // Input (stash_grid_input.cpp).
    std::optional<LRESULT> take_input(UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT dialog_code(const MSG* message) const;
    void press(ui::GridKey key);
    int place_at(POINT client_point) const;
    void button_down(POINT at);
    void mouse_moved(POINT at);
    void button_up();
    void follow_drag(POINT screen_point);
    void end_drag(bool drop);
    void show_drop_hint(std::optional<ui::DropHint> hint);
    void open_menu(POINT screen_point);
    void menu_chosen(UINT command);
    void create_tips();
    void place_tips();
    std::optional<LRESULT> tip_text(NMHDR& header);

    ui::GridModel model_;
    HWND tips_ = nullptr;

    // What the tab control's picture was drawn for.
    struct FrameLook {
        int tab;
        bool focused, enabled;
        LONG width, height;
        friend bool operator==(const FrameLook&, const FrameLook&) = default;
    };
    FrameLook frame_look_{};
    HBITMAP frame_picture_ = nullptr;
    std::wstring tip_;  // the text the tip shows now: it must outlive the notification

    // The lines each name of the shown tab takes, kept until the cells, the
    // tab or the font change.
    mutable std::array<std::vector<std::wstring>, ui::grid_places> lines_;
    mutable std::array<bool, ui::grid_places> lines_known_{};

    // A press of the left button on an item, and the drag it may become.
    struct Press {
        POINT at{};
        ui::GridPlace from;
        bool dragging = false;
        Win32StashGrid* target = nullptr;  // the grid under the mouse, if any
        std::optional<ui::GridDrop> drop;  // over a cell of it
        bool allowed = false;
    };
    std::optional<Press> press_;
};

}  // namespace kistvar::win32
