// The stash slot the in-use marker speaks of.
#pragma once

#include <optional>
#include <string_view>

#include "store/outcome.h"
#include "store/places.h"

namespace kistvar::store {

// The marker "别的箱子" says that the stash file is a copy of a saved box,
// which the next swap may overwrite. That holds only for the slot the copy
// went into. When the slot changes, between the stash file of `places` and
// `other_slot` (another save folder, version or mode), the file in the new
// slot is the game's own stash or a box put there earlier: it becomes the box
// in use under a free title ("MYBOX 1", "MYBOX 1 (2)", ...), written to
// MYBOX.ini at once, so the next swap keeps it in MYBOX. The outcome's title
// is the new marker (failed when MYBOX.ini did not take it); nothing when the
// marker stays.
std::optional<Outcome> name_box_in_slot(const Places& places, std::string_view other_slot);

}  // namespace kistvar::store
