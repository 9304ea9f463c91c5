// Box titles and box file names: which directory entries are boxes, and when
// two titles name the same file.
#pragma once

#include <string>
#include <string_view>

#include "app/app.h"

namespace kistvar {

// A box file's name ends in ".bin", in any letter case (as Windows matches it).
bool is_box_file_name(std::string_view file_name);
// The file name less its last four bytes, the ".bin".
std::string title_of_box_file(std::string_view file_name);

// Titles name the same file when they differ only in the case of ASCII
// letters, as on the Windows file systems the boxes live on.
bool same_title(std::string_view a, std::string_view b);

// "别的箱子" stands for the saved-box state and can never be a my box's title.
bool is_reserved_title(std::string_view title);

// The title is already in use among my boxes: a file in MYBOX or the box in use.
bool my_box_title_taken(const App& app, std::string_view title);

// The first of "MYBOX 1", "MYBOX 1 (2)", "MYBOX 1 (3)", ... that no file in
// MYBOX has: the title a box in the slot gets when it has none of its own.
std::string first_free_my_box_title(const App& app);

}  // namespace kistvar
