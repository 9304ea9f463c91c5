#include "contents/item_search.h"

#include <set>

#include "stash/item_names.h"

namespace kistvar::contents {

namespace {

std::string folder_of(const std::string& path) {
    const std::size_t last = path.rfind('\\');
    return last == std::string::npos ? std::string() : path.substr(0, last);
}

}  // namespace

ItemSearch::ItemSearch(std::vector<BoxSource> boxes, std::string_view text)
    : boxes_(std::move(boxes)), folded_text_(stash::fold_case(text)) {}

bool ItemSearch::facts_of(const std::string& path, FileFacts& facts) {
    if (!folders_listed_) {
        folders_listed_ = true;
        std::set<std::string> folders;
        for (const BoxSource& box : boxes_) folders.insert(folder_of(box.path));
        for (const std::string& folder : folders) {
            SearchHandle handle;
            for (std::string name = find_file(folder + "\\*.bin", 0, true, handle); !name.empty();
                 name = find_file("", 0, true, handle))
                found_file_facts(handle, listed_[folder + "\\" + name]);
        }
    }
    if (auto found = listed_.find(path); found != listed_.end()) {
        facts = found->second;
        return true;
    }
    // Not listed under this spelling (a slot file name in another letter case, say).
    return file_facts(path, facts);
}

bool ItemSearch::step(stash::ContentsCache& cache, std::size_t files) {
    std::size_t read = 0;
    while (next_ < boxes_.size()) {
        const BoxSource& box = boxes_[next_];
        FileFacts facts;
        const bool exists = facts_of(box.path, facts);
        if (exists && !cache.is_current(box.path, facts)) {
            if (read == files) return false;  // the rest at the next step
            ++read;
        }
        bool hit = false;
        if (exists) {
            for (const stash::Item& item : cache.contents_of(box.path, facts)->items) {
                if (item.folded_name.find(folded_text_) == std::string::npos) continue;
                found_.push_back({next_, item});
                hit = true;
            }
        }
        if (hit) ++boxes_with_hits_;
        ++next_;
    }
    return true;
}

}  // namespace kistvar::contents
