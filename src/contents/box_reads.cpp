#include "contents/box_reads.h"

#include <algorithm>

namespace kistvar::contents {

namespace {

// Whoever waits asks again after each step, so a box no one asks for any
// more (the selection moved on through several large boxes) need not stay.
constexpr std::size_t waiting_kept = 4;
constexpr std::size_t reads_kept = 4;

}  // namespace

stash::ContentsCache::Shared BoxReads::contents_of(stash::ContentsCache& cache, const std::string& path) {
    const auto read = std::find_if(read_.begin(), read_.end(), [&](const auto& done) { return done.first == path; });
    if (read != read_.end()) {
        stash::ContentsCache::Shared contents = std::move(read->second);
        read_.erase(read);
        return contents;
    }
    FileFacts facts;
    if (!file_facts(path, facts)) return cache.contents_of(path);  // says it is missing, reads nothing
    if (auto known = cache.current(path, facts)) return known;
    if (facts.size <= read_at_once) return cache.contents_of(path, facts);
    if (std::find(waiting_.begin(), waiting_.end(), path) == waiting_.end()) waiting_.push_back(path);
    if (waiting_.size() > waiting_kept) waiting_.pop_front();
    return nullptr;
}

bool BoxReads::step(stash::ContentsCache& cache, StepBudget& budget) {
    while (!waiting_.empty()) {
        const std::string& path = waiting_.front();
        FileFacts facts;
        const bool exists = file_facts(path, facts);
        if (exists && !budget.fits(StepBudget::bytes_read, StepBudget::read_cost(facts.size))) return false;
        budget.spend(StepBudget::bytes_read, StepBudget::read_cost(exists ? facts.size : 0));
        read_.emplace_back(path, exists ? cache.contents_of(path, facts) : cache.contents_of(path));
        if (read_.size() > reads_kept) read_.pop_front();
        waiting_.pop_front();
    }
    return true;
}

}  // namespace kistvar::contents
