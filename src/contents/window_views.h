// The two things the contents window shows: the selected box, or a search
// across every box. Each fills the list a budget of rows at a time; what is
// left, and a box still being read, wait for the window's steps.
#pragma once

#include <string_view>

#include "app/app.h"
#include "contents/step_budget.h"

namespace kistvar::contents {

// The box selected in the current list, or nothing when none is; a box too
// large to read at once says "读取中…" until the steps have read it. Its
// first rows at once (within the budget of the step it runs in).
void show_selected_box(App& app);
void show_selected_box(App& app, StepBudget& budget);
// Shows the selected box again if a step has read it meanwhile.
void show_box_if_read(App& app);
// What the window shows, made again (in the words of the current language).
void show_again(App& app);
// A search of every box of both lists for the text; the steps do it.
void start_search(App& app, std::string_view text);
// Makes rows of the finds (or of the box's items) while the budget lasts;
// true when every one is a row.
bool make_rows(App& app, StepBudget& budget);
// The search's progress, or its summary once every find is a row.
void show_search_state(App& app);

}  // namespace kistvar::contents
