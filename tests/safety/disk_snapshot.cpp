#include "safety/disk_snapshot.h"

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

DiskSnapshot take_snapshot(const std::string& root) {
    DiskSnapshot snapshot;
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(root, error); it != fs::recursive_directory_iterator();
         it.increment(error)) {
        if (error) break;
        if (it->is_regular_file(error)) snapshot.files[it->path().string()] = read_all(it->path());
    }
    return snapshot;
}

bool is_temporary_name(const std::string& path) {
    return path.find(".kistvar-tmp-") != std::string::npos;
}

}  // namespace kistvar::safety
