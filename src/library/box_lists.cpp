#include "library/box_lists.h"

#include "contents/contents_window.h"
#include "store/box_titles.h"
#include "ui/item_pictures.h"

namespace kistvar {

namespace {

void add_boxes(ui::ListView& list, const std::vector<std::string>& titles) {
    for (const std::string& title : titles) list.insert_item(-1, title, ordinary_picture);
}

bool selected_is_in_use(const ui::ListView& list) {
    return shows_in_use(list, list.selected_item());
}

void set_swap_and_delete_disabled(App& app, bool disabled) {
    app.w.更换->set_disabled(disabled);
    app.w.删除->set_disabled(disabled);
    app.w.超级按钮更换->set_disabled(disabled);
    app.w.超级按钮删除->set_disabled(disabled);
}

void pop_up_context_menu(App& app, const ui::ListView& list) {
    if (list.selected_item() == -1)
        app.w.无选项右键菜单->popup();
    else
        app.w.右键菜单->popup();
}

}  // namespace

void fill_my_boxes_list(App& app) {
    ui::ListView& list = *app.w.超级列表框我的箱子;
    list.delete_all_items();
    // The box in use is the stash file itself, so no search finds it.
    const std::string& marker = app.state.paths[in_use_marker];
    if (marker != other_box_marker) list.insert_item(-1, marker, in_use_picture);
    add_boxes(list, store::box_titles_in(store::my_boxes_folder(app.state.places())));
    contents::follow_lists(app);
}

void fill_saved_boxes_list(App& app) {
    ui::ListView& list = *app.w.超级列表框保存箱子;
    list.delete_all_items();
    // With the box folder set to the save folder, the game's stash files there
    // are the slot itself, never saved boxes to delete or rename away.
    // Elsewhere a file of that name is a copy the player keeps as a box.
    const std::string& folder = app.state.paths[box_folder];
    add_boxes(list, store::box_titles_in(folder, store::same_folder(folder, app.state.paths[save_folder])));
    contents::follow_lists(app);
}

void refresh_both_lists(App& app) {
    fill_my_boxes_list(app);
    fill_saved_boxes_list(app);
}

void refresh_current_list(App& app) {
    if (app.is_my_list(app.state.current_list))
        fill_my_boxes_list(app);
    else
        fill_saved_boxes_list(app);
}

void my_list_got_focus(App& app) {
    app.state.current_list = app.w.超级列表框我的箱子.get();
    app.w.超级列表框保存箱子->set_selected_item(-1);
}

void saved_list_got_focus(App& app) {
    app.state.current_list = app.w.超级列表框保存箱子.get();
    app.w.超级列表框我的箱子->set_selected_item(-1);
}

// The box in use can be neither swapped nor deleted; both buttons follow the
// selection so neither offers what the operation would refuse.
void my_list_current_item_changed(App& app) {
    bool in_use = selected_is_in_use(*app.w.超级列表框我的箱子);
    app.w.超级按钮更换->set_disabled(in_use);
    app.w.超级按钮删除->set_disabled(in_use);
}

// A saved box is never the box in use: it can always be swapped in and
// deleted, whatever the box picked before in the other list disabled.
void saved_list_current_item_changed(App& app) {
    if (app.w.超级按钮更换->disabled()) app.w.超级按钮更换->set_disabled(false);
    if (app.w.超级按钮删除->disabled()) app.w.超级按钮删除->set_disabled(false);
}

void my_list_right_click(App& app) {
    const ui::ListView& list = *app.w.超级列表框我的箱子;
    set_swap_and_delete_disabled(app, selected_is_in_use(list));
    pop_up_context_menu(app, list);
}

void saved_list_right_click(App& app) {
    set_swap_and_delete_disabled(app, false);
    pop_up_context_menu(app, *app.w.超级列表框保存箱子);
}

}  // namespace kistvar
