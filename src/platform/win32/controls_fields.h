// The option page's input controls: edit boxes, drop-down lists and the check
// box; and the plain windows that only show text (labels, group boxes).
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/win32/controls_base.h"
#include "ui/controls.h"

namespace kistvar::win32 {

// The options page's fields: their windows are made with the page (see DeferredControl).
class Win32EditBox final : public DeferredControl<ui::EditBox> {
public:
    using DeferredControl::DeferredControl;
    std::string content() const override;
    void set_content(std::string_view text) override;

private:
    void take_on_kept_state() override;
    std::string kept_content_;
};

class Win32ComboBox final : public DeferredControl<ui::ComboBox> {
public:
    // The drop-down list will hold the items, each keeping its value.
    Win32ComboBox(std::function<void()> make_window, const std::vector<ui::layout::ComboItem>& items);
    int current_index() const override;
    void set_current_index(int index) override;
    int item_count() const override;
    int item_value(int index) const override;
    // The items' texts again, in the current language; values and the
    // selection stay. A list not made yet will be made in that language.
    void show_item_texts();

private:
    void take_on_kept_state() override;
    const std::vector<ui::layout::ComboItem>& items_;
    int kept_index_ = -1;
};

class Win32CheckBox final : public DeferredControl<ui::CheckBox> {
public:
    using DeferredControl::DeferredControl;
    bool checked() const override;
    void set_checked(bool checked) override;

private:
    void take_on_kept_state() override { set_checked(std::exchange(kept_checked_, false)); }
    bool kept_checked_ = false;
};

// A label: nothing to do but be coloured.
class TextOnlyWindow : public ChildWindow {
public:
    explicit TextOnlyWindow(HWND window) : window_(window) {}
    HWND hwnd() const override { return window_; }

protected:
    HWND window_;
};

// A group box in the classic look, so that its caption takes the layout's
// colour, with its inside painted in the window's colour (a group box paints
// only its frame and caption).
class GroupBox final : public TextOnlyWindow {
public:
    GroupBox(HWND window, HBRUSH inside);
    ~GroupBox() override;

private:
    static LRESULT CALLBACK paint_inside(HWND window, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id,
                                         DWORD_PTR inside);
};

// The text of any window, as UTF-8.
std::string window_text(HWND window);

}  // namespace kistvar::win32
