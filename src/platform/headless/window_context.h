// What the controls of one headless window share, as the real window manager
// would hold it: the keyboard focus (one control at a time), the window
// handles, the registered drop targets, the tab page shown and the menu item
// chosen from a pop-up menu that has not run yet; and where each control sits.
#pragma once

#include <cstdint>
#include <map>
#include <utility>

#include "ui/controls.h"

namespace kistvar::headless {

class Placement;

struct WindowContext {
    Placement* focused = nullptr;  // the control with the keyboard focus
    int current_page = 0;
    bool shown = false;
    bool destroyed = false;
    std::map<std::intptr_t, ui::DropTarget*> drop_targets;
    ui::MenuItem* chosen_menu_item = nullptr;  // runs once the pop-up's caller has returned

    std::intptr_t new_handle() { return ++last_handle_; }
    bool owns(std::intptr_t handle) const { return handle > first_handle_ && handle <= last_handle_; }

    // True when the focus moved (a control that has it already gets no new
    // focus). The control losing it hears of it first, as with the real
    // kill-focus and set-focus messages.
    bool move_focus_to(Placement& control);

private:
    // Distinct per window, so a handle from another window is never taken for one of ours.
    static inline std::intptr_t next_window_base_ = 0;
    std::intptr_t first_handle_ = (next_window_base_ += 0x10000);
    std::intptr_t last_handle_ = first_handle_;
};

class Placement {
public:
    Placement(WindowContext& window, int page) : window_(window), page_(page) {}
    virtual ~Placement() = default;
    bool visible() const { return page_ < 0 || page_ == window_.current_page; }
    WindowContext& window() const { return window_; }
    virtual void focus_lost() {}

private:
    WindowContext& window_;
    int page_;
};

inline bool WindowContext::move_focus_to(Placement& control) {
    if (focused == &control) return false;
    Placement* previous = std::exchange(focused, &control);
    if (previous) previous->focus_lost();
    return true;
}

inline void fire(const ui::Event& event) {
    if (event) event();
}

}  // namespace kistvar::headless
