#include "platform/files.h"
#include "store/backups.h"
#include "store/box_editing.h"

namespace kistvar::store {

// A Recycle Bin may delete for good without a word: turned off for the
// drive, a file too large for it, a system without one behind the shell's
// back. So every deleted box is backed up first, bin or no bin.
Outcome delete_box(const Places& places, BoxKind kind, std::string_view title) {
    const std::string box_title(title);
    // The box in the stash slot is never deleted.
    if (kind == BoxKind::in_use) return {Result::refused, box_title, {}, {}};
    const std::string file = box_file(places, kind, title);
    if (Backup backup = back_up_box(places, file, title); backup.failed()) {
        // A box whose file is gone already has nothing to back up or lose:
        // the delete itself has failed.
        const bool gone = !file_exists(file) && last_failure_was_missing();
        return {gone ? Result::failed : Result::backup_failed, box_title, {}, gone ? Backup{} : backup};
    }
    switch (recycle_file(file)) {
        case recycled: return {Result::done, box_title, {}, {}};
        case no_recycle_bin: return {delete_file(file) ? Result::done : Result::failed, box_title, {}, {}};
        case recycle_failed: break;
    }
    return {Result::failed, box_title, {}, {}};
}

}  // namespace kistvar::store
