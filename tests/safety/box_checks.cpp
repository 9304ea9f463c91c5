#include "safety/box_checks.h"

#include <algorithm>
#include <map>

#include "platform/settings_file.h"
#include "stash/stash_reader.h"

namespace kistvar::safety {

namespace {

bool is_box_path(const std::string& path) {
    if (is_temporary_name(path) || path.size() < 4) return false;
    std::string tail = path.substr(path.size() - 4);
    std::transform(tail.begin(), tail.end(), tail.begin(), [](unsigned char c) { return std::tolower(c); });
    return tail == ".bin";
}

std::string joined(const std::vector<std::string>& texts) {
    std::string all;
    for (const auto& text : texts) all += (all.empty() ? "" : ", ") + text;
    return "[" + all + "]";
}

std::multiset<std::string> item_names(const std::string& content) {
    std::multiset<std::string> names;
    for (const stash::Item& item : stash::read_stash(content).items) names.insert(item.name);
    return names;
}

}  // namespace

void BoxChecks::begin(const DiskSnapshot& disk) {
    released_.clear();
    copied_.clear();
    stuck_temporaries_.clear();
    outside_.clear();
    for (const auto& [path, content] : disk.files)
        if (path.rfind(world_.outside.native + "/", 0) == 0) outside_.insert(content);
    note_copies(disk);
}

// Files outside the library, and saved boxes, are copied into it by the
// user's own drops and saves; their contents may rightly be found twice.
void BoxChecks::note_copies(const DiskSnapshot& disk) {
    for (const auto& [path, content] : disk.files) {
        bool in_a_box_folder = false;
        for (const Place& box : world_.box_folders)
            if (path.rfind(box.native + "/", 0) == 0 && path.find('/', box.native.size() + 1) == std::string::npos)
                in_a_box_folder = true;
        if (in_a_box_folder || path.rfind(world_.outside.native + "/", 0) == 0) copied_.insert(content);
    }
}

std::vector<std::string> BoxChecks::after_step(const DiskSnapshot& before, const DiskSnapshot& after,
                                               const StepRecord& step, int& lost) {
    std::vector<std::string> problems;
    released_.insert(step.released_contents.begin(), step.released_contents.end());
    copied_.insert(step.copied_contents.begin(), step.copied_contents.end());
    for (const std::string& path : step.undeletable_paths) {
        if (before.holds(path)) copied_.insert(before.content_of(path));
        if (after.holds(path)) copied_.insert(after.content_of(path));
        if (is_temporary_name(path)) stuck_temporaries_.insert(path);
    }

    check_contents_kept(before, after, step, lost, problems);
    check_saved_boxes(before, after, step, problems);
    note_copies(after);
    check_no_box_twice(after, problems);
    check_no_temporary_files(after, problems);
    check_settings_file(problems);
    check_items_moved(after, step, problems);
    return problems;
}

void BoxChecks::check_contents_kept(const DiskSnapshot& before, const DiskSnapshot& after, const StepRecord&,
                                    int& lost, std::vector<std::string>& problems) {
    std::set<std::string> now = outside_;
    for (const auto& [path, content] : after.files)
        if (is_box_path(path)) now.insert(content);
    for (const auto& [path, content] : before.files) {
        if (!is_box_path(path) || now.count(content) || released_.count(content)) continue;
        ++lost;
        released_.insert(content);  // counted once
        problems.push_back("LOST: \"" + content + "\", which was " + path.substr(world_.root().size()));
    }
}

void BoxChecks::check_saved_boxes(const DiskSnapshot& before, const DiskSnapshot& after, const StepRecord& step,
                                  std::vector<std::string>& problems) {
    for (const Place& box : world_.box_folders) {
        for (const std::string& path : before.boxes_in(box.native)) {
            const std::string& content = before.content_of(path);
            if (after.holds(path) && after.content_of(path) == content) continue;
            if (step.released_paths.count(path)) continue;
            if (!after.holds(path) && step.renamed_saved_paths.count(path)) continue;
            problems.push_back("saved box " + path.substr(world_.root().size()) +
                               (after.holds(path) ? " changed" : " vanished") + " without the user's OK");
        }
    }
}

// A box that was never copied by the user is in the library once: in MYBOX,
// or as the stash file while the marker names a box. A second copy would be a
// move that left its source behind.
void BoxChecks::check_no_box_twice(const DiskSnapshot& after, std::vector<std::string>& problems) {
    std::map<std::string, std::vector<std::string>> where;
    for (const std::string& path : after.boxes_in(world_.current_my_boxes_folder()))
        where[after.content_of(path)].push_back(path);
    const std::string stash = world_.current_stash();
    if (world_.marker() != other_box_marker && after.holds(stash))
        where[after.content_of(stash)].push_back(stash);
    for (const auto& [content, paths] : where) {
        if (paths.size() < 2 || copied_.count(content)) continue;
        std::vector<std::string> short_paths;
        for (const auto& path : paths) short_paths.push_back(path.substr(world_.root().size()));
        problems.push_back("box \"" + content + "\" is in the library twice: " + joined(short_paths));
    }
}

void BoxChecks::check_no_temporary_files(const DiskSnapshot& after, std::vector<std::string>& problems) {
    for (const auto& [path, content] : after.files)
        if (is_temporary_name(path) && !stuck_temporaries_.count(path)) problems.push_back("temporary file left: " + path.substr(world_.root().size()));
}

// Every write of the file replaces it whole, so it always holds the folders
// and the marker, whatever failed on the way.
void BoxChecks::check_settings_file(std::vector<std::string>& problems) {
    constexpr std::string_view missing = "<missing>";
    const std::string path = world_.settings_path();
    if (read_setting(path, "路径", "存档", missing) == missing ||
        read_setting(path, "状态", "正在使用", missing) == missing)
        problems.push_back("MYBOX.ini lost its keys");
}

void BoxChecks::check_items_moved(const DiskSnapshot& after, const StepRecord& step,
                                  std::vector<std::string>& problems) {
    if (!step.items_moved) return;
    std::multiset<std::string> now, backed_up;
    for (const std::string& box : step.items_moved->boxes)
        if (after.holds(box)) now.merge(item_names(after.content_of(box)));
    for (const auto& [path, content] : after.files)
        if (path.find("/备份/") != std::string::npos) backed_up.merge(item_names(content));
    const std::multiset<std::string>& before = step.items_moved->items;
    if (step.items_moved->settled) {
        if (now != before)
            problems.push_back("the boxes held " + joined({before.begin(), before.end()}) + ", now " +
                               joined({now.begin(), now.end()}));
        return;
    }
    for (const std::string& item : before)
        if (!now.count(item) && !backed_up.count(item)) problems.push_back("item \"" + item + "\" lost");
}

}  // namespace kistvar::safety
