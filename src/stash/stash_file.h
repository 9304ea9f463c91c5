// Reads a stash from a file on disk, through the program's file services.
#pragma once

#include <string_view>

#include "stash/stash_contents.h"

namespace kistvar::stash {

// A file over the size limit is refused from its size alone; a file that
// cannot be read gives Problem::cannot_read.
Contents read_stash_file(std::string_view path);

}  // namespace kistvar::stash
