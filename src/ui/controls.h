// The controls of the main window as the logic sees them: properties it reads
// and writes, operations it calls, events that run its procedures. One small
// interface per kind; the Win32 and headless backends implement them with the
// same semantics (checked by the conformance suite).
//
// Events are plain callables that the bindings fill in. Backends call them
// synchronously: an event caused by a property write or an operation runs
// before that write or operation returns.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace kistvar::ui {

using Event = std::function<void()>;

class Control {
public:
    virtual ~Control() = default;
    virtual bool disabled() const = 0;
    virtual void set_disabled(bool disabled) = 0;
    // The native window handle (0 when the control has no window of its own).
    virtual std::intptr_t window_handle() const = 0;
    virtual void set_focus() = 0;
};

class Window : public Control {
public:
    Event on_created;     // once, all controls exist, before input is taken
    Event on_shown;       // once, painted and idle: for what its first look does not need
    Event on_destroying;  // closing was accepted; controls still exist
};

class PushButton : public Control {
public:
    Event on_click;  // not fired while disabled
};

class ImageButton : public PushButton {
public:
    virtual std::string tool_tip_text() const = 0;
    virtual void set_tool_tip_text(std::string_view text) = 0;  // empty removes the hint
};

class EditBox : public Control {
public:
    virtual std::string content() const = 0;
    virtual void set_content(std::string_view text) = 0;
};

class ComboBox : public Control {  // drop-down list
public:
    virtual int current_index() const = 0;  // -1 when none
    // Above the last index selects the last item; below -1 counts as -1 (none).
    virtual void set_current_index(int index) = 0;
    virtual int item_count() const = 0;
    // The value stored with the item; -1 for an index that names no item.
    virtual int item_value(int index) const = 0;
};

class CheckBox : public Control {
public:
    virtual bool checked() const = 0;
    virtual void set_checked(bool checked) = 0;
};

class TabControl : public Control {
public:
    virtual int current_page() const = 0;
    // Shows the page's controls and hides the other page's at once.
    virtual void set_current_page(int page) = 0;
};

class StatusBar : public Control {
public:
    virtual std::string status_text(int part) const = 0;
    virtual void set_status_text(int part, std::string_view text) = 0;  // unknown part: nothing
};

class MenuItem {
public:
    virtual ~MenuItem() = default;
    virtual bool checked() const = 0;
    virtual void set_checked(bool checked) = 0;
    virtual bool disabled() const = 0;
    virtual void set_disabled(bool disabled) = 0;
    Event on_chosen;
};

class Menu {
public:
    virtual ~Menu() = default;
    // Pops the menu up at the mouse pointer (3 pixels right and down), owned by
    // the main window; returns when it closes. A chosen item's event runs after
    // this call has returned.
    virtual void popup() = 0;
};

class DropTarget {
public:
    virtual ~DropTarget() = default;
    // Makes the window accept files dropped from the shell. False when this
    // target is registered already or the window is refused.
    virtual bool register_on(std::intptr_t window_handle) = 0;
    // One path unchanged; several paths each followed by "\r\n".
    std::function<void(const std::string& dropped_files_text)> on_files_dropped;
};

class ListView : public Control {
public:
    enum ViewStyle { large_icons = 0, small_icons = 1, list = 2, report = 3 };
    enum SortOrder { unsorted = 0, ascending = 1, descending = 2 };

    virtual int view_style() const = 0;
    // Clamped to 0..3; rebuilds the list: it is empty afterwards, keeps its
    // window (drop targets stay registered) and its focus.
    virtual void set_view_style(int style) = 0;
    virtual int sort_order() const = 0;
    virtual void set_sort_order(int order) = 0;  // clamped to 0..2; rebuilds like view style

    virtual int selected_item() const = 0;  // -1 when none
    // Below -1 counts as -1. An index selects and focuses that item (current
    // item changed fires if it gains the focus mark); an index past the end
    // does nothing; -1 clears the selection.
    virtual void set_selected_item(int index) = 0;
    // Only inside the label edit finished event: the stored new title.
    virtual std::string edited_title() const = 0;

    virtual int item_count() const = 0;
    // Appends when position < 0; in a sorted list the item goes to its sorted
    // place. Returns the index where it landed, -1 on failure.
    virtual int insert_item(int position, std::string_view title, int picture) = 0;
    virtual std::string get_item_title(int index) const = 0;   // empty when no such item
    virtual int get_item_picture(int index) const = 0;         // 0 when no such item
    virtual void set_item_picture(int index, int picture) = 0;
    // From `start` (negative counts as 0) to the end, no wrap; case-insensitive.
    virtual int find_item(std::string_view title, int start = 0, bool whole_title = true) const = 0;
    virtual void delete_item(int index) = 0;
    virtual void delete_all_items() = 0;
    virtual void ensure_visible(int index) = 0;
    // Takes the keyboard focus first, then starts in-place editing.
    virtual void edit_title(int index) = 0;

    Event on_got_focus;
    Event on_current_item_changed;  // only when an item gains the focus mark
    Event on_item_double_clicked;
    Event on_right_click;           // the control has already moved the selection
    // Confirmed or cancelled (then the unchanged title). Return false to keep
    // the old title.
    std::function<bool(int item_index)> on_label_edit_finished;
    // The info tip for the item under the mouse; the empty text shows none.
    std::function<std::string(int item_index)> on_info_tip;
};

}  // namespace kistvar::ui
