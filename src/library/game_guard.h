// The game overwrites the stash slot with its own copy while a character is
// loaded: a swap asks first whenever the game runs.
#pragma once

#include <string_view>

namespace kistvar {

inline constexpr std::string_view game_program_file = "Torchlight2.exe";

// True when the swap may go on: the game does not run, or the player said OK.
bool game_allows_swap();

}  // namespace kistvar
