// Looking at and arranging a test folder directly on the disk, past the
// program's services and their fault seam.
#pragma once

#include <algorithm>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "support/temp_folder.h"

namespace kistvar::test {

inline std::filesystem::path disk_path(std::string_view path) {
    std::string native = native_path(path);
    return std::filesystem::path(std::u8string(native.begin(), native.end()));
}

// The bare names in a folder, sorted.
inline std::vector<std::string> names_on_disk(std::string_view folder) {
    std::vector<std::string> names;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(disk_path(folder), ignored)) {
        auto name = entry.path().filename().u8string();
        names.emplace_back(name.begin(), name.end());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// Read-only the way the platform knows it (the attribute on Windows, no write
// permission on POSIX).
inline void set_read_only_on_disk(std::string_view path, bool read_only) {
    using std::filesystem::perms;
    auto write = perms::owner_write | perms::group_write | perms::others_write;
    std::filesystem::permissions(disk_path(path), write,
                                 read_only ? std::filesystem::perm_options::remove
                                           : std::filesystem::perm_options::add);
}

}  // namespace kistvar::test
