// The status bar's second part: the box in use.
#pragma once

#include <string_view>

#include "app/app.h"

namespace kistvar {

// The in-use marker ("别的箱子" in the words of the language).
void show_in_use_marker(App& app);
// The box a swap just put into the slot: a my box, or a copy of a saved box.
void show_swapped_in(App& app, std::string_view title, bool my_box);

}  // namespace kistvar
