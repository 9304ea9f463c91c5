// The headless list view: the sorted model of titles and pictures with the
// selection and focus marks of the real list control, and the events it
// raises synchronously inside the calls that cause them.
#pragma once

#include <optional>
#include <string>

#include "platform/headless/control_base.h"
#include "ui/sorted_titles.h"

namespace kistvar::headless {

class ListView final : public ControlBase<ui::ListView> {
public:
    ListView(WindowContext& window, int page) : ControlBase(window, page) {}

    int view_style() const override { return view_style_; }
    void set_view_style(int style) override;
    int sort_order() const override { return sort_order_; }
    void set_sort_order(int order) override;

    int selected_item() const override { return selected_; }
    void set_selected_item(int index) override;
    std::string edited_title() const override { return edited_title_.value_or(""); }

    int item_count() const override { return items_.size(); }
    int insert_item(int position, std::string_view title, int picture) override;
    std::string get_item_title(int index) const override { return items_.title(index); }
    int get_item_picture(int index) const override { return items_.picture(index); }
    void set_item_picture(int index, int picture) override { items_.set_picture(index, picture); }
    int find_item(std::string_view title, int start = 0, bool whole_title = true) const override {
        return items_.find(title, start, whole_title);
    }
    void delete_item(int index) override;
    void delete_all_items() override;
    void ensure_visible(int) override {}
    void edit_title(int index) override;
    void set_focus() override;
    // An open edit ends when the focus goes elsewhere, with nothing typed.
    void focus_lost() override { end_label_edit(std::nullopt); }

    // A mouse button pressed on an item (-1: on empty space), for the test
    // driver: the left and the right button act alike on the marks.
    void button_down(int index);
    bool editing() const { return edit_index_.has_value(); }
    // Ends the open edit: the typed text confirmed, or nullopt when cancelled.
    void end_label_edit(std::optional<std::string> typed);

private:
    // Gives the item the selected and focused marks; raises current item
    // changed when it gains the focus mark.
    void select_and_focus(int index);
    void rebuild();
    void forget_marks();

    ui::SortedTitles items_;
    int view_style_ = report;
    int sort_order_ = ascending;
    int selected_ = -1;  // single selection: at most one item has the mark
    int focused_ = -1;   // the item with the focus mark
    std::optional<int> edit_index_;
    std::optional<std::string> edited_title_;  // only while label edit finished runs
};

}  // namespace kistvar::headless
