#include "contents/box_listing.h"

#include <algorithm>
#include <utility>

namespace kistvar::contents {

namespace {

// "<folder>\<name>" in its two parts.
std::pair<std::string_view, std::string_view> split(std::string_view path) {
    const std::size_t last = path.rfind('\\');
    if (last == std::string_view::npos) return {{}, path};
    return {path.substr(0, last), path.substr(last + 1)};
}

}  // namespace

void BoxListing::start(const std::vector<std::string>& paths) {
    std::vector<std::unique_ptr<Folder>> wanted;
    for (const std::string& path : paths) {
        const std::string_view folder = split(path).first;
        if (std::any_of(wanted.begin(), wanted.end(), [&](const auto& f) { return f->watch.folder() == folder; }))
            continue;
        const auto kept = std::find_if(folders_.begin(), folders_.end(),
                                       [&](const auto& f) { return f && f->watch.folder() == folder; });
        wanted.push_back(kept != folders_.end() ? std::move(*kept) : std::make_unique<Folder>(folder));
    }
    search_.reset();  // a folder left half listed is not `listed`, and is listed again whole
    folders_ = std::move(wanted);
    next_folder_ = 0;
}

BoxListing::Folder* BoxListing::folder_named(std::string_view path) {
    const auto found =
        std::find_if(folders_.begin(), folders_.end(), [&](const auto& f) { return f->watch.folder() == path; });
    return found == folders_.end() ? nullptr : found->get();
}

bool BoxListing::step(StepBudget& budget) {
    for (; next_folder_ < folders_.size(); ++next_folder_) {
        Folder& folder = *folders_[next_folder_];
        std::string name;
        if (search_) {
            name = find_file("", 0, true, *search_);
        } else {
            // Asked before the listing: what changes while it lists is told next time.
            if (!folder.watch.changed() && folder.listed) continue;
            folder.listed = false;
            folder.files.clear();
            search_ = std::make_unique<SearchHandle>();
            name = find_file(folder.watch.folder() + "\\*.bin", 0, true, *search_);
        }
        for (; !name.empty(); name = find_file("", 0, true, *search_)) {
            found_file_facts(*search_, folder.files[std::move(name)]);
            budget.spend(StepBudget::entries_listed, 1);
            if (!budget.fits(StepBudget::entries_listed, 1)) return false;  // the search stays open
        }
        search_.reset();
        folder.listed = true;
    }
    return true;
}

bool BoxListing::facts_of(const std::string& path, FileFacts& facts) {
    const auto [folder_path, name] = split(path);
    if (const Folder* folder = folder_named(folder_path)) {
        if (auto found = folder->files.find(name); found != folder->files.end()) {
            facts = found->second;
            return true;
        }
    }
    return file_facts(path, facts);
}

}  // namespace kistvar::contents
