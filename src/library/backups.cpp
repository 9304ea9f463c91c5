#include "library/backups.h"

#include <algorithm>
#include <vector>

#include "library/box_paths.h"
#include "library/safety_messages.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/time_text.h"

namespace kistvar {

namespace {

constexpr int shell_action_open = 4;
constexpr std::string_view stamp_shape = "0000-00-00 00.00.00 ";

// Only files named as this program names backups are counted and removed;
// anything else the player puts in the folder stays.
bool is_backup_name(std::string_view name) {
    if (name.size() < stamp_shape.size() + 4) return false;
    for (std::size_t i = 0; i < stamp_shape.size(); ++i) {
        const bool digit = name[i] >= '0' && name[i] <= '9';
        if ((stamp_shape[i] == '0') != digit || (!digit && name[i] != stamp_shape[i])) return false;
    }
    return true;
}

void remove_oldest_backups(const std::string& folder) {
    std::vector<std::string> names;
    SearchHandle search;
    for (std::string name = find_file(folder + "\\*.bin", 0, true, search); !name.empty();
         name = find_file("", 0, true, search))
        if (is_backup_name(name)) names.push_back(name);
    if (names.size() <= static_cast<std::size_t>(backups_kept)) return;
    std::sort(names.begin(), names.end());  // the names sort by time
    for (std::size_t i = 0; i + backups_kept < names.size(); ++i) delete_file(folder + "\\" + names[i]);
}

// Read and written rather than copied: the backup is on the disk for good
// before the original is touched, and a name taken meanwhile is never replaced.
bool copy_into_backups(const std::string& folder, std::string_view file, std::string_view title) {
    std::string content;
    if (!read_whole_file(file, content)) return false;
    if (!file_exists(folder)) create_folder(folder);
    const std::string stem = folder + "\\" + sortable_time_text(current_time()) + " " + std::string(title);
    for (int serial = 1;; ++serial) {
        const std::string target = stem + (serial == 1 ? "" : " (" + std::to_string(serial) + ")") + ".bin";
        if (file_exists(target)) continue;
        return write_file_atomically(target, content, false);
    }
}

}  // namespace

std::string backups_folder(const App& app) { return app.state.paths[box_folder] + "\\备份"; }

bool back_up_box(const App& app, std::string_view file, std::string_view title) {
    const std::string folder = backups_folder(app);
    if (!copy_into_backups(folder, file, title)) {
        // Shown even in quiet mode: the operation the player asked for did not run.
        messages::show(messages::backup_failed(title, folder, last_failure_reason()));
        return false;
    }
    remove_oldest_backups(folder);
    return true;
}

bool back_up_before_swap(const App& app, std::string_view chosen_title, bool chosen_is_my_box) {
    if (app.state.paths[in_use_marker] == other_box_marker) {
        const std::string slot = stash_file(app);
        // An empty slot needs none; a look-up that fails is no proof of that.
        const bool slot_empty = !file_exists(slot) && last_failure_was_missing();
        if (!slot_empty && !back_up_box(app, slot, other_box_marker)) return false;
    }
    return !chosen_is_my_box || back_up_box(app, my_box_file(app, chosen_title), chosen_title);
}

// A Recycle Bin may delete for good without a word: turned off for the
// drive, a file too large for it, a system without one behind the shell's
// back. So every deleted box is backed up first, bin or no bin.
bool delete_box_file(const App& app, std::string_view file, std::string_view title) {
    if (!back_up_box(app, file, title)) return false;
    switch (recycle_file(file)) {
        case recycled: return true;
        case no_recycle_bin: return delete_file(file);
        case recycle_failed: return false;
    }
    return false;
}

void open_backups_folder(App& app) {
    const std::string folder = backups_folder(app);
    if (!file_exists(folder)) create_folder(folder);
    shell_open(shell_action_open, folder);
}

}  // namespace kistvar
