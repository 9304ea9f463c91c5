// The info tip a list shows for the box under the mouse.
#pragma once

#include <string>

#include "app/app.h"

namespace kistvar::contents {

// What the box holds, in a line: its first item names, or why it is empty or
// unreadable. Reads the box through the contents cache; a large one is read
// by the contents window's steps, and meanwhile the tip says "读取中…".
std::string box_info_tip(App& app, const ui::ListView& list, int item);

}  // namespace kistvar::contents
