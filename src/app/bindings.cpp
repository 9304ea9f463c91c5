#include "app/bindings.h"

#include <string>

#include "app/start_up.h"
#include "contents/box_tips.h"
#include "contents/contents_window.h"
#include "contents/grid_moves.h"
#include "contents/grid_views.h"
#include "library/box_editing.h"
#include "library/box_lists.h"
#include "library/drop_import.h"
#include "library/swap.h"
#include "options/options_page.h"
#include "settings/settings_procedures.h"

namespace kistvar {

namespace {

// What a list of boxes does: the two lists differ in their procedures alone.
struct BoxListProcedures {
    void (*got_focus)(App&);
    void (*current_item_changed)(App&);
    void (*double_clicked)(App&);
    void (*right_click)(App&);
    bool (*label_edited)(App&, int item_index);
};

void bind_box_list(App& app, ui::ListView& list, const BoxListProcedures& procedures) {
    list.on_got_focus = [&app, procedures] { procedures.got_focus(app); };
    list.on_current_item_changed = [&app, procedures] {
        procedures.current_item_changed(app);
        contents::follow_selection(app);
    };
    list.on_item_double_clicked = [&app, procedures] { procedures.double_clicked(app); };
    list.on_right_click = [&app, procedures] { procedures.right_click(app); };
    list.on_label_edit_finished = [&app, procedures](int item_index) {
        return procedures.label_edited(app, item_index);
    };
    list.on_info_tip = [&app, &list](int item_index) { return contents::box_info_tip(app, list, item_index); };
}

}  // namespace

void bind_events(App& app) {
    ui::MainWindow& w = app.w;
    const auto run = [&app](void (*procedure)(App&)) -> ui::Event {
        return [&app, procedure] { procedure(app); };
    };

    // The window.
    w.window->on_created = run(window_created);
    w.window->on_shown = run(window_shown);
    w.window->on_destroying = [&app] { store_display_state(app.state.settings_file_path, app.state.paths); };

    // Buttons on the window and on the options page.
    w.超级按钮说明->on_click = run(readme_button);
    w.超级按钮高级->on_click = run(toggle_page);
    w.按钮选择存档路径->on_click = run(choose_save_folder);
    w.按钮选择箱子路径->on_click = run(choose_box_folder);
    w.按钮保存->on_click = run(save_options);
    w.按钮取消->on_click = run(cancel_options);

    // Buttons of the library page.
    w.超级按钮新建->on_click = run(new_box);
    w.超级按钮更换->on_click = run(swap);
    w.超级按钮另存->on_click = run(save_as);
    w.超级按钮删除->on_click = run(delete_box);
    w.超级按钮刷新->on_click = run(refresh_both_lists);
    w.超级按钮内容->on_click = run(contents::open_contents);

    // Files dropped onto the lists.
    w.拖放对象我的箱子->on_files_dropped = [&app](const std::string& dropped_files_text) {
        import_into_my_boxes(app, dropped_files_text);
    };
    w.拖放对象保存箱子->on_files_dropped = [&app](const std::string& dropped_files_text) {
        import_into_saved_boxes(app, dropped_files_text);
    };

    bind_box_list(app, *w.超级列表框我的箱子,
                  {my_list_got_focus, my_list_current_item_changed, my_list_double_clicked, my_list_right_click,
                   my_box_label_edited});
    // A double-click on a saved box swaps it in, as its button does.
    bind_box_list(app, *w.超级列表框保存箱子,
                  {saved_list_got_focus, saved_list_current_item_changed, swap, saved_list_right_click,
                   saved_box_label_edited});

    // 右键菜单: a box is selected.
    w.更换->on_chosen = run(swap);
    w.另存为->on_chosen = run(save_as);
    w.重命名->on_chosen = run(start_renaming);
    w.删除->on_chosen = run(delete_box);
    w.查看内容->on_chosen = run(contents::open_contents);

    // 无选项右键菜单: no box is selected.
    w.小图标->on_chosen = run(choose_small_icons);
    w.大图标->on_chosen = run(choose_large_icons);
    w.正向排序->on_chosen = run(choose_forward_sort);
    w.逆向排序->on_chosen = run(choose_reverse_sort);
    w.刷新->on_chosen = run(refresh_current_list);
    w.打开该文件夹->on_chosen = run(open_current_folder);
    w.打开备份文件夹->on_chosen = run(open_backups_folder);

    // The contents window.
    w.箱子内容->on_search_changed = run(contents::search_changed);
    w.箱子内容->on_step = run(contents::contents_step);
    w.箱子内容->on_row_double_clicked = [&app](int row) { contents::found_row_double_clicked(app, row); };
    w.箱子内容->on_box_chosen = [&app](int choice) { contents::box_chosen(app, choice); };
    w.箱子内容->on_move_across = [&app](ui::GridSide side, ui::GridPlace at) { contents::move_across(app, side, at); };
    w.箱子内容->on_undo = run(contents::undo_last_move);
    w.箱子内容->on_drop_allowed = [&app](const ui::GridMove& move) { return contents::drop_allowed(app, move); };
    w.箱子内容->on_dropped = [&app](const ui::GridMove& move) { contents::item_dropped(app, move); };
}

}  // namespace kistvar
