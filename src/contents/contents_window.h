// The procedures of the contents window: opening it, showing the selected
// box while the search box is empty, searching every box, and following the
// lists as they change. Reading and row making go in steps the message loop
// runs (each within a StepBudget), so the window keeps answering however
// large the library or a box.
#pragma once

#include "app/app.h"

namespace kistvar::contents {

// The button, Alt+Enter and the menu item: opens the window (or brings it forward).
void open_contents(App& app);
// The selection of a list changed: an open window without a search shows the new box.
void follow_selection(App& app);
// A list changed (a box added, removed, renamed or swapped, the list filled
// again): an open window checks at its next step that what it shows still
// stands, and shows it anew if not.
void follow_lists(App& app);
void search_changed(App& app);
// The language changed: an open window says again what it showed, in the new words.
void show_in_current_language(App& app);
// One step of the loop: boxes waited for, the search, the rows still to make.
void contents_step(App& app);
// A row of the search: selects its box in its list, as a click would, and shows it.
void found_row_double_clicked(App& app, int row);

}  // namespace kistvar::contents
