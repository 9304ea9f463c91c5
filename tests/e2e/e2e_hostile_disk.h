// The disk as a hostile world arranges it, past the program's services: long
// paths (the "\\?\" form), attributes, another process holding a file, a
// drive letter of Wine's mapped to a folder of another Linux file system.
#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kistvar::test::hostile {

std::wstring wide(std::string_view utf8);
std::string narrow(std::wstring_view utf16);
// The "\\?\" form of a drive path, so no call stops at 260 characters.
std::wstring long_form(std::string_view path);

void put(std::string_view path, std::string_view content);
std::optional<std::string> get(std::string_view path);  // nullopt: missing or unreadable
bool exists(std::string_view path);
void make_folders(std::string_view path);  // every missing level
std::vector<std::string> names_in(std::string_view folder);  // bare names, sorted, no "." ".."
void set_read_only(std::string_view path, bool read_only);
// Removes a folder with everything in it, read-only files too.
void remove_tree(std::string_view path);

// Every file under the folders, by its path relative to its folder's own
// name given here, with its content: what a case compares before and after.
using Snapshot = std::map<std::string, std::string>;
Snapshot snapshot(const std::vector<std::pair<std::string, std::string>>& named_folders);
// The contents alone, sorted: a box may move, but no content may go.
std::vector<std::string> contents(const Snapshot& files);

// A second process (this test program started again) that opens the file
// with no sharing and holds it until release(), as the running game or a
// virus scanner does.
class FileHolder {
public:
    explicit FileHolder(std::string_view path);
    ~FileHolder();
    bool holding() const { return holding_; }
    void release();

private:
    PROCESS_INFORMATION process_{};
    bool holding_ = false;
};

// A drive letter of Wine's prefix (a link in its dosdevices folder) to a
// fresh folder on another Linux file system, removed with everything in it
// at the end. Empty root() when it could not be made.
class MappedDrive {
public:
    MappedDrive();
    ~MappedDrive();
    const std::string& root() const { return root_; }  // "Q:"

private:
    void run_unix(const std::string& shell_command) const;
    std::string root_, link_unix_, target_unix_;
};

}  // namespace kistvar::test::hostile
