// A throw-away program folder with a large box library on disk, laid out as a
// player's would be: the save folder holding the stash file and the box
// folder, the box folder holding the saved boxes and MYBOX the my boxes.
#pragma once

#include <string>

namespace kistvar::bench {

class BenchLibrary {
public:
    BenchLibrary(int saved_boxes, int my_boxes);
    ~BenchLibrary();
    BenchLibrary(const BenchLibrary&) = delete;
    BenchLibrary& operator=(const BenchLibrary&) = delete;

    // Paths in the program's form ("\" between parts).
    std::string root;
    std::string program_folder;
    std::string save_folder;
    std::string box_folder;
    std::string my_boxes_folder;
};

// Title of the n-th box of each kind; the same numbers give different titles
// in the two folders, so a search can never mix them up.
std::string saved_box_title(int n);
std::string my_box_title(int n);
// A box the size of a well-filled real one, about 30 KB: 80 items across the
// three tabs, each with the mod ids real records carry; its items' names
// differ with n.
std::string real_sized_box(int n);
// The box in use when the run starts: the stash file, not in MYBOX.
inline constexpr const char* first_box_in_use = "box in use";

}  // namespace kistvar::bench
