// Where the library keeps its boxes: the folders and files every operation of
// the store works on, given to it by the caller.
#pragma once

#include <string>
#include <string_view>

namespace kistvar::store {

struct Places {
    std::string save_folder;      // the game's save folder
    std::string box_folder;       // the saved boxes; the my boxes in its "MYBOX"
    std::string stash_file_name;  // the stash file of the version and mode set
    std::string settings_file;    // MYBOX.ini, where the in-use marker is stored
    std::string marker;           // the in-use marker: the my box in the slot, or "别的箱子"
};

std::string my_boxes_folder(const Places& places);                       // box folder + "\MYBOX"
std::string my_box_file(const Places& places, std::string_view title);     // ...\MYBOX\T.bin
std::string saved_box_file(const Places& places, std::string_view title);  // box folder\T.bin
std::string stash_file(const Places& places);                              // save folder\stash file name

// A box as the lists show it: a saved box, a my box, or the my box in use,
// whose file is the stash file.
enum class BoxKind { saved, mine, in_use };
std::string box_file(const Places& places, BoxKind kind, std::string_view title);

// Makes the MYBOX folder when it is missing, as every start does. Only that
// one folder level: a missing box folder stays missing, and a plain file named
// MYBOX is left in the way. Either shows as an empty list.
void make_my_boxes_folder(const Places& places);

// Folders are the same whatever their letter case and a closing "\".
bool same_folder(std::string_view a, std::string_view b);

}  // namespace kistvar::store
