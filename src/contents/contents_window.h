// The procedures of the contents window: opening it, showing the selected
// box while the search box is empty, and searching every box in steps the
// message loop runs, so the window keeps answering while boxes are read.
#pragma once

#include "app/app.h"

namespace kistvar::contents {

// The button, Alt+Enter and the menu item: opens the window (or brings it forward).
void open_contents(App& app);
// The selection of a list changed: an open window without a search shows the new box.
void follow_selection(App& app);
void search_changed(App& app);
// The language changed: an open window says again what it showed, in the new words.
void show_in_current_language(App& app);
void search_step(App& app);
// A row of the search: selects its box in its list, as a click would, and shows it.
void found_row_double_clicked(App& app, int row);

}  // namespace kistvar::contents
