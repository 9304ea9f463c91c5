// The part every headless control shares: its window handle, its disabled
// flag, the keyboard focus and its place on a tab page.
#pragma once

#include <cstdint>

#include "platform/headless/window_context.h"
#include "ui/controls.h"

namespace kistvar::headless {

template <class Interface>
class ControlBase : public Interface, public Placement {
public:
    ControlBase(WindowContext& window, int page)
        : Placement(window, page), handle_(window.new_handle()) {}

    bool disabled() const override { return disabled_; }
    void set_disabled(bool disabled) override { disabled_ = disabled; }
    std::intptr_t window_handle() const override { return handle_; }
    void set_focus() override { window().move_focus_to(*this); }
    bool has_focus() const { return window().focused == static_cast<const Placement*>(this); }

private:
    std::intptr_t handle_;
    bool disabled_ = false;
};

}  // namespace kistvar::headless
