// The view, sort and folder items of the lists' context menu.
#include "library/box_lists.h"
#include "platform/dialogs.h"
#include "store/backups.h"

namespace kistvar {

namespace {

constexpr int shell_action_open = 4;

void set_view(App& app, int style, const char* setting, ui::MenuItem& checked, ui::MenuItem& unchecked) {
    app.w.超级列表框我的箱子->set_view_style(style);
    app.w.超级列表框保存箱子->set_view_style(style);
    app.state.paths[view_setting] = setting;
    checked.set_checked(true);
    unchecked.set_checked(false);
    refresh_both_lists(app);  // a new view style empties both lists
}

void set_sort(App& app, int order, const char* setting, ui::MenuItem& checked, ui::MenuItem& unchecked) {
    app.w.超级列表框我的箱子->set_sort_order(order);
    app.w.超级列表框保存箱子->set_sort_order(order);
    app.state.paths[sort_setting] = setting;
    checked.set_checked(true);
    unchecked.set_checked(false);
    refresh_both_lists(app);  // a new sort order empties both lists
}

}  // namespace

void choose_large_icons(App& app) {
    set_view(app, ui::ListView::large_icons, "1", *app.w.大图标, *app.w.小图标);
}

void choose_small_icons(App& app) {
    set_view(app, ui::ListView::report, "0", *app.w.小图标, *app.w.大图标);
}

void choose_forward_sort(App& app) {
    set_sort(app, ui::ListView::ascending, "0", *app.w.正向排序, *app.w.逆向排序);
}

void choose_reverse_sort(App& app) {
    set_sort(app, ui::ListView::descending, "1", *app.w.逆向排序, *app.w.正向排序);
}

void open_current_folder(App& app) {
    if (app.state.current_list == nullptr) return;
    std::string folder = app.is_my_list(app.state.current_list) ? store::my_boxes_folder(app.state.places())
                                                                 : app.state.paths[box_folder];
    shell_open(shell_action_open, folder);
}

void open_backups_folder(App& app) {
    shell_open(shell_action_open, store::ready_backups_folder(app.state.places()));
}

}  // namespace kistvar
