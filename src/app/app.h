// What every procedure of the box manager reaches: the program's state and
// the main window. The program entry owns one; tests make a fresh one per case.
// The one file of app/ that the folders below it include: it holds data and
// runs no procedure.
#pragma once

#include <string>

#include "contents/window_state.h"
#include "settings/path_table.h"
#include "stash/contents_cache.h"
#include "store/places.h"
#include "ui/main_window.h"

namespace kistvar {

struct State {
    PathTable paths;
    std::string stash_file_name;     // set by load settings from version and mode
    std::string settings_file_path;  // program folder + "\MYBOX.ini"
    ui::ListView* current_list = nullptr;  // the list that last received the focus
    stash::ContentsCache contents;         // what the boxes hold, read when first asked
    int in_use_item_hint = -1;  // where a swap last put the in-use picture; checked before it is trusted
    contents::WindowState contents_window;  // what the contents window shows, and its reads waiting

    // Where the box store finds the library now.
    store::Places places() const {
        return {paths[save_folder], paths[box_folder], stash_file_name, settings_file_path, paths[in_use_marker]};
    }
};

struct App {
    State state;
    ui::MainWindow& w;

    bool quiet() const { return w.选择框信息->checked(); }
    bool is_my_list(const ui::ListView* list) const { return list != nullptr && list == w.超级列表框我的箱子.get(); }
};

}  // namespace kistvar
