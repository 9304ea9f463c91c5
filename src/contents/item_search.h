// Finding items by name across many boxes, for the contents window: every box
// of both lists and the stash slot. Boxes are read through the contents cache
// a few at a time, so a window can keep answering while a cold search reads.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "stash/contents_cache.h"

namespace kistvar::contents {

// Where a box's file is, and how the window names it.
struct BoxSource {
    std::string title;
    std::string path;
};

struct FoundItem {
    std::size_t box = 0;  // index into the searched sources
    stash::Item item;
};

// One search over a fixed set of boxes. step() reads at most `files` boxes not
// yet known to the cache (known ones cost no read) and says whether the search
// is done; found() grows as it goes.
class ItemSearch {
public:
    ItemSearch(std::vector<BoxSource> boxes, std::string_view text);

    bool step(stash::ContentsCache& cache, std::size_t files);
    bool done() const { return next_ == boxes_.size(); }
    // Boxes looked at so far, of all.
    std::size_t boxes_done() const { return next_; }
    std::size_t box_count() const { return boxes_.size(); }

    const std::vector<BoxSource>& boxes() const { return boxes_; }
    const std::vector<FoundItem>& found() const { return found_; }
    std::size_t boxes_with_hits() const { return boxes_with_hits_; }

private:
    bool facts_of(const std::string& path, FileFacts& facts);

    std::vector<BoxSource> boxes_;
    // The box files' facts, from one listing of each folder at the first step.
    std::unordered_map<std::string, FileFacts> listed_;
    bool folders_listed_ = false;
    std::string folded_text_;
    std::size_t next_ = 0;
    std::vector<FoundItem> found_;
    std::size_t boxes_with_hits_ = 0;
};

}  // namespace kistvar::contents
