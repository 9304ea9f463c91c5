// The two lists: filling them with the boxes the store finds, the current
// list, the buttons and context menus that follow the selection, view and
// sort, refresh, and the folders the menus open.
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
void open_backups_folder(App& app);  // makes the folder when it is missing

}  // namespace kistvar
