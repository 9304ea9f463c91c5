// What the disk holds where boxes can be: every file of the world's folders,
// by path, with its bytes. Read around the program (not through its fault
// seam), so a check sees the disk as it is.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

namespace kistvar::safety {

struct DiskSnapshot {
    std::map<std::string, std::string> files;  // native path -> content

    // Every file directly in `folder` whose name ends in ".bin" in any letter case.
    std::vector<std::string> boxes_in(const std::string& folder) const;
    std::set<std::string> contents() const;
    bool holds(const std::string& path) const { return files.count(path) != 0; }
    const std::string& content_of(const std::string& path) const { return files.at(path); }
};

// Reads every regular file below `root` (all levels) but in the skipped folders.
DiskSnapshot take_snapshot(const std::string& root, const std::vector<std::string>& skipped = {});

bool is_temporary_name(const std::string& path);

}  // namespace kistvar::safety
