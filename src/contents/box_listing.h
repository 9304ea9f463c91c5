// The facts (size, last write) of many box files from one listing of each
// of their folders, rather than one look-up per file: under Wine a look-up
// can cost a read of the whole folder. A folder of thousands of boxes is
// listed over several steps.
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

namespace kistvar::contents {

class BoxListing {
public:
    // The folders of these files ("<folder>\<name>"), each once.
    explicit BoxListing(const std::vector<std::string>& paths);

    // Lists while the budget lasts; true when every folder is listed.
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
        std::string path;
        std::unordered_map<std::string, FileFacts, NameHash, std::equal_to<>> files;
    };
    Folder* folder_named(std::string_view path);  // one of the few the boxes are in

    std::vector<Folder> folders_;
    std::size_t next_folder_ = 0;
    std::unique_ptr<SearchHandle> search_;  // a folder's search while it is open
};

}  // namespace kistvar::contents
