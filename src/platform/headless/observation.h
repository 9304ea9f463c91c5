// What a test can see of the headless window that the logic cannot ask:
// whether it was shown, which control has the keyboard focus, whether a
// control's tab page is the one showing.
#pragma once

#include "ui/main_window.h"

namespace kistvar::headless {

bool window_shown(const ui::MainWindow& window);
const ui::Control* focused_control(const ui::MainWindow& window);
bool visible(const ui::Control& control);

}  // namespace kistvar::headless
