// What an operation of the store did on disk, for the window to show: done,
// or what stopped it and why.
#pragma once

#include <string>

namespace kistvar::store {

// A copy of a box in the backups folder, or why none could be written.
struct Backup {
    std::string title;   // the box it keeps
    std::string folder;  // the backups folder
    std::string file;    // the copy; empty when none was written
    std::string reason;  // why none was written, in the system's words

    bool failed() const { return file.empty(); }
};

enum class Result {
    done,
    refused,        // the name or title cannot be used; nothing was touched
    backup_failed,  // a box about to be overwritten or removed could not be backed up; nothing was touched
    failed,         // a file call failed; what the operation had done is undone as far as the disk lets it
};

struct Outcome {
    Result result = Result::done;
    std::string title;   // the box the operation ended with: the new one, the renamed one, the marker's
    std::string reason;  // refused, failed: why, in the words of the language; may be empty
    Backup backup;       // backup_failed: the backup that could not be written

    bool done() const { return result == Result::done; }
};

}  // namespace kistvar::store
