// The checks run after every step: no box content vanished from the world
// (a list, the slot, the backups, the Recycle Bin) but the game's own earlier
// states of its stash, saved boxes change only when the user confirmed it, a box never
// sits twice in the library, no temporary file is left, MYBOX.ini reads, and
// a move of an item leaves its boxes holding the same items as before, each
// once, unless it failed and could not put them back (then each item is still
// in one of them or in a backup).
#pragma once

#include <set>
#include <string>
#include <vector>

#include "safety/disk_snapshot.h"
#include "safety/step_record.h"
#include "safety/world.h"

namespace kistvar::safety {

class BoxChecks {
public:
    explicit BoxChecks(World& world) : world_(world) {}

    // Starts a sequence from the whole disk. The files to drop are never
    // changed by the program, and later snapshots leave them out.
    void begin(const DiskSnapshot& disk);
    // Problems found after a step; `lost` counts the box contents gone for good.
    std::vector<std::string> after_step(const DiskSnapshot& before, const DiskSnapshot& after,
                                        const StepRecord& step, int& lost);

private:
    void check_contents_kept(const DiskSnapshot& before, const DiskSnapshot& after, const StepRecord& step,
                             int& lost, std::vector<std::string>& problems);
    void check_saved_boxes(const DiskSnapshot& before, const DiskSnapshot& after, const StepRecord& step,
                           std::vector<std::string>& problems);
    void check_no_box_twice(const DiskSnapshot& after, std::vector<std::string>& problems);
    void check_no_temporary_files(const DiskSnapshot& after, std::vector<std::string>& problems);
    void check_settings_file(std::vector<std::string>& problems);
    void check_items_moved(const DiskSnapshot& after, const StepRecord& step, std::vector<std::string>& problems);
    void note_copies(const DiskSnapshot& disk);

    World& world_;
    std::set<std::string> released_;  // contents the user let go
    std::set<std::string> copied_;    // contents that may rightly exist more than once
    std::set<std::string> stuck_temporaries_;
    std::set<std::string> outside_;  // contents of the files to drop  // a fault refused their deletion
};

}  // namespace kistvar::safety
