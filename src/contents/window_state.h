// What the contents window shows, and what waits for the loop's steps: the
// search while its box holds text, else the selected box; the boxes of the
// two grids; how many of the finds or items are rows yet; the boxes read for
// whoever waits on one; the moves undo can take back.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "contents/box_reads.h"
#include "contents/item_search.h"
#include "contents/move_history.h"
#include "platform/files.h"

namespace kistvar::contents {

// A box the window shows (none when there is none to show), the facts its
// file had before it was read, to tell a stale view, and its contents, null
// while the steps read them.
struct BoxView {
    std::optional<BoxSource> box;
    FileFacts seen;
    stash::ContentsCache::Shared contents;
};

struct WindowState {
    std::optional<ItemSearch> search;
    BoxListing listing;  // the boxes' folders, kept from one search to the next
    // The left grid's box, the selected one; the list lists its items while
    // no search runs.
    BoxView left;
    // The right grid's box, one of the drop-down's choices.
    BoxView right;
    std::vector<BoxSource> choices;
    MoveHistory moves;  // kept while the program runs, the window open or not
    // Finds, or items of the box, made into rows so far; rows are made a
    // budget at a time, as the finds are.
    std::size_t rows_made = 0;
    // A list changed since the window last looked: the next step checks
    // that what it shows still stands.
    bool lists_changed = false;
    BoxReads reads;
};

}  // namespace kistvar::contents
