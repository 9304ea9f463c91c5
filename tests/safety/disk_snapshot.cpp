#include "safety/disk_snapshot.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace kistvar::safety {

namespace fs = std::filesystem;

namespace {

bool ends_in_bin(const std::string& name) {
    if (name.size() < 4) return false;
    std::string tail = name.substr(name.size() - 4);
    for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return tail == ".bin";
}

std::string read_all(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

std::vector<std::string> DiskSnapshot::boxes_in(const std::string& folder) const {
    std::vector<std::string> found;
    for (auto it = files.lower_bound(folder + "/"); it != files.end(); ++it) {
        const std::string& path = it->first;
        if (path.compare(0, folder.size() + 1, folder + "/") != 0) break;
        std::string rest = path.substr(folder.size() + 1);
        if (rest.find('/') == std::string::npos && ends_in_bin(rest)) found.push_back(path);
    }
    return found;
}

std::set<std::string> DiskSnapshot::contents() const {
    std::set<std::string> all;
    for (const auto& [path, content] : files) all.insert(content);
    return all;
}

namespace {

// A file is read again only when its inode, size or change time moved: most
// files stay as they are from step to step.
struct Known {
    struct stat info;
    std::string content;
};

bool unchanged(const struct stat& a, const struct stat& b) {
    return a.st_ino == b.st_ino && a.st_size == b.st_size && a.st_mtim.tv_sec == b.st_mtim.tv_sec &&
           a.st_mtim.tv_nsec == b.st_mtim.tv_nsec && a.st_ctim.tv_sec == b.st_ctim.tv_sec &&
           a.st_ctim.tv_nsec == b.st_ctim.tv_nsec;
}

void read_folder(const std::string& folder, const std::vector<std::string>& skipped,
                 std::map<std::string, Known>& known, DiskSnapshot& snapshot) {
    DIR* directory = opendir(folder.c_str());
    if (directory == nullptr) return;
    while (dirent* entry = readdir(directory)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        const std::string path = folder + "/" + name;
        struct stat info;
        if (lstat(path.c_str(), &info) != 0) continue;
        if (S_ISDIR(info.st_mode)) {
            if (std::find(skipped.begin(), skipped.end(), path) == skipped.end())
                read_folder(path, skipped, known, snapshot);
        } else if (S_ISREG(info.st_mode)) {
            auto it = known.find(path);
            if (it == known.end() || !unchanged(it->second.info, info))
                it = known.insert_or_assign(path, Known{info, read_all(path)}).first;
            snapshot.files[path] = it->second.content;
        }
    }
    closedir(directory);
}

}  // namespace

DiskSnapshot take_snapshot(const std::string& root, const std::vector<std::string>& skipped) {
    static std::map<std::string, Known> known;
    DiskSnapshot snapshot;
    read_folder(root, skipped, known, snapshot);
    return snapshot;
}

bool is_temporary_name(const std::string& path) {
    return path.find(".kistvar-tmp-") != std::string::npos;
}

}  // namespace kistvar::safety
