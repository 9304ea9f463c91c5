// The options page: switching pages, choosing folders, Save and Cancel.
#pragma once

#include "app/app.h"

namespace kistvar {

void toggle_page(App& app);
void choose_save_folder(App& app);
void choose_box_folder(App& app);
void save_options(App& app);
void cancel_options(App& app);
// "高级选项" on the library page, "返回" on the options page.
void show_options_button_tip(App& app);

}  // namespace kistvar
