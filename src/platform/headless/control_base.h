// The part every headless control shares: its window handle, its disabled
// flag, the keyboard focus and whether its tab page is the one shown.
#pragma once

#include <cstdint>

#include "platform/headless/window_context.h"
#include "ui/controls.h"

namespace kistvar::headless {

// Where a control sits: on the window itself (page -1) or on one tab page.
class Placement {
public:
    Placement(WindowContext& window, int page) : window_(window), page_(page) {}
    virtual ~Placement() = default;
    bool visible() const { return page_ < 0 || page_ == window_.current_page; }
    WindowContext& window() const { return window_; }

private:
    WindowContext& window_;
    int page_;
};

template <class Interface>
class ControlBase : public Interface, public Placement {
public:
    ControlBase(WindowContext& window, int page)
        : Placement(window, page), handle_(window.new_handle()) {}

    bool disabled() const override { return disabled_; }
    void set_disabled(bool disabled) override { disabled_ = disabled; }
    std::intptr_t window_handle() const override { return handle_; }
    void set_focus() override { window().move_focus_to(*this); }
    bool has_focus() const { return window().focused == this; }

private:
    std::intptr_t handle_;
    bool disabled_ = false;
};

}  // namespace kistvar::headless
