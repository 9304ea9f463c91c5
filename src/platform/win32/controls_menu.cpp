#include "platform/win32/controls_menu.h"

namespace kistvar::win32 {
namespace {

std::optional<POINT> next_menu_at;

}  // namespace

void popup_next_menu_at(std::optional<POINT> screen_point) { next_menu_at = screen_point; }

bool Win32MenuItem::checked() const {
    return (GetMenuState(menu_, command_id_, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

void Win32MenuItem::set_checked(bool checked) {
    CheckMenuItem(menu_, command_id_, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

bool Win32MenuItem::disabled() const {
    return (GetMenuState(menu_, command_id_, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) != 0;
}

void Win32MenuItem::set_disabled(bool disabled) {
    EnableMenuItem(menu_, command_id_, MF_BYCOMMAND | (disabled ? MF_GRAYED : MF_ENABLED));
}

void Win32MenuItem::choose() {
    if (!disabled() && on_chosen) on_chosen();
}

Win32Menu::~Win32Menu() { DestroyMenu(menu_); }

void Win32Menu::popup() {
    POINT at{};
    if (next_menu_at) {
        at = *next_menu_at;
    } else {
        GetCursorPos(&at);
        at.x += 3;
        at.y += 3;
    }
    // Without the owner in the foreground a pop-up menu does not close when
    // the user clicks elsewhere.
    if (IsWindowVisible(owner_)) SetForegroundWindow(owner_);
    TrackPopupMenu(menu_, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0,
                   owner_, nullptr);
}

}  // namespace kistvar::win32
