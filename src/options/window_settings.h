// The settings as the window shows them: MYBOX.ini through the path table into
// the options page, the lists, the menus and the status bar, and the options
// page back into MYBOX.ini.
#pragma once

#include <string>

#include "app/app.h"

namespace kistvar {

// Reads MYBOX.ini once and shows what it holds. A file that exists but cannot
// be read changes nothing: false, with the system's reason.
bool load_settings(App& app, std::string* unreadable_reason = nullptr);
// The seven keys of the options page, and the language when the player picked
// another one than the program speaks.
void store_options(App& app);

}  // namespace kistvar
