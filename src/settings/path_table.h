// The in-memory copy of the eight settings. Slots count from 1; an index
// outside 1..20 is a runtime error (codes 4 and 1), as the program's arrays are.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace kistvar {

enum Slot : int {
    save_folder = 1,
    box_folder = 2,
    version_setting = 3,
    mode_setting = 4,
    view_setting = 5,
    sort_setting = 6,
    in_use_marker = 7,
    quiet_setting = 8,
};

// The in-use marker that names no my box: the stash file is a copy of a saved
// box. Stored as it is in either language.
inline constexpr std::string_view other_box_marker = "别的箱子";

class PathTable {
public:
    static constexpr int size = 20;
    std::string& operator[](int slot);
    const std::string& operator[](int slot) const;
    void clear();

private:
    std::array<std::string, size> slots_{};
};

}  // namespace kistvar
