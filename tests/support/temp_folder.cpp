#include "support/temp_folder.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace kistvar::test {

namespace fs = std::filesystem;

namespace {
fs::path to_fs(std::string_view path) {
#ifdef _WIN32
    // Program paths are UTF-8; std::filesystem on Windows wants wide text.
    return fs::path(std::u8string(reinterpret_cast<const char8_t*>(path.data()), path.size()));
#else
    std::string posix(path);
    for (char& c : posix)
        if (c == '\\') c = '/';
    return fs::path(posix);
#endif
}
}  // namespace

std::string native_path(std::string_view path) {
    auto u8 = to_fs(path).u8string();
    return std::string(reinterpret_cast<const char*>(u8.data()), u8.size());
}

TempFolder::TempFolder(Backing backing) {
    static std::atomic<unsigned> counter{0};
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    std::ostringstream name;
    name << "kistvar-test-" << stamp << "-" << counter++;
    std::error_code error;
    const bool in_memory = backing == Backing::memory && fs::is_directory("/dev/shm", error);
    fs::path folder = (in_memory ? fs::path("/dev/shm") : fs::temp_directory_path()) / name.str();
    fs::create_directories(folder);
    auto u8 = folder.u8string();
    path_.assign(reinterpret_cast<const char*>(u8.data()), u8.size());
#ifdef _WIN32
    for (char& c : path_)
        if (c == '/') c = '\\';
    if (!path_.empty() && path_.back() == '\\') path_.pop_back();
#endif
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    // Read-only files left by a test must not keep the folder alive.
    for (auto it = fs::recursive_directory_iterator(to_fs(path_), ignored);
         it != fs::recursive_directory_iterator(); it.increment(ignored))
        fs::permissions(it->path(), fs::perms::owner_write, fs::perm_options::add, ignored);
    fs::remove_all(to_fs(path_), ignored);
}

std::string TempFolder::operator/(std::string_view relative) const {
    return path_ + "\\" + std::string(relative);
}

bool exists_on_disk(std::string_view path) {
    std::error_code ignored;
    return fs::exists(to_fs(path), ignored);
}

std::string read_on_disk(std::string_view path) {
    std::ifstream in(to_fs(path), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void write_on_disk(std::string_view path, std::string_view bytes) {
    std::ofstream out(to_fs(path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void make_folder_on_disk(std::string_view path) {
    std::error_code ignored;
    fs::create_directories(to_fs(path), ignored);
}

}  // namespace kistvar::test
