// A new stash slot keeps the box in it (see store/stash_slot.h); the marker
// and the status bar follow.
#pragma once

#include <string>

#include "app/app.h"

namespace kistvar {

// After settings that name another stash file than `previous_stash` were
// loaded: a copy of a saved box there is no longer the box in the slot.
void keep_stash_of_new_slot(App& app, const std::string& previous_stash);

// The same before settings that name `next_stash` are stored: the new title
// reaches MYBOX.ini first, so the file never names the new slot together
// with "别的箱子". False when that write failed; the settings must then stay.
bool keep_stash_of_next_slot(App& app, const std::string& next_stash);

}  // namespace kistvar
