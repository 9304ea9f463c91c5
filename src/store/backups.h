// Copies kept in the box folder's "备份" of box contents that are about to be
// overwritten or removed while they exist nowhere else.
#pragma once

#include <string>
#include <string_view>

#include "store/outcome.h"
#include "store/places.h"

namespace kistvar::store {

inline constexpr int backups_kept = 100;

std::string backups_folder(const Places& places);  // box folder + "\备份"
// The backups folder, made when it is missing.
std::string ready_backups_folder(const Places& places);

// Copies `file` to "<yyyy-mm-dd hh.mm.ss> <title>.bin" (local time; " (2)"
// and on, after the title's highest, for its further backups of that second;
// a title too long for the name is cut short with "…")
// and removes the oldest backups beyond the newest hundred, never the one it
// wrote. A failed backup means the operation it protects must not run.
Backup back_up_box(const Places& places, std::string_view file, std::string_view title);

}  // namespace kistvar::store
