#include "options/options_page.h"

#include "language/language.h"
#include "library/box_lists.h"
#include "library/messages.h"
#include "library/stash_slot.h"
#include "options/window_settings.h"
#include "platform/dialogs.h"
#include "platform/text.h"
#include "settings/settings_procedures.h"
#include "store/places.h"

namespace kistvar {

namespace {

constexpr int library_page = 0;
constexpr int options_page = 1;

// Load settings, and a stash file that the settings now point to for the
// first time is kept as a box, never taken for a saved box's copy. Loading
// rebuilds both lists empty; they are filled again at once, so that the
// lists hold the library whatever page is shown (a search of the contents
// window covers every box in them).
void reload_settings(App& app) {
    const std::string stash_before = store::stash_file(app.state.places());
    load_settings(app);
    keep_stash_of_new_slot(app, stash_before);
    refresh_both_lists(app);
}

void choose_folder_into(ui::EditBox& edit_box) {
    const std::string folder = choose_folder(language::text(language::Text::choose_folder_title));
    if (!folder.empty()) edit_box.set_content(folder);
}

}  // namespace

void toggle_page(App& app) {
    ui::MainWindow& w = app.w;
    if (w.选择夹1->current_page() == library_page) {
        w.选择夹1->set_current_page(options_page);
        reload_settings(app);  // unsaved edits of an earlier visit are dropped
    } else {
        w.选择夹1->set_current_page(library_page);
        refresh_both_lists(app);  // a box folder saved meanwhile shows at once
    }
    show_options_button_tip(app);
}

void show_options_button_tip(App& app) {
    const bool on_options = app.w.选择夹1->current_page() == options_page;
    app.w.超级按钮高级->set_tool_tip_text(
        language::text(on_options ? language::Text::back_tip : language::Text::options_tip));
}

void choose_save_folder(App& app) { choose_folder_into(*app.w.编辑框存档路径); }

void choose_box_folder(App& app) { choose_folder_into(*app.w.编辑框箱子路径); }

void save_options(App& app) {
    // The saved boxes would share a folder with the stash slot. Said even in
    // quiet mode: the page stays as typed, to be put right.
    if (store::same_folder(app.w.编辑框箱子路径->content(), app.w.编辑框存档路径->content())) {
        messages::show(messages::options_box_folder_is_save_folder());
        return;
    }
    const std::string next_stash =
        app.w.编辑框存档路径->content() + "\\" +
        stash_file_name_for(to_text(app.w.组合框1->current_index()), to_text(app.w.组合框2->current_index()));
    if (keep_stash_of_next_slot(app, next_stash)) store_options(app);
    reload_settings(app);  // everything now follows what the file really holds
}

void cancel_options(App& app) { reload_settings(app); }

}  // namespace kistvar
