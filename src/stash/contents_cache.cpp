#include "stash/contents_cache.h"

#include "stash/stash_file.h"

namespace kistvar::stash {

ContentsCache::Shared ContentsCache::contents_of(std::string_view path) {
    FileFacts facts;
    if (!file_facts(path, facts)) {
        // Gone or never there: nothing to keep, and a later file of that
        // name is read afresh.
        entries_.erase(std::string(path));
        auto missing = std::make_shared<Contents>();
        missing->problem = Problem::cannot_read;
        return missing;
    }
    return contents_of(path, facts);
}

ContentsCache::Shared ContentsCache::contents_of(std::string_view path, const FileFacts& facts) {
    auto found = entries_.find(std::string(path));
    if (found != entries_.end() && found->second.facts == facts) return found->second.contents;
    ++reads_;
    Shared contents = std::make_shared<const Contents>(read_stash_file(path));
    // A file that could not be read (locked by the game, say) is tried again next time.
    if (contents->problem == Problem::cannot_read) {
        entries_.erase(std::string(path));
        return contents;
    }
    entries_[std::string(path)] = {facts, contents};
    return contents;
}

bool ContentsCache::is_current(std::string_view path, const FileFacts& facts) const {
    auto found = entries_.find(std::string(path));
    return found != entries_.end() && found->second.facts == facts;
}

}  // namespace kistvar::stash
