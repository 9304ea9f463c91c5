// Copies kept in the box folder's "备份" of box contents that are about to be
// overwritten or removed while they exist nowhere else.
#pragma once

#include <string>
#include <string_view>

#include "app/app.h"

namespace kistvar {

inline constexpr int backups_kept = 100;

std::string backups_folder(const App& app);  // box folder + "\备份"

// Copies `file` to "<yyyy-mm-dd hh.mm.ss> <title>.bin" (local time; " (2)"
// and on when taken) and removes all but the newest backups. False, after a
// message that says why, when no copy could be made: the caller then stops.
bool back_up_box(const App& app, std::string_view file, std::string_view title);

// What a swap backs up before anything moves: the slot's file while the
// marker is "别的箱子" (none needed when the slot is empty), and a chosen my
// box, which the game may overwrite once it is in the slot.
bool back_up_before_swap(const App& app, std::string_view chosen_title, bool chosen_is_my_box);

// Backs the box up, then deletes its file into the Recycle Bin (for good where
// its volume has none). False when the file stays (a backup failure has said so).
bool delete_box_file(const App& app, std::string_view file, std::string_view title);

void open_backups_folder(App& app);  // makes the folder when it is missing

}  // namespace kistvar
