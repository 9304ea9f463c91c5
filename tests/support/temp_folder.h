// A fresh folder for one test, removed with everything in it at the end.
// path() is in the program's form: on Windows a drive path, on Linux a POSIX
// path; the program joins names to it with "\".
#pragma once

#include <string>
#include <string_view>

namespace kistvar::test {

class TempFolder {
public:
    // Where the folder is made: the system's temporary folder, or memory where
    // the machine has it (/dev/shm), for tests whose many flushed writes
    // would otherwise wait on the disk.
    enum class Backing { disk, memory };
    explicit TempFolder(Backing backing = Backing::disk);
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    // path() + "\" + relative, the way the program joins paths.
    std::string operator/(std::string_view relative) const;

private:
    std::string path_;
};

// Test-side file helpers that bypass the program's services (and its fault
// seam), so a test observes the disk as it is. Paths in the program's form.
bool exists_on_disk(std::string_view path);
std::string read_on_disk(std::string_view path);               // empty when unreadable
void write_on_disk(std::string_view path, std::string_view bytes);
void make_folder_on_disk(std::string_view path);
std::string native_path(std::string_view path);                // "\" as the OS wants it

}  // namespace kistvar::test
