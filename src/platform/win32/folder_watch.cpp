// Folder watches on Windows: none. A change notification holds its folder
// open, and Windows refuses to rename or remove a folder above an open one: a
// player moving the game's folders or the library while the program runs
// would be told that a program is using them. A listing there gives each
// file's facts with its name, so listing again costs no look-up per file.
// Every ask says "changed", and the caller lists.
#include "platform/native_files.h"

namespace kistvar::native {

std::intptr_t watch_folder(std::string_view) { return 0; }

bool folder_changed(std::intptr_t) { return true; }

void end_watch(std::intptr_t) {}

}  // namespace kistvar::native
