// What the controls of one headless window share, as the real window manager
// would hold it: the keyboard focus (one control at a time), the window
// handles, the registered drop targets, the tab page shown and the menu item
// chosen from a pop-up menu that has not run yet.
#pragma once

#include <cstdint>
#include <map>

#include "ui/controls.h"

namespace kistvar::headless {

struct WindowContext {
    const ui::Control* focused = nullptr;
    int current_page = 0;
    bool shown = false;
    bool destroyed = false;
    std::map<std::intptr_t, ui::DropTarget*> drop_targets;
    ui::MenuItem* chosen_menu_item = nullptr;  // runs once the pop-up's caller has returned

    std::intptr_t new_handle() { return ++last_handle_; }
    bool owns(std::intptr_t handle) const { return handle > first_handle_ && handle <= last_handle_; }

    // True when the focus moved (a control that has it already gets no new focus).
    bool move_focus_to(const ui::Control& control) {
        if (focused == &control) return false;
        focused = &control;
        return true;
    }

private:
    // Distinct per window, so a handle from another window is never taken for one of ours.
    static inline std::intptr_t next_window_base_ = 0;
    std::intptr_t first_handle_ = (next_window_base_ += 0x10000);
    std::intptr_t last_handle_ = first_handle_;
};

inline void fire(const ui::Event& event) {
    if (event) event();
}

}  // namespace kistvar::headless
