// The contents of box files, each read once until it changes: a file is read
// again only when its size or last-write time differs from when it was read.
// Nothing is read before someone asks.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/files.h"
#include "stash/stash_contents.h"

namespace kistvar::stash {

class ContentsCache {
public:
    using Shared = std::shared_ptr<const Contents>;

    // Looks at the file's facts and reads it when they changed.
    Shared contents_of(std::string_view path);
    // The same with facts the caller already has (from a folder listing, say).
    Shared contents_of(std::string_view path, const FileFacts& facts);
    // Known and still matching these facts: no read needed.
    bool is_current(std::string_view path, const FileFacts& facts) const;

    std::size_t reads() const { return reads_; }  // files read so far

private:
    struct Entry {
        FileFacts facts;
        Shared contents;
    };
    std::unordered_map<std::string, Entry> entries_;
    std::size_t reads_ = 0;
};

}  // namespace kistvar::stash
