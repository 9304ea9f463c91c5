// Save as, new box, rename and delete, on disk. A name is checked here as
// well as where it is typed: no operation makes a path of a name a box file
// cannot have.
#pragma once

#include <string_view>

#include "store/outcome.h"
#include "store/places.h"

namespace kistvar::store {

// Copies the box to a new saved box titled `name`; never over a file.
Outcome save_as(const Places& places, BoxKind kind, std::string_view title, std::string_view name);
// Whether a saved box has that title already (save as asks for another).
bool saved_box_exists(const Places& places, std::string_view title);

// An empty my box titled "MYBOX " and the time now in the language's form
// (" (2)", " (3)", ... when taken); `title` of the outcome is its title.
Outcome new_box(const Places& places);

// Renames a box file; never over another file. A change of letter case alone
// is allowed. Refused: a name a box cannot have, the reserved title, the
// title of the box in use (for my boxes), a title taken.
Outcome rename_my_box(const Places& places, std::string_view old_title, std::string_view new_title);
Outcome rename_saved_box(const Places& places, std::string_view old_title, std::string_view new_title);
// The box in use has no file of its own (it is the stash file): only the
// marker changes, in MYBOX.ini at once (failed, and no change, when the file
// does not take it), and the next swap puts the box back into MYBOX under
// the new title. `title` of the outcome is the new marker.
Outcome rename_box_in_use(const Places& places, std::string_view old_title, std::string_view new_title);

// Backs the box up, then deletes its file into the Recycle Bin (for good where
// its volume has none).
Outcome delete_box(const Places& places, BoxKind kind, std::string_view title);

}  // namespace kistvar::store
