// The two lists: filling them from disk, the current list, the context menus,
// view and sort, refresh and open folder.
#pragma once

#include "app/app.h"

namespace kistvar {

void fill_my_boxes_list(App& app);
void fill_saved_boxes_list(App& app);
void refresh_both_lists(App& app);
void refresh_current_list(App& app);  // menu 刷新

void my_list_got_focus(App& app);
void saved_list_got_focus(App& app);
void my_list_current_item_changed(App& app);
void saved_list_current_item_changed(App& app);
void my_list_right_click(App& app);
void saved_list_right_click(App& app);

void choose_large_icons(App& app);
void choose_small_icons(App& app);
void choose_forward_sort(App& app);
void choose_reverse_sort(App& app);
void open_current_folder(App& app);

bool is_my_list(const App& app, const ui::ListView* list);

}  // namespace kistvar
