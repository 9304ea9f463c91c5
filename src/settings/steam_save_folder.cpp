#include "settings/steam_save_folder.h"

#include <vector>

#include "platform/files.h"
#include "settings/settings_procedures.h"

namespace kistvar {

namespace {

// Any version's and mode's stash: the options may still be at their defaults.
bool holds_a_stash(const std::string& folder) {
    for (const char* version : {"0", "1"})
        for (const char* mode : {"0", "1"})
            if (file_exists(folder + "\\" + stash_file_name_for(version, mode))) return true;
    return false;
}

bool all_digits(std::string_view name) {
    if (name.empty()) return false;
    for (char c : name)
        if (c < '0' || c > '9') return false;
    return true;
}

}  // namespace

std::string save_folder_with_steam_number(std::string_view plain_folder) {
    const std::string plain(plain_folder);
    if (holds_a_stash(plain)) return plain;
    std::vector<std::string> numbered;
    SearchHandle search;
    for (std::string name = find_file(plain + "\\*", attribute_folder, false, search); !name.empty();
         name = find_file("", attribute_folder, false, search))
        if (all_digits(name) && holds_a_stash(plain + "\\" + name)) numbered.push_back(plain + "\\" + name);
    return numbered.size() == 1 ? numbered.front() : plain;
}

}  // namespace kistvar
