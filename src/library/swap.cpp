#include "library/swap.h"

#include <string>

#include "library/backups.h"
#include "library/box_lists.h"
#include "library/box_paths.h"
#include "library/box_titles.h"
#include "library/game_guard.h"
#include "library/item_pictures.h"
#include "library/messages.h"
#include "library/stash_questions.h"
#include "platform/files.h"
#include "platform/settings_file.h"
#include "settings/setting_keys.h"
#include "settings/settings_procedures.h"

namespace kistvar {

namespace {

// The item of the box in use: the one with the marker's title that shows the
// in-use picture (an ordinary box may share the title in another letter case).
// The picture is looked at first: reading it is cheap, and comparing the title
// with every box of a library of thousands, at every swap, is not.
int find_in_use_item(const ui::ListView& list, const std::string& title) {
    for (int item = 0; item < list.item_count(); ++item)
        if (shows_in_use(list, item) && list.find_item(title, item) == item) return item;
    return -1;
}

void show_as_ordinary(App& app, const std::string& title) {
    ui::ListView& list = *app.w.超级列表框我的箱子;
    int item = find_in_use_item(list, title);
    if (item != -1) list.set_item_picture(item, ordinary_picture);
}

void set_status(App& app, const std::string& text) {
    app.w.状态条1->set_status_text(1, text);
}

// Writes the marker to MYBOX.ini only, and says whether it got there.
bool store_marker(const App& app, std::string_view marker) {
    const setting_keys::Key& key = setting_keys::in_use_marker;
    return write_setting(app.state.settings_file_path, key.section, key.name, marker);
}

void set_marker(App& app, std::string_view marker) {
    app.state.paths[in_use_marker] = std::string(marker);
    write_in_use_marker(app);
}

// The previous box went back into MYBOX but the chosen one could not take its
// place: the previous box returns to the slot, so marker, pictures and files
// agree again. If even that fails it stays in MYBOX as an ordinary box and the
// stash slot holds no box of the library.
void put_previous_box_back(App& app, const std::string& previous) {
    std::string parked_at = my_box_file(app, previous);
    if (move_file(parked_at, stash_file(app))) {
        messages::show(messages::swap_move_failed());
        return;
    }
    show_as_ordinary(app, previous);
    set_marker(app, other_box_marker);
    set_status(app, std::string(other_box_marker));
    messages::show(messages::swap_rollback_failed(previous, parked_at));
}

}  // namespace

void swap(App& app) {
    ui::ListView* list = app.state.current_list;
    if (list == nullptr) return;
    int item = list->selected_item();
    if (item == -1) return;
    if (shows_in_use(*list, item)) {
        app.w.超级按钮更换->set_disabled(true);
        return;
    }
    const std::string title = list->get_item_title(item);
    const bool chosen_is_my_box = is_my_list(app, list);
    if (chosen_is_my_box && is_reserved_title(title)) {
        messages::show_unless_quiet(app, messages::swap_reserved_title());
        return;
    }
    if (!box_may_be_swapped_in(chosen_is_my_box ? my_box_file(app, title) : saved_box_file(app, title), title))
        return;

    if (!game_allows_swap()) return;

    // Put the box in use back into MYBOX, never over another box's file.
    const std::string previous = app.state.paths[in_use_marker];
    const bool previous_is_my_box = previous != other_box_marker;
    if (!back_up_before_swap(app, title, chosen_is_my_box)) return;
    if (previous_is_my_box) {
        if (file_exists(my_box_file(app, previous))) {
            messages::show_unless_quiet(app, messages::swap_back_occupied(previous));
            return;
        }
        // A box folder made after the start (a first run does so) has no
        // MYBOX yet; the box in use needs it to go home.
        if (!file_exists(my_boxes_folder(app))) create_folder(my_boxes_folder(app));
        // Renamed, never copied: the copy fallback of move_file would replace
        // a box that the check above failed to see.
        if (!rename_file(stash_file(app), my_box_file(app, previous))) {
            messages::show_unless_quiet(app, messages::swap_move_failed());
            return;
        }
    }

    // A my box enters the slot only once MYBOX.ini names it: a program that
    // ends before the marker is stored must not find "别的箱子" at its next
    // start and take the box for a saved box's copy, free to be overwritten.
    const bool named = !chosen_is_my_box || store_marker(app, title);
    // A my box moves into the slot; a saved box is a template and is copied.
    const bool put_in = named && (chosen_is_my_box ? move_file(my_box_file(app, title), stash_file(app))
                                                   : copy_file(saved_box_file(app, title), stash_file(app)));
    if (!put_in) {
        if (named && chosen_is_my_box) store_marker(app, previous);  // the box is not in the slot after all
        if (previous_is_my_box)
            put_previous_box_back(app, previous);
        else
            messages::show(messages::swap_move_failed());
        return;
    }
    // A saved box's copy is in the slot and the box in use went home:
    // MYBOX.ini must stop naming that box, or the next start shows it in use
    // and its own file as a second box of that title. Unable to, the box goes
    // back over the copy.
    if (!chosen_is_my_box && previous_is_my_box && !store_marker(app, other_box_marker)) {
        put_previous_box_back(app, previous);
        return;
    }

    show_as_ordinary(app, previous);
    if (chosen_is_my_box) {
        list->set_item_picture(list->selected_item(), in_use_picture);
        set_status(app, "我的箱子  " + title);
        set_marker(app, title);
    } else {
        set_status(app, "别的箱子  " + title);
        set_marker(app, other_box_marker);
    }
    messages::show_unless_quiet(app, messages::swap_succeeded(title));
}

void my_list_double_clicked(App& app) {
    const ui::ListView& list = *app.w.超级列表框我的箱子;
    if (shows_in_use(list, list.selected_item())) return;
    swap(app);
}

}  // namespace kistvar
