#include "library/stash_slot.h"

#include "library/box_paths.h"
#include "library/box_titles.h"
#include "platform/files.h"
#include "platform/text.h"
#include "settings/settings_procedures.h"

namespace kistvar {

void keep_stash_of_new_slot(App& app, const std::string& previous_stash) {
    if (app.state.paths[in_use_marker] != other_box_marker || stash_file(app) == previous_stash) return;
    // Not asked whether the file is there: a search that fails would say no.
    // An empty slot just waits, as on a first run, for the game to fill it.
    app.state.paths[in_use_marker] = first_free_my_box_title(app);
    write_in_use_marker(app, app.state.paths[in_use_marker]);
    show_in_use_marker(app);
}

bool keep_stash_of_next_slot(App& app, const std::string& next_stash) {
    if (app.state.paths[in_use_marker] != other_box_marker || stash_file(app) == next_stash) return true;
    const std::string title = first_free_my_box_title(app);
    if (!write_in_use_marker(app, title)) return false;
    app.state.paths[in_use_marker] = title;
    show_in_use_marker(app);
    return true;
}

}  // namespace kistvar
