#include "app/start_up.h"

#include "app/bindings.h"
#include "library/box_lists.h"
#include "options/options_page.h"
#include "options/window_language.h"
#include "options/window_settings.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/runtime.h"
#include "store/places.h"

namespace kistvar {

namespace {

constexpr int shell_action_open = 4;

std::string readme_path() { return program_folder() + "\\" + std::string(readme_file_name()); }

void write_readme() { write_file(readme_path(), {readme_bytes()}); }

using language::Text;
using language::text;

// A first run is one without MYBOX.ini (a folder of that name counts as one).
// Cancel ends the program here, before anything is written.
void ask_for_first_configuration(App& app) {
    if (file_exists(app.state.settings_file_path)) return;
    if (message_box(text(Text::first_run), style_information_ok_cancel, text(Text::question_caption)) != result_ok)
        end_program(0);
    toggle_page(app);
}

// A settings file that exists but cannot be read (locked, access denied, a
// disk error) must never turn into the defaults: the default marker would take
// the box in the slot for another one. The user retries or leaves, and leaving
// writes nothing.
void load_settings_or_end(App& app) {
    std::string reason;
    while (!load_settings(app, &reason)) {
        const std::string unreadable =
            text(Text::settings_unreadable, {{"path", app.state.settings_file_path}, {"reason", reason}});
        if (message_box(unreadable, style_error_retry_cancel, text(Text::failure_caption)) != result_retry)
            end_program(0);
    }
}

void register_drop_targets(App& app) {
    ui::MainWindow& w = app.w;
    w.拖放对象保存箱子->register_on(w.超级列表框保存箱子->window_handle());
    w.拖放对象我的箱子->register_on(w.超级列表框我的箱子->window_handle());
}

void release(State& state) {
    state.paths.clear();
    std::string().swap(state.stash_file_name);
    std::string().swap(state.settings_file_path);
    state.current_list = nullptr;
}

}  // namespace

void window_created(App& app) {
    app.state.settings_file_path = program_folder() + "\\MYBOX.ini";
    // Windows' language until the settings are read: the first-run question and
    // an unreadable file's message come before any stored choice can be known.
    speak(app, language::of_user_interface());
    ask_for_first_configuration(app);
    load_settings_or_end(app);
    store::make_my_boxes_folder(app.state.places());
    refresh_both_lists(app);
    app.w.超级列表框我的箱子->set_focus();  // makes it the current list
}

// Nothing here changes how the window first looks, so it waits until the
// player sees the window.
void window_shown(App& app) {
    write_readme();  // every start: the user's edits to it do not survive
    register_drop_targets(app);
}

void readme_button(App&) {
    if (!file_exists(readme_path())) write_readme();
    shell_open(shell_action_open, readme_path());
}

int program_entry() {
    // The path table lives in the App beside the window it reaches, so the
    // window is made first; nothing can be seen of either before the created event.
    // Built in Windows' language, the window needs no second wording at start
    // unless the player stored another.
    language::set_current(language::of_user_interface());
    std::unique_ptr<ui::MainWindow> window = ui::create_main_window();
    App app{State{}, *window};
    register_cleanup([&app] { release(app.state); });
    bind_events(app);
    window->window->on_created();
    window->show_and_run();
    // The clean-up runs once per program; running it here, while the state it
    // releases still exists, leaves nothing for the runtime's own call to touch.
    run_cleanup();
    return 0;
}

}  // namespace kistvar
