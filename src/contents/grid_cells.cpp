#include "contents/grid_cells.h"

#include "contents/contents_texts.h"
#include "language/language.h"

namespace kistvar::contents {

namespace {

bool in_grid(const stash::Item& item) {
    return grid_tab(item.tab).has_value() && item.place >= 1 && item.place <= ui::grid_places;
}

// "<name>\r\n等级 <level>，数量 <stack>\r\n装备 12".
std::string tip_of(const stash::Item& item) {
    return language::text(language::Text::grid_tip, {{"name", item.name},
                                                      {"level", std::to_string(item.level)},
                                                      {"stack", std::to_string(item.stack)},
                                                      {"place", place_text(item)}});
}

}  // namespace

std::optional<int> grid_tab(stash::Tab tab) {
    if (tab == stash::Tab::other) return std::nullopt;
    return static_cast<int>(tab);
}

store::Cell store_cell(ui::GridPlace at) { return {static_cast<stash::Tab>(at.tab), at.place}; }

ui::GridPlace grid_place(store::Cell cell) { return {grid_tab(cell.tab).value_or(0), cell.place}; }

ui::GridCells grid_cells(const stash::Contents& contents) {
    ui::GridCells cells;  // each GridCell starts empty; "cells{}" crashes clang 14 under the sanitizers
    for (const stash::Item& item : contents.items) {
        if (!in_grid(item)) continue;
        ui::GridCell& cell = cells[static_cast<std::size_t>(*grid_tab(item.tab))][static_cast<std::size_t>(item.place - 1)];
        if (cell.occupied) continue;  // two records on one cell: the game shows the first
        cell = {true, item.name, item.stack, tip_of(item)};
    }
    return cells;
}

const stash::Item* item_at(const stash::Contents& contents, ui::GridPlace at) {
    for (const stash::Item& item : contents.items)
        if (in_grid(item) && grid_tab(item.tab) == at.tab && item.place == at.place) return &item;
    return nullptr;
}

}  // namespace kistvar::contents
