// The stash slot the in-use marker speaks of.
#pragma once

#include <string>

#include "app/app.h"

namespace kistvar {

// The marker "别的箱子" says that the stash file is a copy of a saved box,
// which the next swap may overwrite. That holds only for the stash file the
// copy went into. When the settings now name another stash file (another save
// folder, version or mode), that file is the game's own stash or a box put
// there earlier: it becomes the box in use under a free title ("MYBOX 1",
// "MYBOX 1 (2)", ...), so the next swap keeps it in MYBOX.
void keep_stash_of_new_slot(App& app, const std::string& previous_stash);

// The same before settings that name `next_stash` are stored: the new title
// reaches MYBOX.ini first, so the file never names the new slot together
// with "别的箱子". False when that write failed; the settings must then stay.
bool keep_stash_of_next_slot(App& app, const std::string& next_stash);

}  // namespace kistvar
