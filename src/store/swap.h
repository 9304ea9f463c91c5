// Putting a box into the game's stash slot, on disk.
#pragma once

#include <string>
#include <string_view>

#include "store/outcome.h"
#include "store/places.h"

namespace kistvar::store {

enum class SwapResult {
    swapped,
    backup_failed,     // nothing moved
    home_taken,        // MYBOX already holds a file of the title the box in use goes home under; nothing moved
    home_unreachable,  // the box in use could not go home to MYBOX; nothing moved
    put_back,          // the chosen box could not take the slot; the box that was there is back in it
    stranded,          // ... and the box that was there could not go back: it stays in MYBOX as `home`
};

struct SwapOutcome {
    SwapResult result = SwapResult::swapped;
    std::string marker;  // the in-use marker now
    std::string home;    // the title the box that was in use went home under; empty when none was
    Backup backup;       // backup_failed: the backup that could not be written
    std::string reason;  // put_back, stranded: why MYBOX.ini could not take the marker back; empty when it did
    // An old read-only copy of the box in use, left at its home title, was
    // backed up and cleared away so that the box could go home.
    bool cleared_copy_at_home = false;
};

// Swaps the box titled `title` (a my box, or a saved box) into the slot of
// `places`, where the box named by `places.marker` is now. MYBOX.ini is
// written at most once, unless a failure must be undone; nothing in MYBOX is
// searched unless the marker is one no typed name could be.
SwapOutcome swap(const Places& places, std::string_view title, bool chosen_is_my_box);

}  // namespace kistvar::store
