#include "store/backups.h"

#include <algorithm>
#include <vector>

#include "platform/files.h"
#include "platform/time_text.h"

namespace kistvar::store {

namespace {

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
// The backup's file, or the empty text.
std::string copy_into_backups(const std::string& folder, std::string_view file, std::string_view title) {
    std::string content;
    if (!read_whole_file(file, content)) return {};
    if (!file_exists(folder)) create_folder(folder);
    const std::string stem = folder + "\\" + sortable_time_text(current_time()) + " " + std::string(title);
    for (int serial = 1;; ++serial) {
        const std::string target = stem + (serial == 1 ? "" : " (" + std::to_string(serial) + ")") + ".bin";
        if (file_exists(target)) continue;
        return write_file_atomically(target, content, false) ? target : std::string();
    }
}

}  // namespace

std::string backups_folder(const Places& places) { return places.box_folder + "\\备份"; }

std::string ready_backups_folder(const Places& places) {
    const std::string folder = backups_folder(places);
    if (!file_exists(folder)) create_folder(folder);
    return folder;
}

Backup back_up_box(const Places& places, std::string_view file, std::string_view title) {
    Backup backup{std::string(title), backups_folder(places), {}, {}};
    backup.file = copy_into_backups(backup.folder, file, title);
    if (backup.failed()) {
        backup.reason = last_failure_reason();
        return backup;
    }
    remove_oldest_backups(backup.folder);
    return backup;
}

}  // namespace kistvar::store
