// File and folder services used by the box manager. Paths are UTF-8 with "\"
// as separator, built by plain concatenation. Every call reaches the disk
// through the fault seam (fault_seam.h) and then the native layer
// (native_files.h), so a test can make any single step fail.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kistvar {

// Directory-entry attribute bits, as the platform reports them.
enum Attribute : std::uint32_t {
    attribute_read_only = 0x1,
    attribute_hidden = 0x2,
    attribute_system = 0x4,
    attribute_folder = 0x10,
    attribute_archive = 0x20,
};

// True when the path (wildcards "*" and "?" allowed in its last part) names at
// least one existing file or folder.
bool file_exists(std::string_view path);

// An open directory search; owned by the caller between the first call of
// find_file and the empty result or end_find_file.
struct SearchHandle {
    SearchHandle() = default;
    SearchHandle(const SearchHandle&) = delete;
    SearchHandle& operator=(const SearchHandle&) = delete;
    ~SearchHandle();
    std::intptr_t native = 0;  // 0: no search open
};

// First call: the pattern (closes a search still open in the handle). Later
// calls: the empty text. Returns the bare name of the next accepted entry, or
// the empty text at the end (the search is then closed). files_only accepts
// every non-folder entry; otherwise an entry is accepted when its attributes
// share a bit of the mask (read-only, hidden, system, folder, archive only),
// or, with none of those bits in the mask, when its attribute word is 0.
// Names that match "*.bin" only through a short 8.3 form are never returned
// for a pattern ending in "*.bin".
std::string find_file(std::string_view pattern, std::uint32_t attribute_mask, bool files_only,
                      SearchHandle& handle);
void end_find_file(SearchHandle& handle);

// One folder level; fails when it exists or its parent is missing.
bool create_folder(std::string_view path);
// Replaces an existing target. Copying a file onto itself fails and changes nothing.
bool copy_file(std::string_view source, std::string_view target);
// Rename; if that fails, copy (replacing) and delete the source. A source that
// cannot be deleted takes the copy back: the move fails rather than leave the
// file in two places.
bool move_file(std::string_view source, std::string_view target);
// Rename of one file, no fallback: fails when the target exists or the source
// is missing or a folder.
bool rename_file(std::string_view old_path, std::string_view new_path);
// Rename over the target, in one step, whether it exists or not; fails across
// volumes and onto a read-only file.
bool rename_over(std::string_view old_path, std::string_view new_path);
bool delete_file(std::string_view path);
// Deletes the way Explorer does: into the Recycle Bin, without a question or
// any window. A volume with no Recycle Bin (removable and network drives)
// leaves the file in place and says so.
enum RecycleResult : int { recycled, no_recycle_bin, recycle_failed };
RecycleResult recycle_file(std::string_view path);

// Clears the read-only attribute of a file and nothing else. True when the
// file is writable afterwards; fails on a folder or a missing file.
bool make_writable(std::string_view path);
// Creates or truncates, writes the parts in order (empty ones skipped), closes.
bool write_file(std::string_view path, const std::vector<std::string_view>& parts);

// Whole-file read, for the settings reader. False when the file cannot be read.
bool read_whole_file(std::string_view path, std::string& bytes);
// Why the last call above that failed did so, in the system's words.
std::string last_failure_reason();
// Whether that call failed for want of the file (or a folder on its path).
bool last_failure_was_missing();
// A whole-file read of a file that may be anything: false, without reading it whole,
// when it holds more than `limit` bytes.
bool read_file_up_to(std::string_view path, std::uint64_t limit, std::string& bytes);

// What tells one state of a file from another without reading it.
struct FileFacts {
    std::uint64_t size = 0;
    std::uint64_t last_write = 0;  // the platform's time stamp; only compared
    bool operator==(const FileFacts&) const = default;
};
// The facts of an existing file (not a folder); false otherwise.
bool file_facts(std::string_view path, FileFacts& facts);

// A file a listing found, with its facts where the platform gives them with
// the name (Windows does; Linux would look up every file for them).
struct ListedFile {
    std::string name;
    std::optional<FileFacts> facts;
};
// The files (not folders) the pattern matches, as find_file gives them,
// without a look-up of any one file: for a caller that needs the facts of a
// few of them (file_facts for those the listing left without).
std::vector<ListedFile> list_files(std::string_view pattern);
// The facts of the entry find_file returned last, from the same directory
// read (a folder of a thousand boxes costs one listing, not a thousand
// look-ups); false when no search is open.
bool found_file_facts(const SearchHandle& handle, FileFacts& facts);

// Writes the bytes to a temporary file beside `path` (its name, cut to fit,
// and ".kistvar-tmp-<n>") and replaces `path` with it in one step, so a crash
// or a full disk leaves the old file or the new one, never a half file.
// `replace_existing` false makes it fail (and leave nothing behind) when
// `path` already exists. `written`, when given, gets the facts of the file as
// written, without another look-up (zeros when the system does not say).
bool write_file_atomically(std::string_view path, std::string_view bytes, bool replace_existing = true,
                           FileFacts* written = nullptr);

}  // namespace kistvar
