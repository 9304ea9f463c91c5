// Steam copies of the game keep their saves one level deeper, in a folder
// named after the player's Steam number.
#pragma once

#include <string>
#include <string_view>

namespace kistvar {

// The save folder a first run should offer: `plain_folder`, unless it holds
// no stash file and exactly one sub-folder whose name is all digits does.
std::string save_folder_with_steam_number(std::string_view plain_folder);

}  // namespace kistvar
