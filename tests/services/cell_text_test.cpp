// How an item's name is laid into a grid cell, measured here in a font where
// every ASCII character is 1 wide and every other character 2.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/cell_text.h"

namespace kistvar::test {
namespace {

int width_of(std::string_view text) {
    int width = 0;
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        width += length == 1 ? 1 : 2;
        at += length;
    }
    return width;
}

TEST(CellText, NamesBreakAtSpacesBetweenWideCharactersAndInsideLongWords) {
    struct Row {
        std::string name;
        int width, max_lines;
        std::vector<std::string> want;
    };
    const Row rows[] = {
        {"Ring", 8, 3, {"Ring"}},
        {"Red Amulet of Regeneration", 10, 4, {"Red Amulet", "of", "Regenerati", "on"}},
        {"Red Amulet of Regeneration", 10, 2, {"Red Amulet", "of…"}},
        {"红色再生护符", 8, 3, {"红色再生", "护符"}},
        {"远古龙骨巨剑与盾牌", 8, 2, {"远古龙骨", "巨剑与…"}},
        {"Frost 戒指 of Ice", 9, 3, {"Frost 戒", "指 of Ice"}},
        {"  Spaced   out  ", 6, 3, {"Spaced", "out"}},
        {"Dragonbone", 4, 2, {"Drag", "on…"}},  // "…" is as wide as a Chinese character
        {"", 8, 3, {}},
        {"Ring", 8, 0, {}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ui::cell_lines(row.name, row.width, row.max_lines, width_of), row.want)
            << row.name << " in " << row.width << " x " << row.max_lines;
}

}  // namespace
}  // namespace kistvar::test
