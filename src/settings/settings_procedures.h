// Moving the settings between MYBOX.ini, the path table and the controls.
#pragma once

#include <string>
#include <string_view>

#include "app/app.h"

namespace kistvar {

// "sharedstash_v2.bin", "sharedstashh_v2.bin", "sharedstash.bin" or
// "sharedstashh.bin": a setting counts as 0 only when it is exactly "0".
std::string stash_file_name_for(std::string_view version_setting, std::string_view mode_setting);
// One of those four names, in any letter case: a stash file of the game.
bool is_stash_file_name(std::string_view file_name);

// Reads MYBOX.ini once and shows what it holds. A file that exists but cannot
// be read changes nothing: false, with the system's reason.
bool load_settings(App& app, std::string* unreadable_reason = nullptr);
// The seven keys of the options page, and the language when the player picked
// another one than the program speaks.
void store_options(App& app);
void store_display_state(App& app);  // view, sort and the in-use marker; on destroy

// Writes this in-use marker to MYBOX.ini only, at once; false when it did not
// get there.
bool write_in_use_marker(const App& app, std::string_view marker);
// The in-use marker in the status bar ("别的箱子" in the words of the language).
void show_in_use_marker(App& app);

}  // namespace kistvar
