// Putting the selected box into the game's stash slot: the questions, then the
// lists, the status bar and the message; store/swap.h moves the files.
#pragma once

#include "app/app.h"

namespace kistvar {

void swap(App& app);
// Double-click on a my box: swaps unless it is the box in use.
void my_list_double_clicked(App& app);

}  // namespace kistvar
