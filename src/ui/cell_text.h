// How an item's name fits into a grid cell: the same lines on every backend,
// whatever the text measures in its font.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kistvar::ui {

// The lines a name takes in `width`, at most `max_lines` of them: broken at
// spaces, between Chinese, Japanese or Korean characters, and inside a word
// too long for a line. When the name does not fit, the last line ends in "…".
// `width_of` measures a piece of text in the cell's font.
std::vector<std::string> cell_lines(std::string_view name, int width, int max_lines,
                                    const std::function<int(std::string_view)>& width_of);

}  // namespace kistvar::ui
