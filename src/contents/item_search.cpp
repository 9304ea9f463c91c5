#include "contents/item_search.h"

#include <cstring>

#include "stash/item_names.h"

namespace kistvar::contents {

namespace {

// Where the text is in the names from `from` on, or npos. Like
// string_view::find, but a place where the first byte is found is
// compared further only when the second byte agrees too: in a box of names,
// a letter alone is found over and over.
std::size_t find_text(std::string_view names, std::string_view text, std::size_t from) {
    if (text.size() < 2 || from >= names.size()) return names.find(text, from);
    const char* const begin = names.data();
    const char* const last_start = begin + names.size() - text.size();
    for (const char* at = begin + from; at <= last_start; ++at) {
        at = static_cast<const char*>(std::memchr(at, text[0], static_cast<std::size_t>(last_start - at) + 1));
        if (at == nullptr) break;
        if (at[1] == text[1] && std::memcmp(at + 2, text.data() + 2, text.size() - 2) == 0)
            return static_cast<std::size_t>(at - begin);
    }
    return std::string_view::npos;
}

std::vector<std::string> paths_of(const std::vector<BoxSource>& boxes) {
    std::vector<std::string> paths;
    paths.reserve(boxes.size());
    for (const BoxSource& box : boxes) paths.push_back(box.path);
    return paths;
}

}  // namespace

ItemSearch::ItemSearch(std::vector<BoxSource> boxes, std::string_view text)
    : boxes_(std::move(boxes)),
      text_(text),
      folded_text_(stash::fold_case(text)),
      held_(boxes_.size()) {}

bool ItemSearch::step(stash::ContentsCache& cache, BoxListing& listing, StepBudget& budget) {
    if (!listing_started_) {
        listing.start(paths_of(boxes_));
        listing_started_ = true;
    }
    if (!listing.step(budget)) return false;
    for (; next_ < boxes_.size(); ++next_) {
        const BoxSource& box = boxes_[next_];
        FileFacts facts;
        if (!listing.facts_of(box.path, facts)) continue;  // gone since the lists were filled
        stash::ContentsCache::Shared contents = cache.current(box.path, facts);
        if (!contents) {
            if (!budget.fits(StepBudget::bytes_read, StepBudget::read_cost(facts.size))) return false;
            budget.spend(StepBudget::bytes_read, StepBudget::read_cost(facts.size));
            contents = cache.contents_of(box.path, facts);
        }
        const std::vector<stash::Item>& items = contents->items;
        if (!budget.fits(StepBudget::names_compared, items.size())) return false;  // known to the cache by then
        budget.spend(StepBudget::names_compared, items.size());
        const std::size_t found_before = found_.size();
        find_in(*contents);
        if (found_.size() != found_before) {
            held_[next_] = std::move(contents);
            ++boxes_with_hits_;
        }
    }
    return true;
}

// One look through all the box's names (a call per name would cost more
// than the looking); each place found falls in one item's name, and the
// items are walked along with the places, in order.
void ItemSearch::find_in(const stash::Contents& contents) {
    const std::string_view names = contents.folded_names;
    const std::vector<std::size_t>& starts = contents.folded_starts;
    std::size_t item = 0;
    for (std::size_t at = find_text(names, folded_text_, 0); at < names.size();) {
        while (item + 1 < starts.size() && starts[item + 1] <= at) ++item;
        const std::size_t next_name = item + 1 < starts.size() ? starts[item + 1] : names.size();
        if (at + folded_text_.size() < next_name) {  // within the name, before its line break
            found_.push_back({next_, item});
            at = find_text(names, folded_text_, next_name);
        } else {
            at = find_text(names, folded_text_, at + 1);
        }
    }
}

}  // namespace kistvar::contents
