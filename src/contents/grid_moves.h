// Moving items between the two grids of the contents window, and undoing
// moves: the window asks the game guard where the stash slot is written,
// calls the box store, and shows both boxes as read back. A refusal is shown
// with the stop icon, always, also while messages are turned off.
#pragma once

#include "app/app.h"
#include "ui/contents_window.h"

namespace kistvar::contents {

// Whether a drag may drop on the cell: what the window read of the two boxes
// allows the move (the store checks the files again).
bool drop_allowed(App& app, const ui::GridMove& move);
// A drop: the item goes to the cell, and the item there, if any, to its place.
void item_dropped(App& app, const ui::GridMove& move);
// Enter or "移到另一边": the item to the first free place of its tab on the other side.
void move_across(App& app, ui::GridSide side, ui::GridPlace at);
// Ctrl+Z or "撤销移动": the last move of this run not undone yet is taken back.
void undo_last_move(App& app);

}  // namespace kistvar::contents
