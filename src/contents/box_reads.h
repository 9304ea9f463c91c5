// Boxes read for someone waiting on one box: the selected box the contents
// window shows, a list's info tip. A box the cache knows, or a file small
// enough, is read at once; a larger one waits for the loop's steps, so the
// window never stops for a long read while the player waits on it.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <utility>

#include "contents/step_budget.h"
#include "stash/contents_cache.h"

namespace kistvar::contents {

class BoxReads {
public:
    // Real boxes take tens of kilobytes; only a damaged or forged file comes
    // near this, and it is read by the steps.
    static constexpr std::uint64_t read_at_once = 1024 * 1024;

    // The box's contents, known or read now; null while it waits for the
    // steps (asked again meanwhile, it waits once). Once a step has read it,
    // the same question gets it.
    stash::ContentsCache::Shared contents_of(stash::ContentsCache& cache, const std::string& path);
    // Reads waiting boxes while the budget lasts; true when none waits.
    bool step(stash::ContentsCache& cache, StepBudget& budget);

private:
    std::deque<std::string> waiting_;
    // Read by a step and not asked for again yet. Kept here as well as in
    // the cache, which keeps no file it could not read; the few last only,
    // as whoever waits asks again after the step or never.
    std::deque<std::pair<std::string, stash::ContentsCache::Shared>> read_;
};

}  // namespace kistvar::contents
