// What a test can see of the headless window that the logic cannot ask:
// whether it was shown, which control has the keyboard focus, whether a
// control's tab page is the one showing, and the words it shows.
#pragma once

#include <string>
#include <string_view>

#include "ui/main_window.h"

namespace kistvar::headless {

bool window_shown(const ui::MainWindow& window);
const ui::Control* focused_control(const ui::MainWindow& window);
bool visible(const ui::Control& control);
// The caption of a control or menu item by its layout name; a drop-down's
// items joined by "|"; "" names the window's title.
std::string shown_text(const ui::MainWindow& window, std::string_view name);

}  // namespace kistvar::headless
