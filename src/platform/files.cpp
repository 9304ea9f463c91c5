#include "platform/files.h"

#include <memory>

#include "platform/fault_seam.h"
#include "platform/file_names.h"
#include "platform/native_files.h"

namespace kistvar {

namespace {

using fault_seam::FileCall;

bool seam_allows(FileCall call, std::string_view path) {
    if (!fault_seam::should_fail(call, path)) return true;
    native::note_io_error();
    return false;
}

char ascii_lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool ends_with_ignoring_case(std::string_view text, std::string_view suffix) {
    if (text.size() < suffix.size()) return false;
    text.remove_prefix(text.size() - suffix.size());
    for (std::size_t i = 0; i < suffix.size(); ++i)
        if (ascii_lower(text[i]) != ascii_lower(suffix[i])) return false;
    return true;
}

// What the SearchHandle holds between calls: the native search and whether the
// pattern asks for boxes, so a name matched only through its 8.3 short form
// ("x.binary" as X~1.BIN) is kept out.
struct OpenSearch {
    std::intptr_t native = 0;
    std::string pattern;  // what the fault seam is shown for every step
    bool boxes_only = false;
    native::DirectoryEntry entry;  // the entry to consider next
};

OpenSearch* open_search(const SearchHandle& handle) {
    return reinterpret_cast<OpenSearch*>(handle.native);
}

constexpr std::uint32_t counted_attributes =
    attribute_read_only | attribute_hidden | attribute_system | attribute_folder | attribute_archive;

bool accepted(const OpenSearch& search, std::uint32_t attribute_mask, bool files_only) {
    const native::DirectoryEntry& entry = search.entry;
    if (search.boxes_only && !ends_with_ignoring_case(entry.name, ".bin")) return false;
    if (files_only) return (entry.attributes & attribute_folder) == 0;
    std::uint32_t wanted = attribute_mask & counted_attributes;
    if (wanted == 0) return entry.attributes == 0;
    return (entry.attributes & wanted) != 0;
}

bool close_file_reporting(std::intptr_t file, std::string_view path) {
    // A failure the seam reports still releases the handle: an open handle
    // with no sharing would lock the file for the rest of the run.
    bool allowed = seam_allows(FileCall::close_file, path);
    bool closed = native::close_file(file);
    return allowed && closed;
}

bool write_parts(std::intptr_t file, std::string_view path, const std::vector<std::string_view>& parts) {
    for (std::string_view part : parts) {
        if (part.empty()) continue;
        if (!seam_allows(FileCall::write_bytes, path) || !native::write_bytes(file, part)) return false;
    }
    return true;
}

// Runs a clean-up after a failure, keeping that failure's reason.
template <class CleanUp>
void clean_up_after_failure(CleanUp clean_up) {
    const std::uint32_t reason = native::last_error_code();
    clean_up();
    native::restore_error_code(reason);
}

// Opens a fresh temporary file beside `path`. A name already taken (a
// leftover of a crash, say) is stepped over; when crashes have left every name
// taken, the leftovers are ours and hold nothing the old or new file lacks, so
// one that can be removed is removed and its name reused.
std::intptr_t open_temporary_beside(std::string_view path, std::string& temporary) {
    constexpr int names = 100;
    for (int pass = 0; pass < 2; ++pass) {
        for (int serial = 1; serial <= names; ++serial) {
            temporary = with_ending_that_fits(path, ".kistvar-tmp-" + std::to_string(serial));
            if (!seam_allows(FileCall::open_for_write, temporary)) return 0;
            if (std::intptr_t file = native::open_for_write(temporary, true)) return file;
            native::DirectoryEntry taken;
            std::intptr_t probe = 0;
            clean_up_after_failure([&] { probe = native::find_first(temporary, taken); });
            if (probe == 0) return 0;  // not taken, so the folder itself refuses
            native::find_close(probe);
            // A leftover held open (a writer still at work) or read-only stays.
            if (pass == 1 && seam_allows(FileCall::delete_file, temporary) && native::delete_file(temporary)) {
                if (!seam_allows(FileCall::open_for_write, temporary)) return 0;
                if (std::intptr_t file = native::open_for_write(temporary, true)) return file;
            }
        }
    }
    return 0;
}

}  // namespace

SearchHandle::~SearchHandle() {
    end_find_file(*this);
}

bool file_exists(std::string_view path) {
    if (!seam_allows(FileCall::find_first, path)) return false;
    native::DirectoryEntry entry;
    std::intptr_t search = native::find_first(path, entry);
    if (search == 0) return false;
    native::find_close(search);
    return true;
}

std::string find_file(std::string_view pattern, std::uint32_t attribute_mask, bool files_only,
                      SearchHandle& handle) {
    bool advance = pattern.empty();
    if (!advance) {
        end_find_file(handle);
        if (!seam_allows(FileCall::find_first, pattern)) return {};
        auto search = std::make_unique<OpenSearch>();
        search->native = native::find_first(pattern, search->entry);
        if (search->native == 0) return {};
        search->pattern = pattern;
        search->boxes_only = ends_with_ignoring_case(pattern, "*.bin");
        handle.native = reinterpret_cast<std::intptr_t>(search.release());
    }
    OpenSearch* search = open_search(handle);
    if (search == nullptr) return {};
    while (advance || !accepted(*search, attribute_mask, files_only)) {
        advance = false;
        if (!seam_allows(FileCall::find_next, search->pattern) || !native::find_next(search->native, search->entry)) {
            end_find_file(handle);
            return {};
        }
    }
    return search->entry.name;
}

std::vector<ListedFile> list_files(std::string_view pattern) {
    std::vector<ListedFile> files;
    if (!seam_allows(FileCall::find_first, pattern)) return files;
    native::DirectoryEntry entry;
    const std::intptr_t search = native::find_first(pattern, entry, false);
    if (search == 0) return files;
    const bool boxes_only = ends_with_ignoring_case(pattern, "*.bin");
    do {
        if ((entry.attributes & attribute_folder) != 0 || (boxes_only && !ends_with_ignoring_case(entry.name, ".bin")))
            continue;
        files.push_back({std::move(entry.name), std::nullopt});
        if (entry.facts_known) files.back().facts = FileFacts{entry.size, entry.last_write};
    } while (seam_allows(FileCall::find_next, pattern) && native::find_next(search, entry));
    native::find_close(search);
    return files;
}

void end_find_file(SearchHandle& handle) {
    OpenSearch* search = open_search(handle);
    if (search == nullptr) return;
    native::find_close(search->native);
    delete search;
    handle.native = 0;
}

bool create_folder(std::string_view path) {
    return seam_allows(FileCall::create_directory, path) && native::create_directory(path);
}

bool copy_file(std::string_view source, std::string_view target) {
    return seam_allows(FileCall::copy_file, source) && native::copy_file(source, target);
}

bool move_file(std::string_view source, std::string_view target) {
    if (seam_allows(FileCall::move_file, source) && native::move_file(source, target)) return true;
    if (!copy_file(source, target)) return false;
    if (delete_file(source)) return true;
    // A source that will not go away (read-only, held open) would leave two
    // copies to go their own ways: the copy goes again, around the seam as
    // every clean-up does.
    clean_up_after_failure([&] {
        native::make_writable(target);
        native::delete_file(target);
    });
    return false;
}

bool rename_file(std::string_view old_path, std::string_view new_path) {
    return seam_allows(FileCall::move_file, old_path) && native::move_file(old_path, new_path);
}

bool rename_over(std::string_view old_path, std::string_view new_path) {
    return seam_allows(FileCall::replace_file, old_path) && native::replace_file(old_path, new_path);
}

bool delete_file(std::string_view path) {
    return seam_allows(FileCall::delete_file, path) && native::delete_file(path);
}

RecycleResult recycle_file(std::string_view path) {
    if (!seam_allows(FileCall::recycle_file, path)) return recycle_failed;
    return static_cast<RecycleResult>(native::recycle_file(path));
}

bool make_writable(std::string_view path) {
    return seam_allows(FileCall::make_writable, path) && native::make_writable(path);
}

bool write_file(std::string_view path, const std::vector<std::string_view>& parts) {
    if (path.empty()) return false;
    if (!seam_allows(FileCall::open_for_write, path)) return false;
    std::intptr_t file = native::open_for_write(path, false);
    if (file == 0) return false;
    bool written = write_parts(file, path, parts);
    bool closed = close_file_reporting(file, path);
    return written && closed;
}

bool read_whole_file(std::string_view path, std::string& bytes) {
    bytes.clear();
    return seam_allows(FileCall::read_file, path) && native::read_file(path, bytes);
}

bool read_file_up_to(std::string_view path, std::uint64_t limit, std::string& bytes) {
    bytes.clear();
    return seam_allows(FileCall::read_file, path) && native::read_file(path, bytes, limit);
}

bool file_facts(std::string_view path, FileFacts& facts) {
    if (!seam_allows(FileCall::find_first, path)) return false;
    native::DirectoryEntry entry;
    std::intptr_t search = native::find_first(path, entry);
    if (search == 0) return false;
    native::find_close(search);
    if (entry.attributes & attribute_folder) return false;
    facts = {entry.size, entry.last_write};
    return true;
}

bool found_file_facts(const SearchHandle& handle, FileFacts& facts) {
    const OpenSearch* search = open_search(handle);
    if (search == nullptr) return false;
    facts = {search->entry.size, search->entry.last_write};
    return true;
}

bool write_file_atomically(std::string_view path, std::string_view bytes, bool replace_existing,
                           FileFacts* written) {
    if (path.empty()) return false;
    std::string temporary;
    std::intptr_t file = open_temporary_beside(path, temporary);
    if (file == 0) return false;

    bool done = write_parts(file, temporary, {bytes}) && seam_allows(FileCall::flush_to_disk, temporary) &&
                native::flush_to_disk(file);
    if (done && written != nullptr && !native::open_file_facts(file, written->size, written->last_write))
        *written = {};  // unknown: nothing counts as older
    done = close_file_reporting(file, temporary) && done;
    if (done) {
        done = replace_existing
                   ? seam_allows(FileCall::replace_file, temporary) && native::replace_file(temporary, path)
                   : seam_allows(FileCall::move_file, temporary) && native::move_file(temporary, path);
    }
    // Clearing up bypasses the seam: a test's one injected failure must not
    // also leave a temporary file behind.
    if (!done) clean_up_after_failure([&] { native::delete_file(temporary); });
    return done;
}

std::string last_failure_reason() { return native::last_error_text(); }

bool last_failure_was_missing() { return native::last_error_was_missing(); }

}  // namespace kistvar
