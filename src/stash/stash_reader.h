// Reads the game's shared-stash file from its bytes. Portable and read-only:
// every length and count in the file is checked against the bytes really
// there, so a damaged or hostile file gives a reason, never a crash.
#pragma once

#include <string_view>

#include "stash/stash_contents.h"

namespace kistvar::stash {

Contents read_stash(std::string_view file_bytes);

}  // namespace kistvar::stash
