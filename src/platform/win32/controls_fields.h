// The option page's input controls: edit boxes, drop-down lists and the check
// box; and the plain windows that only show text (labels, group boxes).
#pragma once

#include <string>
#include <vector>

#include "platform/win32/controls_base.h"
#include "ui/controls.h"

namespace kistvar::win32 {

class Win32EditBox final : public NativeControl<ui::EditBox> {
public:
    using NativeControl::NativeControl;
    std::string content() const override;
    void set_content(std::string_view text) override;
};

class Win32ComboBox final : public NativeControl<ui::ComboBox> {
public:
    // Fills the drop-down list with the items, each keeping its value.
    Win32ComboBox(HWND combo, const std::vector<ui::layout::ComboItem>& items);
    int current_index() const override;
    void set_current_index(int index) override;
    int item_count() const override;
    int item_value(int index) const override;
    // The items' texts again, in the current language; values and the
    // selection stay.
    void show_item_texts(const std::vector<ui::layout::ComboItem>& items);
};

class Win32CheckBox final : public NativeControl<ui::CheckBox> {
public:
    using NativeControl::NativeControl;
    bool checked() const override;
    void set_checked(bool checked) override;
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
