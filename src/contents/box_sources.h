// Which files the contents window reads: the box in use is the stash slot's
// file, every other my box its file in MYBOX, a saved box its file in the box
// folder.
#pragma once

#include <optional>
#include <vector>

#include "app/app.h"
#include "contents/item_search.h"

namespace kistvar::contents {

// The box shown by an item of one of the two lists.
BoxSource box_source(const App& app, const ui::ListView& list, int item);
// The box selected in the current list, if any.
std::optional<BoxSource> selected_box(const App& app);
// Every box of both lists, and the stash slot when it holds a copy of a
// saved box (no list shows that one).
std::vector<BoxSource> all_boxes(const App& app);

}  // namespace kistvar::contents
