#include "store/box_writes.h"

#include <string>

#include "stash/stash_contents.h"
#include "store/backups.h"

namespace kistvar::store {

namespace {

bool changes(const BoxWrite& write) { return write.now != write.meant; }

// Puts the first `written` boxes back as they were, the last first: in a
// move that is the box that lost the item, so the item is never in neither.
bool put_back(const std::vector<BoxWrite>& writes, std::size_t written) {
    bool all = true;
    for (std::size_t i = written; i-- > 0;)
        if (changes(writes[i]) && !write_file_atomically(writes[i].path, writes[i].now)) all = false;
    return all;
}

MoveOutcome failure(MoveResult result, std::string_view box) {
    MoveOutcome outcome;
    outcome.result = result;
    outcome.box = box;
    return outcome;
}

}  // namespace

MoveOutcome write_boxes(const Places& places, const std::vector<BoxWrite>& writes, std::vector<FileFacts>& facts) {
    for (const BoxWrite& write : writes) {
        if (!changes(write)) continue;
        if (Backup backup = back_up_box(places, write.path, write.title); backup.failed()) {
            MoveOutcome outcome = failure(MoveResult::backup_failed, write.title);
            outcome.backup = std::move(backup);
            return outcome;
        }
    }
    for (std::size_t i = 0; i < writes.size(); ++i) {
        if (!changes(writes[i]) || write_file_atomically(writes[i].path, writes[i].meant)) continue;
        MoveOutcome outcome = failure(MoveResult::write_failed, writes[i].title);
        outcome.reason = last_failure_reason();
        outcome.restored = put_back(writes, i);
        return outcome;
    }
    std::string read;
    for (const BoxWrite& write : writes) {
        if (!changes(write) || (read_file_up_to(write.path, stash::largest_stash_size, read) && read == write.meant))
            continue;
        MoveOutcome outcome = failure(MoveResult::read_back_differs, write.title);
        outcome.restored = put_back(writes, writes.size());
        return outcome;
    }
    facts.assign(writes.size(), FileFacts{});
    for (std::size_t i = 0; i < writes.size(); ++i) file_facts(writes[i].path, facts[i]);
    return {};
}

}  // namespace kistvar::store
