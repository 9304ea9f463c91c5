// Save as, new box, rename and delete, as the window asks for them and shows
// what became of them; store/box_editing.h makes the changes on disk.
#pragma once

#include "app/app.h"

namespace kistvar {

void save_as(App& app);
void new_box(App& app);
void start_renaming(App& app);
// Label edit finished; false keeps the old title in the list.
bool my_box_label_edited(App& app, int item_index);
bool saved_box_label_edited(App& app, int item_index);
void delete_box(App& app);

}  // namespace kistvar
