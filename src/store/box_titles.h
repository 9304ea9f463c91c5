// Box titles and box file names: which directory entries are boxes, which
// names a box may have, and when two titles name the same file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "store/places.h"

namespace kistvar::store {

// A box file's name ends in ".bin", in any letter case (as Windows matches it).
bool is_box_file_name(std::string_view file_name);
// The file name less its last four bytes, the ".bin".
std::string title_of_box_file(std::string_view file_name);

// The titles of the box files in a folder, in the order the search gives.
// `skip_stash_files` leaves out files named like the game's stash files.
std::vector<std::string> box_titles_in(std::string_view folder, bool skip_stash_files = false);

// Titles name the same file when they differ only in letter case, as on the
// Windows file systems the boxes live on ("ящик" and "Ящик" too).
bool same_title(std::string_view a, std::string_view b);

// "别的箱子" stands for the saved-box state and can never be a my box's title.
bool is_reserved_title(std::string_view title);

// Why a typed box name cannot be used, or the empty text when it can: empty;
// too long for a file name; \ / : * ? " < > | or a control character; a
// reserved device name.
std::string box_name_problem(std::string_view name);

// The title is already in use among my boxes: a file in MYBOX or the box in use.
bool my_box_title_taken(const Places& places, std::string_view title);

// The first of "MYBOX 1", "MYBOX 1 (2)", "MYBOX 1 (3)", ... that no file in
// MYBOX has: the title a box in the slot gets when it has none of its own.
std::string first_free_my_box_title(const Places& places);

}  // namespace kistvar::store
