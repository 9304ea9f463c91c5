// The facts (size, last write) of many box files from one listing of each
// of their folders, rather than one look-up per file: under Wine a look-up
// can cost a read of the whole folder. A folder of thousands of boxes is
// listed over several steps. The listings are kept from one search to the
// next: a folder is listed again only when its watch tells of a change, so a
// search of a library that did not change looks up no box.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "contents/step_budget.h"
#include "platform/files.h"
#include "platform/folder_watch.h"

namespace kistvar::contents {

class BoxListing {
public:
    // Makes ready for a search of these files ("<folder>\<name>"): their
    // folders, each once. The listings of other folders are let go.
    void start(const std::vector<std::string>& paths);
    // Lists what may be out of date while the budget lasts; true when every
    // folder is listed as it is.
    bool step(StepBudget& budget);
    // The file's facts, false when it does not exist. A file the listing did
    // not name (a slot file in another letter case, say) is looked up.
    bool facts_of(const std::string& path, FileFacts& facts);

private:
    // Files by their names alone, asked for by the caller's text: a search
    // asks for every box, and keys made of whole paths cost more than the
    // looking up.
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const { return std::hash<std::string_view>()(name); }
    };
    struct Folder {
        explicit Folder(std::string_view path) : watch(path) {}
        FolderWatch watch;  // on the folder's path
        std::unordered_map<std::string, FileFacts, NameHash, std::equal_to<>> files;
        bool listed = false;  // whole, since its watch was last asked
    };
    Folder* folder_named(std::string_view path);  // one of the few the boxes are in

    std::vector<std::unique_ptr<Folder>> folders_;  // the search's
    std::size_t next_folder_ = 0;
    std::unique_ptr<SearchHandle> search_;  // a folder's search while it is open
};

}  // namespace kistvar::contents
