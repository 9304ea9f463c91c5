// The native file layer: one implementation per platform (platform/win32 with
// the wide Win32 functions, platform/posix for the headless backend). Only
// files.cpp calls it, always through the fault seam, and folder_watch.cpp.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kistvar::native {

struct DirectoryEntry {
    std::string name;  // bare long name, UTF-8
    std::uint32_t attributes = 0;
    std::uint64_t size = 0;
    std::uint64_t last_write = 0;  // the platform's own time stamp; compared, never shown
    bool facts_known = true;       // size, write time and read-only bit; see find_first
};

// Find-first/next over a path whose last part may hold "*" and "?", matched
// case-insensitively. Returns 0 when nothing matches. Without facts a search
// may leave out the size, the write time and the read-only bit where they
// cost a look-up per file (on Linux; facts_known then says so); names and
// folders are always told.
std::intptr_t find_first(std::string_view pattern, DirectoryEntry& entry, bool with_facts = true);
bool find_next(std::intptr_t search, DirectoryEntry& entry);
void find_close(std::intptr_t search);

// A watch on the entries of one folder, not of its subfolders: names, sizes,
// write times, attributes. 0 when the system will not watch the folder (on
// Windows never; see folder_watch.h).
// folder_changed says whether anything may have changed since the watch was
// made or last asked; a watch that lost the folder (removed, moved) or news of
// changes says so, and watches the folder of that path again.
std::intptr_t watch_folder(std::string_view folder);
bool folder_changed(std::intptr_t watch);
void end_watch(std::intptr_t watch);

bool create_directory(std::string_view path);
// Overwrites the target; fails without touching anything when source and
// target are the same file; carries over the read-only attribute and the
// last-write time; fails onto a read-only target.
bool copy_file(std::string_view source, std::string_view target);
// Moves a file without replacing an existing target; may cross volumes. A
// folder is never moved: no box is a folder.
bool move_file(std::string_view source, std::string_view target);
// Moves a file over an existing target in one step (same folder).
bool replace_file(std::string_view source, std::string_view target);
bool delete_file(std::string_view path);  // fails on a read-only file
// Moves the file to its volume's Recycle Bin, silently; see files.h.
int recycle_file(std::string_view path);
bool make_writable(std::string_view path);  // clears read-only; fails on a folder

// Sequential writing. open_for_write creates or truncates with no sharing.
std::intptr_t open_for_write(std::string_view path, bool must_be_new);
bool write_bytes(std::intptr_t file, std::string_view bytes);
// The size and last-write time of an open file, as a search reports them.
bool open_file_facts(std::intptr_t file, std::uint64_t& size, std::uint64_t& last_write);
bool flush_to_disk(std::intptr_t file);
bool close_file(std::intptr_t file);

// Fails, keeping nothing, when the file holds more than `limit` bytes.
bool read_file(std::string_view path, std::string& bytes, std::uint64_t limit = UINT64_MAX);

// The system's words for why the last failed call of this layer failed.
std::string last_error_text();
// Whether that failure was for want of the file or of a folder on its path.
bool last_error_was_missing();
// The last failure as a code, and that code made the last failure again: a
// clean-up call after a failure must not replace the reason given for it.
std::uint32_t last_error_code();
void restore_error_code(std::uint32_t code);
// Makes last_error_text() tell of an input/output error: a failure the fault
// seam makes up reads to the user like one the disk reports.
void note_io_error();

}  // namespace kistvar::native
