// Copying a box to a name that no box has.
#pragma once

#include <string>
#include <string_view>

namespace kistvar::store {

// Copies the file to a temporary name beside `target` and renames it there,
// which never replaces a file: an existence check that failed to see a box
// can then not lead to overwriting it. False when `target` exists.
bool copy_to_new_box_file(std::string_view source, const std::string& target);

}  // namespace kistvar::store
