// A box file dropped from the shell onto one of the lists: the questions and
// the new item; store/drop_import.h takes the file in.
#pragma once

#include <string>

#include "app/app.h"

namespace kistvar {

void import_into_my_boxes(App& app, const std::string& dropped_files_text);
void import_into_saved_boxes(App& app, const std::string& dropped_files_text);

}  // namespace kistvar
