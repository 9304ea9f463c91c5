// The game overwrites the stash slot with its own copy while a character is
// loaded: a swap, and a move into or out of the box in use, ask first
// whenever the game runs.
#pragma once

#include <string_view>

#include "language/text_id.h"

namespace kistvar {

inline constexpr std::string_view game_program_file = "Torchlight2.exe";

// True when the write to the slot may go on: the game does not run, or the
// player said OK to the question. A question, so it shows even when messages
// are turned off.
bool game_allows(language::Text question);
inline bool game_allows_swap() { return game_allows(language::Text::game_running_question); }
inline bool game_allows_move() { return game_allows(language::Text::move_game_running_question); }

}  // namespace kistvar
