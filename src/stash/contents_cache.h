// The contents of box files, each read once until it changes: a file is read
// again only when its size or last-write time differs from when it was read.
// Nothing is read before someone asks. What is kept is bounded by its
// estimated size in memory; past the bound the least recently asked go.
#pragma once

#include <cstddef>
#include <functional>
#include <list>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "platform/files.h"
#include "stash/stash_contents.h"

namespace kistvar::stash {

// About what contents take in memory: the lists and the names they hold.
std::size_t estimated_size(const Contents& contents);

class ContentsCache {
public:
    using Shared = std::shared_ptr<const Contents>;

    // A real box's contents take ten to twenty kilobytes, so the default
    // keeps a few thousand boxes (every box of a large library stays known
    // between searches), while a handful of forged files of the largest
    // size cannot make the program grow without end.
    static constexpr std::size_t default_bound = 64u * 1024 * 1024;
    ContentsCache() = default;
    explicit ContentsCache(std::size_t bound) : bound_(bound) {}

    // Looks at the file's facts and reads it when they changed.
    Shared contents_of(std::string_view path);
    // The same with facts the caller already has (from a folder listing, say).
    Shared contents_of(std::string_view path, const FileFacts& facts);
    // The contents when known and still matching these facts (no read
    // needed), else null.
    Shared current(std::string_view path, const FileFacts& facts);

    // Forgets a file, so the next question reads it: the program wrote it,
    // and a write time may be too coarse to tell the write.
    void forget(std::string_view path);

    std::size_t reads() const { return reads_; }  // files read so far

private:
    // Looked up by the caller's own text: a search asks for every box, and
    // a key made for each question would cost more than the answer.
    struct PathHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view path) const { return std::hash<std::string_view>()(path); }
    };
    struct Entry {
        FileFacts facts;
        Shared contents;
        std::size_t size = 0;
        std::list<std::string>::iterator in_use_order;
    };
    void keep(std::string_view path, const FileFacts& facts, Shared contents);

    std::size_t bound_ = default_bound;
    std::unordered_map<std::string, Entry, PathHash, std::equal_to<>> entries_;
    std::list<std::string> use_order_;  // most recently asked first
    std::size_t kept_ = 0;  // estimated, within the bound
    std::size_t reads_ = 0;
};

}  // namespace kistvar::stash
