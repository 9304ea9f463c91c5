// A box's items as the grid shows them: each at its tab and place, with the
// words of its cell and its tip. Grid tabs are the stash's, in its order.
#pragma once

#include <optional>

#include "stash/stash_contents.h"
#include "store/item_moves.h"
#include "ui/stash_grid.h"

namespace kistvar::contents {

// The cells of a readable box; an item without a place in a tab (a damaged
// or future file) is listed, not drawn. Nothing for an unreadable box.
ui::GridCells grid_cells(const stash::Contents& contents);
// The item drawn at a cell, if any.
const stash::Item* item_at(const stash::Contents& contents, ui::GridPlace at);

// A grid's cell as the box store names it, and back.
store::Cell store_cell(ui::GridPlace at);
ui::GridPlace grid_place(store::Cell cell);
// The grid tab of an item's tab; nothing for an item without a tab.
std::optional<int> grid_tab(stash::Tab tab);

}  // namespace kistvar::contents
