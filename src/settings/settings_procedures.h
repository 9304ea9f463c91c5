// Moving the settings between MYBOX.ini and the path table.
#pragma once

#include <string>
#include <string_view>

#include "language/language.h"
#include "settings/path_table.h"
#include "settings/setting_keys.h"

namespace kistvar {

// "sharedstash_v2.bin", "sharedstashh_v2.bin", "sharedstash.bin" or
// "sharedstashh.bin": a setting counts as 0 only when it is exactly "0".
std::string stash_file_name_for(std::string_view version_setting, std::string_view mode_setting);
// One of those four names, in any letter case: a stash file of the game.
bool is_stash_file_name(std::string_view file_name);

// Reads MYBOX.ini once: the eight settings into the table (a missing key as
// its default) and the language it asks for (Windows' when none). A file that
// exists but cannot be read changes nothing: false, with the system's reason.
bool read_settings(std::string_view settings_file, PathTable& paths, language::Language& language,
                   std::string& unreadable_reason);

// One key, written at once; false when it did not get there.
bool write_setting_key(std::string_view settings_file, const setting_keys::Key& key, std::string_view value);
// Writes this in-use marker to MYBOX.ini only, at once; false when it did not
// get there.
bool write_in_use_marker(std::string_view settings_file, std::string_view marker);
// View, sort and the in-use marker from the table; when the window goes.
void store_display_state(std::string_view settings_file, const PathTable& paths);

}  // namespace kistvar
