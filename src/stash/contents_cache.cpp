#include "stash/contents_cache.h"

#include "stash/stash_file.h"

namespace kistvar::stash {

namespace {

// The heap block of a string, if it has one.
std::size_t heap_size(const std::string& text) {
    static const std::size_t in_place = std::string().capacity();
    return text.capacity() > in_place ? text.capacity() + 1 : 0;
}

}  // namespace

std::size_t estimated_size(const Contents& contents) {
    std::size_t size = sizeof(Contents) + contents.items.capacity() * sizeof(Item) + heap_size(contents.folded_names) +
                       contents.folded_starts.capacity() * sizeof(std::size_t);
    for (const Item& item : contents.items) size += heap_size(item.name);
    return size;
}

ContentsCache::Shared ContentsCache::contents_of(std::string_view path) {
    FileFacts facts;
    if (!file_facts(path, facts)) {
        // Gone or never there: nothing to keep, and a later file of that
        // name is read afresh.
        forget(path);
        auto missing = std::make_shared<Contents>();
        missing->problem = Problem::cannot_read;
        return missing;
    }
    return contents_of(path, facts);
}

ContentsCache::Shared ContentsCache::contents_of(std::string_view path, const FileFacts& facts) {
    if (Shared known = current(path, facts)) return known;
    ++reads_;
    Shared contents = std::make_shared<const Contents>(read_stash_file(path));
    forget(path);
    // A file that could not be read (locked by the game, say) is tried again next time.
    if (contents->problem != Problem::cannot_read) keep(path, facts, contents);
    return contents;
}

ContentsCache::Shared ContentsCache::current(std::string_view path, const FileFacts& facts) {
    auto found = entries_.find(path);
    if (found == entries_.end() || found->second.facts != facts) return nullptr;
    use_order_.splice(use_order_.begin(), use_order_, found->second.in_use_order);
    return found->second.contents;
}

void ContentsCache::forget(std::string_view path) {
    auto found = entries_.find(path);
    if (found == entries_.end()) return;
    kept_ -= found->second.size;
    use_order_.erase(found->second.in_use_order);
    entries_.erase(found);
}

void ContentsCache::keep(std::string_view path, const FileFacts& facts, Shared contents) {
    const std::size_t size = estimated_size(*contents) + path.size();
    use_order_.emplace_front(path);
    entries_[std::string(path)] = {facts, std::move(contents), size, use_order_.begin()};
    kept_ += size;
    // The caller holds what it asked for; the cache lets go of the oldest.
    while (kept_ > bound_) forget(std::string(use_order_.back()));
}

}  // namespace kistvar::stash
