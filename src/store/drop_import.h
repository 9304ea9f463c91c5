// A box file dropped from the shell onto one of the lists, taken into the
// library.
#pragma once

#include <string>
#include <string_view>

#include "store/outcome.h"
#include "store/places.h"

namespace kistvar::store {

enum class DropResult {
    importable,
    not_one_box,  // not a single box file (a name ending in ".bin", in any letter case)
    refused,      // its title cannot be a box's here; `reason` says why
    in_place,     // dropped where it already lies: the box is in the library already
};

struct Drop {
    DropResult result = DropResult::importable;
    std::string source;       // the dropped file
    std::string file_name;    // its name
    std::string title;        // the box it becomes
    std::string destination;  // its file in the library
    std::string reason;
};

// What the drop's text (one path; several come each ending in "\r\n") would
// bring into my boxes or the saved boxes. Touches no file.
Drop read_drop(const Places& places, bool into_my_boxes, std::string_view dropped_files_text);

// Whether the drop's destination is taken: the player is asked before it is replaced.
bool destination_taken(const Drop& drop);

// Copies the dropped file in. Over the file at its destination only when
// `replace` says the player agreed, and only once that file is backed up;
// otherwise never over any file.
Outcome import_box(const Places& places, const Drop& drop, bool replace);

}  // namespace kistvar::store
