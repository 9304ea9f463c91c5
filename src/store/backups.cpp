#include "store/backups.h"

#include <algorithm>
#include <cstdint>
#include <unordered_set>
#include <vector>

#include "platform/file_names.h"
#include "platform/files.h"
#include "platform/time_text.h"

namespace kistvar::store {

namespace {

constexpr std::string_view stamp_shape = "0000-00-00 00.00.00 ";
constexpr std::string_view backup_extension = ".bin";
// Kept free in a backup's name for " (n)", when its time and title are taken.
constexpr std::size_t serial_room = std::string_view(" (99999)").size();

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

struct FoundBackup {
    std::string name;
    std::uint64_t last_write = 0;

    std::string_view stamp() const { return std::string_view(name).substr(0, stamp_shape.size()); }
    // Older: an earlier stamp, or the same one and written earlier.
    bool operator<(const FoundBackup& other) const {
        return stamp() != other.stamp() ? stamp() < other.stamp() : last_write < other.last_write;
    }
};

// The backups in the folder, with when each was written, from one listing.
std::vector<FoundBackup> backups_in(const std::string& folder) {
    std::vector<FoundBackup> backups;
    SearchHandle search;
    FileFacts facts;
    for (std::string name = find_file(folder + "\\*.bin", 0, true, search); !name.empty();
         name = find_file("", 0, true, search))
        if (is_backup_name(name) && found_file_facts(search, facts)) backups.push_back({name, facts.last_write});
    return backups;
}

// "<stamp> <title>", the title cut short and marked with "…" where the name
// would not fit a file name with a serial and ".bin". The stamp comes first,
// so the names sort by time.
std::string backup_stem(std::string_view title) {
    std::string stem = sortable_time_text(current_time()) + " ";
    const std::size_t room = longest_file_name - stem.size() - serial_room - backup_extension.size();
    if (utf16_units(title) <= room) return stem.append(title);
    return stem.append(first_utf16_units(title, room - 1)).append("…");
}

// Writes the content under the first of "<stem>.bin", "<stem> (2).bin", ...
// that the listing does not have; a name taken since, or taken in another
// letter case (the write then fails and the name exists), is stepped over
// too. Read and written rather than copied: the backup is on the disk for
// good before the original is touched, and a name taken meanwhile is never
// replaced. The backup's name, or the empty text with `reason` set.
std::string write_backup(const std::string& folder, const std::vector<FoundBackup>& backups,
                         std::string_view content, std::string_view title, FileFacts& written, std::string& reason) {
    const std::string stem = backup_stem(title);
    std::unordered_set<std::string_view> listed;
    for (const FoundBackup& backup : backups)
        if (backup.name.starts_with(stem)) listed.insert(backup.name);
    for (int serial = 1;; ++serial) {
        const std::string name = stem + (serial == 1 ? "" : " (" + std::to_string(serial) + ")") + ".bin";
        if (listed.count(name)) continue;
        if (write_file_atomically(folder + "\\" + name, content, false, &written)) return name;
        reason = last_failure_reason();
        if (!file_exists(folder + "\\" + name)) return {};
    }
}

// Keeps the newest backups. Only those older than the one just written, by
// the stamp of their name and by write time, may go, the oldest first: a
// clock set back, or backups copied from another computer, must not make the
// new one, or any written after it, the first to go.
void remove_oldest_backups(const std::string& folder, std::vector<FoundBackup> backups, const FoundBackup& newest) {
    const std::size_t count = backups.size() + 1;
    if (count <= static_cast<std::size_t>(backups_kept)) return;
    std::erase_if(backups, [&](const FoundBackup& backup) {
        return backup.stamp() > newest.stamp() || backup.last_write >= newest.last_write;
    });
    std::sort(backups.begin(), backups.end());
    const std::size_t surplus = std::min(count - backups_kept, backups.size());
    for (std::size_t i = 0; i < surplus; ++i) delete_file(folder + "\\" + backups[i].name);
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
    std::string content;
    if (!read_whole_file(file, content)) {
        backup.reason = last_failure_reason();
        return backup;
    }
    const std::vector<FoundBackup> backups = backups_in(backup.folder);
    if (backups.empty()) ready_backups_folder(places);  // one that holds backups is there
    FileFacts written;
    const std::string name = write_backup(backup.folder, backups, content, title, written, backup.reason);
    if (name.empty()) return backup;
    backup.file = backup.folder + "\\" + name;
    remove_oldest_backups(backup.folder, backups, {name, written.last_write});
    return backup;
}

}  // namespace kistvar::store
