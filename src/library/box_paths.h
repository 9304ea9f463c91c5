// Where a box lives on disk, and which names a user may give a box.
#pragma once

#include <string>
#include <string_view>

#include "app/app.h"

namespace kistvar {

std::string my_boxes_folder(const App& app);                       // box folder + "\MYBOX"
std::string my_box_file(const App& app, std::string_view title);     // ...\MYBOX\T.bin
std::string saved_box_file(const App& app, std::string_view title);  // box folder\T.bin
std::string stash_file(const App& app);                              // save folder\stash file name

// Folders are the same whatever their letter case and a closing "\".
bool same_folder(std::string_view a, std::string_view b);

// Why a typed box name cannot be used, or the empty text when it can: empty;
// too long for a file name; \ / : * ? " < > | or a control character; a
// reserved device name.
std::string box_name_problem(std::string_view name);

}  // namespace kistvar
