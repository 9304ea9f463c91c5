// The headless controls other than the list view: each keeps its properties
// in memory with the clamping of the real control.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/headless/control_base.h"
#include "ui/layout.h"

namespace kistvar::headless {

class Window final : public ControlBase<ui::Window> {
public:
    explicit Window(WindowContext& window) : ControlBase(window, -1) {}
};

class PushButton final : public ControlBase<ui::PushButton> {
public:
    using ControlBase::ControlBase;
};

class ImageButton final : public ControlBase<ui::ImageButton> {
public:
    ImageButton(WindowContext& window, int page, std::string_view tool_tip)
        : ControlBase(window, page), tool_tip_(tool_tip) {}
    std::string tool_tip_text() const override { return tool_tip_; }
    void set_tool_tip_text(std::string_view text) override { tool_tip_ = text; }

private:
    std::string tool_tip_;
};

class EditBox final : public ControlBase<ui::EditBox> {
public:
    using ControlBase::ControlBase;
    std::string content() const override { return content_; }
    void set_content(std::string_view text) override { content_ = text; }

private:
    std::string content_;
};

class ComboBox final : public ControlBase<ui::ComboBox> {
public:
    ComboBox(WindowContext& window, int page, std::vector<ui::layout::ComboItem> items)
        : ControlBase(window, page), items_(std::move(items)) {}
    int current_index() const override { return current_; }
    void set_current_index(int index) override;
    int item_count() const override { return static_cast<int>(items_.size()); }
    int item_value(int index) const override;

private:
    std::vector<ui::layout::ComboItem> items_;
    int current_ = -1;
};

class CheckBox final : public ControlBase<ui::CheckBox> {
public:
    using ControlBase::ControlBase;
    bool checked() const override { return checked_; }
    void set_checked(bool checked) override { checked_ = checked; }

private:
    bool checked_ = false;
};

class TabControl final : public ControlBase<ui::TabControl> {
public:
    TabControl(WindowContext& window, int page_count) : ControlBase(window, -1), page_count_(page_count) {}
    int current_page() const override { return window().current_page; }
    // A page that does not exist is refused, as the real tab control does.
    void set_current_page(int page) override;

private:
    int page_count_;
};

class StatusBar final : public ControlBase<ui::StatusBar> {
public:
    explicit StatusBar(WindowContext& window) : ControlBase(window, -1) {}
    std::string status_text(int part) const override;
    void set_status_text(int part, std::string_view text) override;

private:
    std::string parts_[2];
};

class MenuItem final : public ui::MenuItem {
public:
    bool checked() const override { return checked_; }
    void set_checked(bool checked) override { checked_ = checked; }
    bool disabled() const override { return disabled_; }
    void set_disabled(bool disabled) override { disabled_ = disabled; }

private:
    bool checked_ = false;
    bool disabled_ = false;
};

class Menu final : public ui::Menu {
public:
    Menu(WindowContext& window, std::string_view name, std::vector<ui::MenuItem*> items)
        : window_(window), name_(name), items_(std::move(items)) {}
    // Records the pop-up and takes the test's answer; the chosen item runs
    // later, once the caller of popup() has returned (see the driver).
    void popup() override;

private:
    WindowContext& window_;
    std::string name_;
    std::vector<ui::MenuItem*> items_;
};

class DropTarget final : public ui::DropTarget {
public:
    explicit DropTarget(WindowContext& window) : window_(window) {}
    bool register_on(std::intptr_t window_handle) override;

private:
    WindowContext& window_;
    bool registered_ = false;
};

}  // namespace kistvar::headless
