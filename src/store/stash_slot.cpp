#include "store/stash_slot.h"

#include "settings/settings_procedures.h"
#include "store/box_titles.h"

namespace kistvar::store {

std::optional<Outcome> name_box_in_slot(const Places& places, std::string_view other_slot) {
    if (places.marker != other_box_marker || stash_file(places) == other_slot) return std::nullopt;
    // Not asked whether the file is there: a search that fails would say no.
    // An empty slot just waits, as on a first run, for the game to fill it.
    const std::string title = first_free_my_box_title(places);
    const bool written = write_in_use_marker(places.settings_file, title);
    return Outcome{written ? Result::done : Result::failed, title, {}, {}};
}

}  // namespace kistvar::store
