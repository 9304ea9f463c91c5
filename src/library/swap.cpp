#include "library/swap.h"

#include <string>

#include "contents/contents_window.h"
#include "contents/game_guard.h"
#include "library/messages.h"
#include "library/safety_messages.h"
#include "library/stash_questions.h"
#include "library/status_bar.h"
#include "store/box_titles.h"
#include "store/swap.h"
#include "ui/item_pictures.h"

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

// The old copy the store cleared from the home title of the box in use
// leaves no row behind.
void forget_copy_cleared_at_home(App& app, const std::string& home) {
    ui::ListView& list = *app.w.超级列表框我的箱子;
    for (int item = 0; item < list.item_count(); ++item) {
        if (!shows_in_use(list, item) && store::same_title(list.get_item_title(item), home)) {
            list.delete_item(item);
            return;
        }
    }
}

void show_marker(App& app, const std::string& marker) {
    app.state.paths[in_use_marker] = marker;
    show_in_use_marker(app);
}

// The lists, the status bar and the message say what the store did.
void show_swap(App& app, ui::ListView& list, const std::string& previous, const std::string& title,
               bool chosen_is_my_box, const store::SwapOutcome& outcome) {
    if (outcome.cleared_copy_at_home) forget_copy_cleared_at_home(app, outcome.home);
    switch (outcome.result) {
        case store::SwapResult::swapped:
            // The previous box first: the chosen one may share its title in
            // another letter case, and would then be taken for it.
            if (previous != other_box_marker) show_in_use_item_as(app, previous, outcome.home, ordinary_picture);
            if (chosen_is_my_box) {
                list.set_item_picture(list.selected_item(), in_use_picture);
                app.state.in_use_item_hint = list.selected_item();
            }
            app.state.paths[in_use_marker] = outcome.marker;
            show_swapped_in(app, title, chosen_is_my_box);
            messages::show_unless_quiet(app, messages::swap_succeeded(title));
            return;
        case store::SwapResult::backup_failed:
            messages::show(messages::backup_failed(outcome.backup));
            return;
        case store::SwapResult::home_taken:
            messages::show_unless_quiet(app, messages::swap_back_occupied(outcome.home));
            return;
        case store::SwapResult::home_unreachable:
            messages::show_unless_quiet(app, messages::swap_move_failed());
            return;
        case store::SwapResult::put_back:
            // Named again if the marker had moved on before the put-back.
            if (outcome.marker != previous) {
                show_in_use_item_as(app, previous, outcome.marker, in_use_picture);
                show_marker(app, outcome.marker);
            }
            messages::show(messages::swap_move_failed(outcome.reason));
            return;
        case store::SwapResult::stranded:
            show_in_use_item_as(app, previous, outcome.home, ordinary_picture);
            show_marker(app, outcome.marker);
            messages::show(messages::swap_rollback_failed(
                outcome.home, store::my_box_file(app.state.places(), outcome.home), outcome.reason));
            return;
    }
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
    const bool chosen_is_my_box = app.is_my_list(list);
    if (chosen_is_my_box && store::is_reserved_title(title)) {
        messages::show_unless_quiet(app, messages::swap_reserved_title());
        return;
    }
    const store::BoxKind kind = chosen_is_my_box ? store::BoxKind::mine : store::BoxKind::saved;
    if (!box_may_be_swapped_in(store::box_file(app.state.places(), kind, title), title)) return;

    if (!game_allows_swap()) return;

    const store::Places places = app.state.places();
    show_swap(app, *list, places.marker, title, chosen_is_my_box, store::swap(places, title, chosen_is_my_box));
    contents::follow_lists(app);  // the boxes' files moved between the slot and MYBOX
}

void my_list_double_clicked(App& app) {
    const ui::ListView& list = *app.w.超级列表框我的箱子;
    if (shows_in_use(list, list.selected_item())) return;
    swap(app);
}

}  // namespace kistvar
