// Finding items by name across many boxes, for the contents window: every box
// of both lists and the stash slot. The search goes in steps, each within a
// StepBudget: the boxes' folders listed, the boxes read through the contents
// cache, their names compared; found() grows as it goes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "contents/box_listing.h"
#include "contents/step_budget.h"
#include "stash/contents_cache.h"

namespace kistvar::contents {

// Where a box's file is, and how the window names it.
struct BoxSource {
    std::string title;
    std::string path;
    bool operator==(const BoxSource&) const = default;
};

// An item found: its box among the searched ones, and its place among the
// box's items. The search holds the contents of every box with a find.
struct FoundItem {
    std::size_t box = 0;
    std::size_t item = 0;
};

class ItemSearch {
public:
    ItemSearch(std::vector<BoxSource> boxes, std::string_view text);

    // One step; true when every box has been looked at. The listing is
    // the one kept between searches (see BoxListing), started by the first step.
    bool step(stash::ContentsCache& cache, BoxListing& listing, StepBudget& budget);
    bool done() const { return next_ == boxes_.size(); }
    const std::string& text() const { return text_; }
    // Boxes looked at so far, of all.
    std::size_t boxes_done() const { return next_; }
    std::size_t box_count() const { return boxes_.size(); }

    const std::vector<BoxSource>& boxes() const { return boxes_; }
    const std::vector<FoundItem>& found() const { return found_; }
    const stash::Item& item(const FoundItem& found) const { return held_[found.box]->items[found.item]; }
    std::size_t boxes_with_hits() const { return boxes_with_hits_; }

private:
    void find_in(const stash::Contents& contents);

    std::vector<BoxSource> boxes_;
    std::string text_;
    std::string folded_text_;
    bool listing_started_ = false;
    std::size_t next_ = 0;
    std::vector<FoundItem> found_;
    std::vector<stash::ContentsCache::Shared> held_;  // by box; only boxes with finds
    std::size_t boxes_with_hits_ = 0;
};

}  // namespace kistvar::contents
