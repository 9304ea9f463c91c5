// Renaming a box in place. The reason of a failure is found after the fact,
// so that a change of letter case alone stays possible.
#include <string>

#include "platform/file_names.h"
#include "platform/files.h"
#include "settings/settings_procedures.h"
#include "store/box_editing.h"
#include "store/box_titles.h"
#include "store/reasons.h"

namespace kistvar::store {

namespace {

Outcome refused(std::string_view old_title, std::string reason = {}) {
    return {Result::refused, std::string(old_title), std::move(reason), {}};
}

Outcome renamed(std::string_view new_title) { return {Result::done, std::string(new_title), {}, {}}; }

// A change of letter case alone goes through a name of its own: Wine takes
// the new name for the file itself, reports success and keeps the old
// spelling on disk. The step name still ends in ".bin", so a box stranded
// there by a failure is listed, not hidden.
Outcome change_letter_case(std::string_view old_title, const std::string& old_file, std::string_view new_title,
                           const std::string& new_file) {
    const std::string step = with_ending_that_fits(new_file.substr(0, new_file.size() - 4), ".kistvar-case.bin");
    if (rename_file(old_file, step)) {
        if (rename_file(step, new_file)) return renamed(new_title);
        rename_file(step, old_file);
    }
    if (!file_exists(old_file)) return refused(old_title, reasons::box_file_missing());
    return refused(old_title);
}

Outcome rename_box_file(std::string_view old_title, const std::string& old_file, std::string_view new_title,
                        const std::string& new_file) {
    if (same_title(old_title, new_title)) return change_letter_case(old_title, old_file, new_title, new_file);
    if (rename_file(old_file, new_file)) return renamed(new_title);
    if (file_exists(new_file)) return refused(old_title, reasons::title_taken(new_title));
    if (!file_exists(old_file)) return refused(old_title, reasons::box_file_missing());
    return refused(old_title);
}

}  // namespace

Outcome rename_my_box(const Places& places, std::string_view old_title, std::string_view new_title) {
    if (new_title == old_title) return renamed(new_title);  // a cancelled edit
    if (std::string problem = box_name_problem(new_title); !problem.empty()) return refused(old_title, problem);
    if (is_reserved_title(new_title)) return refused(old_title, reasons::reserved_title());
    if (places.marker != other_box_marker && same_title(places.marker, new_title))
        return refused(old_title, reasons::in_use_title(new_title));
    return rename_box_file(old_title, my_box_file(places, old_title), new_title, my_box_file(places, new_title));
}

Outcome rename_saved_box(const Places& places, std::string_view old_title, std::string_view new_title) {
    if (new_title == old_title) return renamed(new_title);  // a cancelled edit
    if (std::string problem = box_name_problem(new_title); !problem.empty()) return refused(old_title, problem);
    return rename_box_file(old_title, saved_box_file(places, old_title), new_title,
                           saved_box_file(places, new_title));
}

Outcome rename_box_in_use(const Places& places, std::string_view old_title, std::string_view new_title) {
    if (new_title != old_title) {
        if (std::string problem = box_name_problem(new_title); !problem.empty()) return refused(old_title, problem);
        if (is_reserved_title(new_title)) return refused(old_title, reasons::reserved_title());
        if (file_exists(my_box_file(places, new_title))) return refused(old_title, reasons::title_taken(new_title));
    }
    if (!write_in_use_marker(places.settings_file, new_title))
        return {Result::failed, std::string(old_title), reasons::marker_not_stored(places.settings_file), {}};
    return renamed(new_title);
}

}  // namespace kistvar::store
