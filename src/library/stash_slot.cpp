#include "library/stash_slot.h"

#include "library/box_paths.h"
#include "library/box_titles.h"
#include "platform/files.h"
#include "platform/settings_file.h"
#include "platform/text.h"
#include "settings/setting_keys.h"
#include "settings/settings_procedures.h"

namespace kistvar {

namespace {

constexpr int in_use_status_part = 1;

}  // namespace

void keep_stash_of_new_slot(App& app, const std::string& previous_stash) {
    if (app.state.paths[in_use_marker] != other_box_marker || stash_file(app) == previous_stash) return;
    // Not asked whether the file is there: a search that fails would say no.
    // An empty slot just waits, as on a first run, for the game to fill it.
    app.state.paths[in_use_marker] = first_free_my_box_title(app);
    write_in_use_marker(app);
    app.w.状态条1->set_status_text(in_use_status_part, app.state.paths[in_use_marker]);
}

bool keep_stash_of_next_slot(App& app, const std::string& next_stash) {
    if (app.state.paths[in_use_marker] != other_box_marker || stash_file(app) == next_stash) return true;
    const std::string title = first_free_my_box_title(app);
    const setting_keys::Key& key = setting_keys::in_use_marker;
    if (!write_setting(app.state.settings_file_path, key.section, key.name, title)) return false;
    app.state.paths[in_use_marker] = title;
    app.w.状态条1->set_status_text(in_use_status_part, title);
    return true;
}

}  // namespace kistvar
