// Which moves the window offers, from what it read of the two boxes. The box
// store checks the files again when it moves; this only decides what a drop
// shows and which moves are worth asking the store for.
#pragma once

#include "stash/stash_contents.h"
#include "ui/stash_grid.h"

namespace kistvar::contents {

// An item may go from `from` in `source` to `to` in `target` (the same box
// for a rearrangement): there is an item, the cell is in the tab of its kind,
// both boxes are written whole (readable, every record of a known layout)
// and their records have the same layout (a new box's empty image takes any).
bool may_move(const stash::Contents& source, ui::GridPlace from, const stash::Contents& target, ui::GridPlace to);

}  // namespace kistvar::contents
