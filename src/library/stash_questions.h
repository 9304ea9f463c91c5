// The question asked before a file that is not a readable shared stash goes
// into the library or into the game's slot. The game may refuse such a file
// or lose what it holds, so the player decides; the question shows whatever
// the quiet box says.
#pragma once

#include <string_view>

namespace kistvar {

// True when the dropped file reads as a stash, or the player wants it anyway.
bool dropped_file_may_go_in(std::string_view path, std::string_view file_name);
// True when the box reads as a stash, or the player wants it swapped in anyway.
bool box_may_be_swapped_in(std::string_view path, std::string_view title);

}  // namespace kistvar
