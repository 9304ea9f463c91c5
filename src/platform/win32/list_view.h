// A box list: a report-style list view showing our own sorted model through
// the owner-data mechanism, with the selection and focus marks kept by the
// control and the events of the logic raised from its notifications. Its
// jobs are in four files: the items and marks the logic asks for
// (list_view.cpp), the owner-data display (list_view_display.cpp), the mouse
// and the keys (list_view_input.cpp), and the notifications with the label
// edit and the info tips (list_view_notify.cpp).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <string>

#include "platform/win32/controls_base.h"
#include "ui/controls.h"
#include "ui/sorted_titles.h"

namespace kistvar::win32 {

class Win32ListView final : public NativeControl<ui::ListView> {
public:
    // Creates the list on `parent` at `x`, `y` (window coordinates) with the
    // layout's size; `pictures` is shared, not owned.
    Win32ListView(HWND parent, const ui::layout::ControlLayout& placement, int x, int y, int id,
                  HIMAGELIST pictures);
    ~Win32ListView() override;

    int view_style() const override { return view_style_; }
    void set_view_style(int style) override;
    int sort_order() const override { return sort_order_; }
    void set_sort_order(int order) override;

    int selected_item() const override;
    void set_selected_item(int index) override;
    std::string edited_title() const override { return edited_title_.value_or(""); }

    int item_count() const override { return model_.size(); }
    int insert_item(int position, std::string_view title, int picture) override;
    std::string get_item_title(int index) const override { return model_.title(index); }
    int get_item_picture(int index) const override { return model_.picture(index); }
    void set_item_picture(int index, int picture) override;
    int find_item(std::string_view title, int start = 0, bool whole_title = true) const override {
        return model_.find(title, start, whole_title);
    }
    void delete_item(int index) override;
    void delete_all_items() override;
    void ensure_visible(int index) override;
    void edit_title(int index) override;

    std::optional<LRESULT> on_notify(const NMHDR& header) override;

    // After a DPI change: pictures drawn for the new DPI, and the column's width.
    void use_pictures(HIMAGELIST pictures);
    // Brings the control up to the model: item count and marks, raising no
    // events. Cheapest while the list is hidden: nothing is drawn.
    void show_model();
    // Before the window is first shown: item sizes and scroll bars worked out
    // where nothing is seen, so the first paint draws the list once.
    void settle_while_hidden();

private:
    // Marks moved by us must not look like the user's doing.
    class Quietly {
    public:
        explicit Quietly(bool& quiet) : quiet_(quiet), was_(quiet) { quiet_ = true; }
        ~Quietly() { quiet_ = was_; }
        Quietly(const Quietly&) = delete;
        Quietly& operator=(const Quietly&) = delete;

    private:
        bool& quiet_;
        bool was_;
    };
    static void fire(const ui::Event& event) {
        if (event) event();
    }

    // The first item with the mark (LVNI_SELECTED, LVNI_FOCUSED), or -1.
    int marked(UINT mark) const;
    void set_marks(int index, UINT marks, UINT which);
    struct Marks {
        int selected;
        int focused;
    };
    int shown_selection() const;
    // The marks as they will be once the control shows the model; from now
    // until then the model is ahead of the control.
    Marks& marks_ahead();
    // Empties the list as re-creating its window would, keeping the window.
    void rebuild();
    void cancel_label_edit();
    // Raises current item changed held back while the control was still moving marks.
    void report_current_item();
    // The context-menu key or Shift+F10: the right-click event, the menu at the selected item.
    void context_menu_from_keyboard();
    static LRESULT CALLBACK watch_input(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                        DWORD_PTR self);

    // The control's paint, drawn into a picture of ours and shown in one copy.
    void paint_off_screen();
    // The control's `parts` (PRF_*) within `area` drawn into the kept picture,
    // then copied to `screen` unless it is null.
    void draw_picture(const RECT& area, UINT parts, HDC screen);
    void fill_display_info(NMLVDISPINFOW& info) const;
    void fill_info_tip(NMLVGETINFOTIPW& tip) const;
    LRESULT finish_label_edit(const NMLVDISPINFOW& info);
    LRESULT find_for_keyboard(const NMLVFINDITEMW& query) const;
    void item_changed(const NMLISTVIEW& change);

    static constexpr UINT show_model_message = WM_APP + 1;

    ui::SortedTitles model_;
    std::optional<Marks> model_ahead_;
    int view_style_ = report;
    int sort_order_ = ascending;
    std::optional<std::string> edited_title_;
    bool quiet_ = false;  // marks moved by us raise no events
    HWND title_editor_ = nullptr;         // the edit box of the latest title edit
    bool focus_back_from_editor_ = false;  // the list has had the focus all along
    bool handling_input_ = false;          // a mouse button or key is being handled
    bool current_item_news_ = false;       // held back until the input is handled
    HBITMAP picture_ = nullptr;            // the off-screen picture, kept for the next paint
    SIZE picture_size_{};
};

}  // namespace kistvar::win32
