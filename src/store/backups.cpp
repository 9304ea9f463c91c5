#include "store/backups.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "platform/file_names.h"
#include "platform/files.h"
#include "platform/folder_watch.h"
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

// A backup as its name tells it: "<stamp> <title>[ (n)].bin".
struct FoundBackup {
    std::string name;
    std::size_t stem_size = 0;  // of the name less " (n)" and ".bin"
    int serial = 1;             // n among the title's backups of one second; 1 for none
    std::optional<FileFacts> facts;  // where the listing gave them

    std::string_view stamp() const { return std::string_view(name).substr(0, stamp_shape.size()); }
    std::string_view stem() const { return std::string_view(name).substr(0, stem_size); }
};

FoundBackup found_backup(std::string name, std::optional<FileFacts> facts) {
    FoundBackup backup{std::move(name), 0, 1, facts};
    const std::string_view base = std::string_view(backup.name).substr(0, backup.name.size() - backup_extension.size());
    backup.stem_size = base.size();
    const std::size_t open = base.rfind(" (");
    if (!base.ends_with(')') || open == std::string_view::npos || open < stamp_shape.size() || open + 4 > base.size())
        return backup;
    const std::string_view digits = base.substr(open + 2, base.size() - open - 3);
    int serial = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), serial);
    if (digits.front() == '-' || error != std::errc() || end != digits.data() + digits.size()) return backup;
    backup.stem_size = open;
    backup.serial = serial;
    return backup;
}

// The backups in the folder, from one listing; where the platform would look
// up each file for its write time, pruning asks for the few it weighs.
std::vector<FoundBackup> backups_in(const std::string& folder) {
    std::vector<FoundBackup> backups;
    for (ListedFile& file : list_files(folder + "\\*.bin"))
        if (is_backup_name(file.name)) backups.push_back(found_backup(std::move(file.name), file.facts));
    return backups;
}

// The backups folder as last listed, with this program's own backups and
// removals taken in since: a swap makes a backup at every turn, and listing
// the folder each time cost a swap more than all its other work but the
// durable writes. Kept while the folder's watch tells of no other change; the
// one folder of the library in use.
struct KeptBackups {
    std::unique_ptr<FolderWatch> watch;  // a new one tells "changed" at its first asking
    std::vector<FoundBackup> backups;
};

KeptBackups& kept_backups(const std::string& folder) {
    static KeptBackups kept;
    if (!kept.watch || kept.watch->folder() != folder) kept = {std::make_unique<FolderWatch>(folder), {}};
    return kept;
}

// The backups in the folder now. The watch is asked before the folder is
// listed, so that what changes while it lists is told the next time.
std::vector<FoundBackup> current_backups(const std::string& folder) {
    KeptBackups& kept = kept_backups(folder);
    if (kept.watch->changed()) kept.backups = backups_in(folder);
    return kept.backups;
}

