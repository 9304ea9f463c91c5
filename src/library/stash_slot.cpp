#include "library/stash_slot.h"

#include "library/box_paths.h"
#include "library/box_titles.h"
#include "platform/files.h"
#include "platform/text.h"
#include "settings/setting_keys.h"
#include "settings/settings_procedures.h"

namespace kistvar {

namespace {

constexpr int in_use_status_part = 1;

std::string free_title_for_the_stash(const App& app) {
    const std::string base(setting_keys::default_in_use_marker);
    std::string title = base;
    for (long long number = 2; file_exists(my_box_file(app, title)); ++number)
        title = base + " (" + to_text(number) + ")";
    return title;
}

}  // namespace

void keep_stash_of_new_slot(App& app, const std::string& previous_stash) {
    const std::string stash = stash_file(app);
    if (app.state.paths[in_use_marker] != other_box_marker || stash == previous_stash) return;
    if (!file_exists(stash)) return;  // an empty slot: nothing there to keep
    app.state.paths[in_use_marker] = free_title_for_the_stash(app);
    write_in_use_marker(app);
    app.w.状态条1->set_status_text(in_use_status_part, app.state.paths[in_use_marker]);
}

}  // namespace kistvar
