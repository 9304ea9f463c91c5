// The two grids of the contents window: the left shows the box the list
// shows, the right the box chosen in the drop-down above it (every my box,
// every saved box and the box in use; at first the box in use). Each shows
// its box's cells as last read; a box still being read shows empty cells
// until the steps have read it.
#pragma once

#include <optional>

#include "app/app.h"
#include "ui/contents_window.h"

namespace kistvar::contents {

// The view of a side.
BoxView& box_view(App& app, ui::GridSide side);

// Looks at a box for a side: the file's facts first, then its contents (null
// while the steps read them), so a view is never newer than its facts.
void look_at(App& app, ui::GridSide side, std::optional<BoxSource> box);
// Reads a side's box again, as it is on disk now, and shows it.
void read_again(App& app, ui::GridSide side);
// The side's cells in its grid; a new box loses the highlighted cell.
void show_grid(App& app, ui::GridSide side, bool new_box);
// Takes the contents the steps have read for the right side; true when it
// waits no more.
bool right_side_read(App& app);

// The drop-down's choices from the lists as they are, the right side's box
// kept when it is still among them, else the box in use.
void show_box_choices(App& app);
void box_chosen(App& app, int choice);

}  // namespace kistvar::contents
