#include "store/drop_import.h"

#include <vector>

#include "platform/file_names.h"
#include "platform/files.h"
#include "platform/text.h"
#include "store/backups.h"
#include "store/box_copy.h"
#include "store/box_titles.h"
#include "store/reasons.h"

namespace kistvar::store {

namespace {

// Why a dropped box cannot become a my box with this title, or the empty text.
std::string my_box_title_problem(const Places& places, std::string_view title) {
    if (is_reserved_title(title)) return reasons::reserved_title();
    if (places.marker != other_box_marker && same_title(places.marker, title)) return reasons::in_use_title(title);
    return {};
}

}  // namespace

Drop read_drop(const Places& places, bool into_my_boxes, std::string_view dropped_files_text) {
    Drop drop;
    drop.source = dropped_files_text;
    // Several files come as paths each ending in "\r\n", so the last piece of
    // a multi-file drop is never a box file's name and the whole drop is refused.
    std::vector<std::string> pieces = split_text(dropped_files_text, "\\");
    drop.file_name = pieces.empty() ? std::string() : pieces.back();
    if (!is_box_file_name(drop.file_name)) {
        drop.result = DropResult::not_one_box;
        return drop;
    }
    drop.title = title_of_box_file(drop.file_name);
    // "CON.bin" names the console device, not a file: no question about a
    // file to replace, just the reason.
    drop.reason = box_name_problem(drop.title);
    if (drop.reason.empty() && into_my_boxes) drop.reason = my_box_title_problem(places, drop.title);
    if (!drop.reason.empty()) {
        drop.result = DropResult::refused;
        return drop;
    }
    const std::string folder = into_my_boxes ? my_boxes_folder(places) : places.box_folder;
    drop.destination = folder + "\\" + drop.title + ".bin";
    if (same_file_name(drop.destination, dropped_files_text)) drop.result = DropResult::in_place;
    return drop;
}

bool destination_taken(const Drop& drop) { return file_exists(drop.destination); }

Outcome import_box(const Places& places, const Drop& drop, bool replace) {
    if (drop.result != DropResult::importable) return {Result::refused, drop.title, drop.reason, {}};
    if (replace)
        if (Backup backup = back_up_box(places, drop.destination, drop.title); backup.failed())
            return {Result::backup_failed, drop.title, {}, backup};
    // Only a replacement the player agreed to may overwrite a file.
    const bool copied = replace ? copy_file(drop.source, drop.destination)
                                : copy_to_new_box_file(drop.source, drop.destination);
    return {copied ? Result::done : Result::failed, drop.title, {}, {}};
}

}  // namespace kistvar::store
