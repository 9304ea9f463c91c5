// What the contents window shows, and what waits for the loop's steps: the
// search while its box holds text, else the selected box; how many of the
// finds or items are rows yet; the boxes read for whoever waits on one.
#pragma once

#include <cstddef>
#include <optional>

#include "contents/box_reads.h"
#include "contents/item_search.h"

namespace kistvar::contents {

struct WindowState {
    std::optional<ItemSearch> search;
    // While no search: the selected box (none when nothing is selected) and
    // its contents, null while the steps read them.
    std::optional<BoxSource> box;
    stash::ContentsCache::Shared box_contents;
    // Finds, or items of the box, made into rows so far; rows are made a
    // budget at a time, as the finds are.
    std::size_t rows_made = 0;
    // A list changed since the window last looked: the next step checks
    // that what it shows still stands.
    bool lists_changed = false;
    BoxReads reads;
};

}  // namespace kistvar::contents
