// The two pop-up-only menus. Items are real menu items with command ids; a
// chosen item's WM_COMMAND reaches the main window's message loop after the
// menu has closed, which then runs the item's event.
#pragma once

#include <windows.h>

#include <optional>
#include <string_view>

#include "ui/controls.h"

namespace kistvar::win32 {

class Win32MenuItem final : public ui::MenuItem {
public:
    Win32MenuItem(HMENU menu, UINT command_id) : menu_(menu), command_id_(command_id) {}

    bool checked() const override;
    void set_checked(bool checked) override;
    bool disabled() const override;
    void set_disabled(bool disabled) override;

    UINT command_id() const { return command_id_; }
    // A chosen item runs its event unless it is greyed.
    void choose();

private:
    HMENU menu_;
    UINT command_id_;
};

// Where the next pop-up menu opens instead of at the mouse pointer (screen
// coordinates; nullopt: at the pointer again). A menu opened from the
// keyboard belongs at the item it is about, not where the mouse happens to be.
void popup_next_menu_at(std::optional<POINT> screen_point);

class Win32Menu final : public ui::Menu {
public:
    Win32Menu(HWND owner, HMENU menu) : owner_(owner), menu_(menu) {}
    ~Win32Menu() override;
    Win32Menu(const Win32Menu&) = delete;
    Win32Menu& operator=(const Win32Menu&) = delete;

    void popup() override;
    HMENU handle() const { return menu_; }

private:
    HWND owner_;
    HMENU menu_;  // destroying it destroys its sub-menus too
};

}  // namespace kistvar::win32
