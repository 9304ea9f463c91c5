// Whether a folder's listing, kept by its caller, may be out of date: a file
// in it added, removed, renamed, written, resized or made read-only since the
// caller last asked. A caller that lists a folder of a thousand boxes again
// only when something changed looks up none of them the rest of the time.
// Told by inotify on Linux, where a listing would look up each file for its
// facts. Windows gives the facts with the names, and a watch there would hold
// the folder open, which keeps the folders above it from being renamed: there
// is none. Where it cannot tell (no watch, the folder gone, news of changes
// lost) it says "changed", so the caller lists again.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kistvar {

class FolderWatch {
public:
    explicit FolderWatch(std::string_view folder);
    ~FolderWatch();
    FolderWatch(const FolderWatch&) = delete;
    FolderWatch& operator=(const FolderWatch&) = delete;

    const std::string& folder() const { return folder_; }
    // Since the watch was made or last asked; true the first time. Asked
    // before the listing it guards, so a change made while the caller lists
    // is told the next time.
    bool changed();

private:
    std::string folder_;
    std::intptr_t native_ = 0;
    bool asked_ = false;
};

}  // namespace kistvar
