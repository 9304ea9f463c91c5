#include "library/stash_slot.h"

#include "library/status_bar.h"
#include "store/stash_slot.h"

namespace kistvar {

void keep_stash_of_new_slot(App& app, const std::string& previous_stash) {
    // The marker follows even when MYBOX.ini did not take it: the window's
    // destroy step writes it again.
    if (std::optional<store::Outcome> named = store::name_box_in_slot(app.state.places(), previous_stash)) {
        app.state.paths[in_use_marker] = named->title;
        show_in_use_marker(app);
    }
}

bool keep_stash_of_next_slot(App& app, const std::string& next_stash) {
    const std::optional<store::Outcome> named = store::name_box_in_slot(app.state.places(), next_stash);
    if (!named) return true;
    if (!named->done()) return false;
    app.state.paths[in_use_marker] = named->title;
    show_in_use_marker(app);
    return true;
}

}  // namespace kistvar
