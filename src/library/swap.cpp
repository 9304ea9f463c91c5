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
#include "settings/settings_procedures.h"

namespace kistvar {

namespace {

// The item of the box in use: the one with the marker's title that shows the
// in-use picture (an ordinary box may share the title in another letter case).
// The picture is looked at first: reading it is cheap, and comparing the title
// with every box of a library of thousands, at every swap, is not. Where the
// last swap put the picture is looked at before all others.
int find_in_use_item(const App& app, const ui::ListView& list, const std::string& title) {
    auto is_it = [&](int item) { return shows_in_use(list, item) && list.find_item(title, item) == item; };
    if (is_it(app.state.in_use_item_hint)) return app.state.in_use_item_hint;
    for (int item = 0; item < list.item_count(); ++item)
        if (is_it(item)) return item;
    return -1;
}

void set_status(App& app, const std::string& text) {
    app.w.状态条1->set_status_text(1, text);
}

// The item of the box in use takes the title it has now and the picture.
void show_in_use_item_as(App& app, const std::string& marker, const std::string& title, int picture) {
    ui::ListView& list = *app.w.超级列表框我的箱子;
    int item = find_in_use_item(app, list, marker);
    if (item == -1) return;
    if (title == marker) {
        list.set_item_picture(item, picture);
        return;
    }
    list.delete_item(item);
    list.insert_item(-1, title, picture);
}

// The title the box in use goes home under. A marker edited by hand into
// something no typed name could be ("..\x", "NUL", empty, too long) is never
// made part of a path: the box takes a free default title instead.
std::string home_title_of(const App& app, const std::string& marker) {
    return box_name_problem(marker).empty() ? marker : first_free_my_box_title(app);
}

// Puts the box in use into MYBOX. Renamed, never copied: a rename never
// replaces a file, while the copy fallback of move_file would replace a box
// that a search failed to see. Why it failed is asked only afterwards, so a
// swap searches nothing in MYBOX (under Wine every search there reads the
// whole folder).
bool send_box_in_use_home(App& app, const std::string& home) {
    const std::string slot = stash_file(app), target = my_box_file(app, home);
    if (rename_file(slot, target)) return true;
    if (file_exists(target)) {
        messages::show_unless_quiet(app, messages::swap_back_occupied(home));
        return false;
    }
    // A box folder made after the start (a first run does so) has no MYBOX
    // yet; the box in use needs it to go home.
    if (create_folder(my_boxes_folder(app)) && rename_file(slot, target)) return true;
    messages::show_unless_quiet(app, messages::swap_move_failed());
    return false;
}

// The chosen box could not take the slot. The box that went home returns to
// it, named again first if the marker had moved on, so marker, pictures and
// files agree as before. If even that fails it stays in MYBOX as an ordinary
// box and the stash slot holds no box of the library.
void undo_swap(App& app, const std::string& previous, const std::string& home, bool marker_moved_on) {
    if (previous == other_box_marker) {
        // The slot still holds the copy it held.
        if (marker_moved_on) write_in_use_marker(app, other_box_marker);
        messages::show(messages::swap_move_failed());
        return;
    }
    const std::string parked_at = my_box_file(app, home);
    const std::string back_under = marker_moved_on ? home : previous;
    if ((!marker_moved_on || write_in_use_marker(app, home)) && move_file(parked_at, stash_file(app))) {
        if (back_under != previous) {
            show_in_use_item_as(app, previous, back_under, in_use_picture);
            app.state.paths[in_use_marker] = back_under;
            show_in_use_marker(app);
        }
        messages::show(messages::swap_move_failed());
        return;
    }
    show_in_use_item_as(app, previous, home, ordinary_picture);
    app.state.paths[in_use_marker] = std::string(other_box_marker);
    write_in_use_marker(app, other_box_marker);
    show_in_use_marker(app);
    messages::show(messages::swap_rollback_failed(home, parked_at));
}

}  // namespace

// One write of MYBOX.ini per swap, in the one place where it keeps the
// marker true whenever the program might end:
//   1. the box in use goes home to MYBOX (a saved box's copy just stays, to
//      be overwritten);
//   2. the marker names the chosen my box, or "别的箱子" (no write when it
//      already does);
//   3. the chosen box enters: a my box is moved, a saved box copied.
// So a my box enters the slot only once MYBOX.ini names it (a program ending
// before the write must not find "别的箱子" at its next start and take the box
// for a saved box's copy, free to be overwritten), and a saved box's copy
// enters only once the marker has stopped naming the box that went home (else
// the next start would show that box in use and its own file as a second box
// of that title). Whenever it ends, every box is whole in MYBOX or in the
// slot; a step that fails is undone, which may take a second write.
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

    const std::string previous = app.state.paths[in_use_marker];
    const bool previous_is_my_box = previous != other_box_marker;
    const std::string home = previous_is_my_box ? home_title_of(app, previous) : std::string();
    if (!back_up_before_swap(app, title, chosen_is_my_box)) return;
    if (previous_is_my_box && !send_box_in_use_home(app, home)) return;

    const std::string next = chosen_is_my_box ? title : std::string(other_box_marker);
    const bool named = next == previous || write_in_use_marker(app, next);
    // A my box moves into the slot; a saved box is a template and is copied.
    const bool put_in = named && (chosen_is_my_box ? move_file(my_box_file(app, title), stash_file(app))
                                                   : copy_file(saved_box_file(app, title), stash_file(app)));
    if (!put_in) {
        undo_swap(app, previous, home, named && next != previous);
        return;
    }
    // A copy and a move keep the read-only attribute, and a read-only slot
    // would stop the game saving and every later swap. Should this fail, the
    // swap still stands: no box is at risk.
    make_writable(stash_file(app));

    // The previous box first: the chosen one may share its title in another
    // letter case, and would then be taken for it.
    if (previous_is_my_box) show_in_use_item_as(app, previous, home, ordinary_picture);
    if (chosen_is_my_box) {
        list->set_item_picture(list->selected_item(), in_use_picture);
        app.state.in_use_item_hint = list->selected_item();
    }
    app.state.paths[in_use_marker] = next;
    set_status(app, language::text(chosen_is_my_box ? language::Text::status_my_box
                                                    : language::Text::status_copy_of_saved_box,
                                   {{"title", title}}));
    messages::show_unless_quiet(app, messages::swap_succeeded(title));
}

void my_list_double_clicked(App& app) {
    const ui::ListView& list = *app.w.超级列表框我的箱子;
    if (shows_in_use(list, list.selected_item())) return;
    swap(app);
}

}  // namespace kistvar
