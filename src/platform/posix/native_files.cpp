// The native file layer on POSIX, with the Windows rules the program relies
// on: a move never replaces an existing file, a copy never truncates its own
// source, and read-only files are refused explicitly (the tests may run as
// root, whom the permission bits do not stop).
#include "platform/native_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/files.h"
#include "platform/posix/posix_path.h"
#include "platform/posix/recycle_folder.h"
#include "platform/posix/wildcard.h"

namespace kistvar::native {

namespace {

using posix::posix_path;

// A search reads the whole folder at its start; entries are handed out in the
// order the file system gave them.
struct Search {
    std::vector<DirectoryEntry> entries;
    std::size_t next = 0;
};

std::string& recycle_folder() {
    static std::string folder;
    return folder;
}

bool is_read_only(const struct stat& info) {
    return (info.st_mode & S_IWUSR) == 0;
}

std::uint32_t attributes_of(const struct stat& info) {
    std::uint32_t attributes = S_ISDIR(info.st_mode) ? attribute_folder : attribute_archive;
    if (is_read_only(info)) attributes |= attribute_read_only;
    return attributes;
}

DirectoryEntry entry_of(const std::string& name, const struct stat& info) {
    const auto nanoseconds = static_cast<std::uint64_t>(info.st_mtim.tv_sec) * 1000000000u +
                             static_cast<std::uint64_t>(info.st_mtim.tv_nsec);
    return {name, attributes_of(info), static_cast<std::uint64_t>(info.st_size), nanoseconds};
}

// stat, or lstat for a dangling link, which Windows would still list.
bool status_of(const std::string& path, struct stat& info) {
    return stat(path.c_str(), &info) == 0 || lstat(path.c_str(), &info) == 0;
}

// The same for an entry of an open folder, by its name alone: the folder's
// path is not walked again for each of its thousands of boxes.
bool status_in(DIR* folder, const char* name, struct stat& info) {
    const int at = dirfd(folder);
    return fstatat(at, name, &info, 0) == 0 || fstatat(at, name, &info, AT_SYMLINK_NOFOLLOW) == 0;
}

bool same_file(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

void close_quietly(int fd) {
    if (fd >= 0) close(fd);
}

bool write_all(int fd, const char* bytes, std::size_t size) {
    while (size > 0) {
        ssize_t written = write(fd, bytes, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

bool copy_contents(int from, int to) {
    std::vector<char> buffer(1 << 16);
    for (;;) {
        ssize_t got = read(from, buffer.data(), buffer.size());
        if (got < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (got == 0) return true;
        if (!write_all(to, buffer.data(), static_cast<std::size_t>(got))) return false;
    }
}

// Handles are file descriptors shifted by one, so 0 stays "no file".
std::intptr_t handle_of(int fd) { return fd < 0 ? 0 : static_cast<std::intptr_t>(fd) + 1; }
int fd_of(std::intptr_t handle) { return static_cast<int>(handle - 1); }

}  // namespace

std::intptr_t find_first(std::string_view pattern, DirectoryEntry& entry, bool with_facts) {
    std::string path = posix_path(pattern);
    std::size_t slash = path.rfind('/');
    std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    std::string last = slash == std::string::npos ? path : path.substr(slash + 1);
    if (last.empty()) return 0;

    auto search = new Search;
    if (!posix::has_wildcard(last)) {
        struct stat info;
        if (status_of(path, info)) search->entries.push_back(entry_of(last, info));
    } else if (DIR* directory = opendir(folder.c_str())) {
        while (dirent* item = readdir(directory)) {
            std::string name = item->d_name;
            struct stat info;
            if (!posix::matches_wildcard(name, last)) continue;
            if (!with_facts && (item->d_type == DT_REG || item->d_type == DT_DIR)) {
                search->entries.push_back(
                    {name, item->d_type == DT_DIR ? attribute_folder : attribute_archive, 0, 0, false});
            } else if (status_in(directory, item->d_name, info)) {
                search->entries.push_back(entry_of(name, info));
            }
        }
        closedir(directory);
    }
    auto handle = reinterpret_cast<std::intptr_t>(search);
    if (!find_next(handle, entry)) {
        find_close(handle);
        return 0;
    }
    return handle;
}

bool find_next(std::intptr_t search, DirectoryEntry& entry) {
    auto* open = reinterpret_cast<Search*>(search);
    if (open == nullptr || open->next >= open->entries.size()) return false;
    entry = open->entries[open->next++];
    return true;
}

void find_close(std::intptr_t search) {
    delete reinterpret_cast<Search*>(search);
}

bool create_directory(std::string_view path) {
    return mkdir(posix_path(path).c_str(), 0777) == 0;
}

bool copy_file(std::string_view source, std::string_view target) {
    std::string from_path = posix_path(source), to_path = posix_path(target);
    struct stat from_info, to_info;
    if (stat(from_path.c_str(), &from_info) != 0 || !S_ISREG(from_info.st_mode)) return false;
    if (stat(to_path.c_str(), &to_info) == 0) {
        // Opening the target with truncation would empty the source itself.
        if (same_file(from_info, to_info) || !S_ISREG(to_info.st_mode) || is_read_only(to_info)) return false;
    }

    int from = open(from_path.c_str(), O_RDONLY | O_CLOEXEC);
    if (from < 0) return false;
    int to = open(to_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    bool copied = to >= 0 && copy_contents(from, to);
    if (copied) {
        // The read-only bit and the last-write time travel with the copy.
        struct timespec times[2] = {{0, UTIME_OMIT}, from_info.st_mtim};
        copied = fchmod(to, from_info.st_mode & 07777) == 0 && futimens(to, times) == 0;
    }
    close_quietly(from);
    if (to >= 0 && close(to) != 0) copied = false;
    return copied;
}

bool move_file(std::string_view source, std::string_view target) {
    std::string from_path = posix_path(source), to_path = posix_path(target);
    struct stat from_info;
    if (lstat(from_path.c_str(), &from_info) != 0 || S_ISDIR(from_info.st_mode)) return false;
    if (from_path == to_path) return true;  // a move onto its own name succeeds
    if (renameat2(AT_FDCWD, from_path.c_str(), AT_FDCWD, to_path.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;  // EEXIST, EXDEV, ENOENT, ...
    // A file system without RENAME_NOREPLACE: a hard link cannot replace either.
    if (link(from_path.c_str(), to_path.c_str()) != 0) return false;
    if (unlink(from_path.c_str()) != 0) {
        unlink(to_path.c_str());
        return false;
    }
    return true;
}

bool replace_file(std::string_view source, std::string_view target) {
    std::string to_path = posix_path(target);
    struct stat to_info;
    if (lstat(to_path.c_str(), &to_info) == 0 && (S_ISDIR(to_info.st_mode) || is_read_only(to_info))) return false;
    return rename(posix_path(source).c_str(), to_path.c_str()) == 0;
}

bool delete_file(std::string_view path) {
    std::string file = posix_path(path);
    struct stat info;
    if (lstat(file.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return false;
    if (S_ISREG(info.st_mode) && is_read_only(info)) return false;
    return unlink(file.c_str()) == 0;
}

int recycle_file(std::string_view path) {
    if (recycle_folder().empty()) return no_recycle_bin;
    std::string file = posix_path(path);
    struct stat info;
    if (lstat(file.c_str(), &info) != 0 || S_ISDIR(info.st_mode)) return recycle_failed;
    // The bin keeps every file deleted under one name, as Windows' does.
    const std::string name = file.substr(file.rfind('/') + 1);
    for (int serial = 1;; ++serial) {
        std::string binned = recycle_folder() + "\\" + std::to_string(serial) + " " + name;
        if (move_file(path, binned)) return recycled;
        if (errno != EEXIST) return recycle_failed;
    }
}

bool make_writable(std::string_view path) {
    std::string file = posix_path(path);
    struct stat info;
    if (stat(file.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    return !is_read_only(info) || chmod(file.c_str(), (info.st_mode & 07777) | S_IWUSR) == 0;
}

std::intptr_t open_for_write(std::string_view path, bool must_be_new) {
    std::string file = posix_path(path);
    struct stat info;
    if (stat(file.c_str(), &info) == 0 && (must_be_new || is_read_only(info))) return 0;
    int flags = O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | (must_be_new ? O_EXCL : 0);
    return handle_of(open(file.c_str(), flags, 0666));
}

bool write_bytes(std::intptr_t file, std::string_view bytes) {
    return file != 0 && write_all(fd_of(file), bytes.data(), bytes.size());
}

bool open_file_facts(std::intptr_t file, std::uint64_t& size, std::uint64_t& last_write) {
    struct stat info;
    if (file == 0 || fstat(fd_of(file), &info) != 0) return false;
    const DirectoryEntry entry = entry_of({}, info);
    size = entry.size;
    last_write = entry.last_write;
    return true;
}

bool flush_to_disk(std::intptr_t file) {
    return file != 0 && fsync(fd_of(file)) == 0;
}

bool close_file(std::intptr_t file) {
    return file != 0 && close(fd_of(file)) == 0;
}

bool read_file(std::string_view path, std::string& bytes, std::uint64_t limit) {
    int fd = open(posix_path(path).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info;
    bool read_all = fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    if (!read_all && S_ISDIR(info.st_mode)) errno = EISDIR;
    bytes.clear();
    if (read_all) bytes.reserve(static_cast<std::size_t>(std::min<std::uint64_t>(info.st_size, limit)));
    char buffer[1 << 16];
    while (read_all) {
        ssize_t got = read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) {
            read_all = got == 0;
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(got));
        if (bytes.size() > limit) read_all = false;
    }
    const int reason = errno;
    close(fd);
    if (!read_all) bytes.clear();
    errno = reason;
    return read_all;
}

std::string last_error_text() { return std::strerror(errno); }

bool last_error_was_missing() { return errno == ENOENT || errno == ENOTDIR; }

std::uint32_t last_error_code() { return static_cast<std::uint32_t>(errno); }

void restore_error_code(std::uint32_t code) { errno = static_cast<int>(code); }

void note_io_error() { errno = EIO; }

}  // namespace kistvar::native

namespace kistvar::posix {

void set_recycle_folder(std::string folder) { native::recycle_folder() = std::move(folder); }

}  // namespace kistvar::posix