// The folder as this backup left it, taken into the kept listing. The watch
// is asked at once, so that it tells only of what others change from now on;
// should another program change the folder in that moment, the next backup
// may number or count as if it had not, which a name found taken (stepped
// over) and a backup more or less than a hundred (pruned the next time) make
// good.
void take_in_own_changes(const std::string& folder, std::vector<FoundBackup> backups) {
    KeptBackups& kept = kept_backups(folder);
    kept.watch->changed();
    kept.backups = std::move(backups);
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

// Writes the content under "<stem>.bin", or with the number after the
// highest the folder holds for the stem ("<stem> (2).bin", ...), so that a
// title's backups of one second are numbered in the order they were written.
// A name taken since, or taken in another letter case (the write then fails
// and the name exists), is stepped over. Read and written rather than
// copied: the backup is on the disk for good before the original is touched,
// and a name taken meanwhile is never replaced; it joins `backups`, which
// did not know it. The backup's name, or the empty text with `reason` set.
std::string write_backup(const std::string& folder, std::vector<FoundBackup>& backups, std::string_view content,
                         std::string_view title, FileFacts& written, std::string& reason) {
    const std::string stem = backup_stem(title);
    int highest = 0;
    for (const FoundBackup& backup : backups)
        if (backup.stem() == stem) highest = std::max(highest, backup.serial);
    for (int serial = highest + 1;; ++serial) {
        const std::string name = stem + (serial == 1 ? "" : " (" + std::to_string(serial) + ")") + ".bin";
        if (write_file_atomically(folder + "\\" + name, content, false, &written)) return name;
        reason = last_failure_reason();
        if (!file_exists(folder + "\\" + name)) return {};
        backups.push_back(found_backup(name, std::nullopt));
    }
}

// One title's backups of one second, in the order of their numbers: the
// order they were written in.
struct TitleBackups {
    std::vector<const FoundBackup*> backups;
    std::size_t next = 0;
    std::optional<std::uint64_t> next_written;  // looked up once
};

// Keeps the newest backups. Only those older than the one just written, by
// the stamp of their name and by write time, may go, the oldest first: a
// clock set back, or backups copied from another computer, must not make the
// new one, or any written after it, the first to go. Within one second each
// title's backups go by their numbers and the titles take turns by write
// time, so only the backups weighed are looked up, not the whole folder.
// The names of those removed.
std::vector<std::string> remove_oldest_backups(const std::string& folder, std::vector<FoundBackup> backups,
                                               std::string_view newest, std::uint64_t newest_written) {
    std::vector<std::string> removed;
    const std::size_t count = backups.size() + 1;
    if (count <= static_cast<std::size_t>(backups_kept)) return removed;
    std::size_t surplus = count - backups_kept;
    const std::string_view newest_stamp = newest.substr(0, stamp_shape.size());
    std::erase_if(backups, [&](const FoundBackup& backup) { return backup.stamp() > newest_stamp; });
    // By stem (the stamp leads it), then by number.
    std::sort(backups.begin(), backups.end(), [](const FoundBackup& a, const FoundBackup& b) {
        return a.stem() != b.stem() ? a.stem() < b.stem() : a.serial < b.serial;
    });
    // The write time of a title's next backup that may go; a backup gone, or
    // written no earlier than the new one, is passed over.
    auto next_written = [&](TitleBackups& title) -> std::optional<std::uint64_t> {
        while (!title.next_written && title.next < title.backups.size()) {
            const FoundBackup& backup = *title.backups[title.next];
            FileFacts facts = backup.facts.value_or(FileFacts{});
            if ((backup.facts || file_facts(folder + "\\" + backup.name, facts)) && facts.last_write < newest_written)
                title.next_written = facts.last_write;
            else
                ++title.next;
        }
        return title.next_written;
    };
    for (std::size_t first = 0; surplus > 0 && first < backups.size();) {
        std::vector<TitleBackups> titles;
        std::size_t end = first;
        for (; end < backups.size() && backups[end].stamp() == backups[first].stamp(); ++end) {
            if (end == first || backups[end].stem() != backups[end - 1].stem()) titles.emplace_back();
            titles.back().backups.push_back(&backups[end]);
        }
        while (surplus > 0) {
            TitleBackups* oldest = nullptr;
            for (TitleBackups& title : titles)
                if (next_written(title) && (oldest == nullptr || *title.next_written < *oldest->next_written))
                    oldest = &title;
            if (oldest == nullptr) break;  // none of this second may go
            const std::string& name = oldest->backups[oldest->next]->name;
            if (delete_file(folder + "\\" + name)) removed.push_back(name);
            --surplus;
            ++oldest->next;
            oldest->next_written.reset();
        }
        first = end;
    }
    return removed;
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
    std::vector<FoundBackup> backups = current_backups(backup.folder);
    if (backups.empty()) ready_backups_folder(places);  // one that holds backups is there
    FileFacts written;
    const std::string name = write_backup(backup.folder, backups, content, title, written, backup.reason);
    if (name.empty()) return backup;  // the watch tells of whatever the failed write left
    backup.file = backup.folder + "\\" + name;
    const std::vector<std::string> removed = remove_oldest_backups(backup.folder, backups, name, written.last_write);
    std::erase_if(backups, [&](const FoundBackup& kept) {
        return std::find(removed.begin(), removed.end(), kept.name) != removed.end();
    });
    backups.push_back(found_backup(name, written.last_write != 0 ? std::optional(written) : std::nullopt));
    take_in_own_changes(backup.folder, std::move(backups));
    return backup;
}

}  // namespace kistvar::store
