#include "contents/box_listing.h"

#include <algorithm>

namespace kistvar::contents {

namespace {

std::string folder_of(const std::string& path) {
    const std::size_t last = path.rfind('\\');
    return last == std::string::npos ? std::string() : path.substr(0, last);
}

}  // namespace

BoxListing::BoxListing(const std::vector<std::string>& paths) {
    for (const std::string& path : paths) {
        std::string folder = folder_of(path);
        if (std::find(folders_.begin(), folders_.end(), folder) == folders_.end()) folders_.push_back(std::move(folder));
    }
    listed_.reserve(paths.size());
}

bool BoxListing::step(StepBudget& budget) {
    for (; next_folder_ < folders_.size(); ++next_folder_) {
        const std::string& folder = folders_[next_folder_];
        std::string name;
        if (search_) {
            name = find_file("", 0, true, *search_);
        } else {
            search_ = std::make_unique<SearchHandle>();
            name = find_file(folder + "\\*.bin", 0, true, *search_);
        }
        for (; !name.empty(); name = find_file("", 0, true, *search_)) {
            found_file_facts(*search_, listed_[folder + "\\" + name]);
            budget.spend(StepBudget::entries_listed, 1);
            if (!budget.fits(StepBudget::entries_listed, 1)) return false;  // the search stays open
        }
        search_.reset();
    }
    return true;
}

bool BoxListing::facts_of(const std::string& path, FileFacts& facts) const {
    if (auto found = listed_.find(path); found != listed_.end()) {
        facts = found->second;
        return true;
    }
    return file_facts(path, facts);
}

}  // namespace kistvar::contents

