// One item record of the stash body, of the layouts this reader knows, and
// the grid its cell field counts on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "stash/stash_contents.h"

namespace kistvar::stash {

struct ItemRecord {
    Item item;
    std::size_t cell_offset = 0;  // where the u16 cell is; the u16 container follows it
};
// The item of one record, or nothing when a field runs past the record.
std::optional<ItemRecord> read_item_record(std::string_view record, std::uint32_t version);
// The length of the shortest record read whole: empty strings, no mod ids,
// nothing after the stack size.
std::size_t shortest_item_record(std::uint32_t version);

// The tab a container number stands for, and the place (1..40) a cell has in
// it: place 0 for a cell outside the tab's 40, which the game never shows.
struct Placement {
    Tab tab = Tab::other;
    int place = 0;
};
Placement placement_of(std::uint16_t container, std::uint16_t cell);
// The cell of a place (1..40) in the tab of `container`; nothing for another
// container or place.
std::optional<std::uint16_t> cell_of(std::uint16_t container, int place);

}  // namespace kistvar::stash
