#include "stash/item_record.h"

#include <string>

#include "platform/utf16le_text.h"
#include "stash/byte_cursor.h"
#include "stash/item_names.h"

namespace kistvar::stash {

namespace {

// A u16 count of UTF-16LE code units, then the units.
std::string read_string(ByteCursor& cursor) {
    std::uint16_t units = cursor.u16();
    return utf16le::to_utf8(cursor.take(std::uint64_t{units} * 2));
}

struct TabCells {
    Tab tab;
    std::uint16_t container;
    int first_cell;
};
constexpr TabCells tab_cells[] = {
    {Tab::gear, 24, 3322},
    {Tab::consumables, 25, 4322},
    {Tab::spells, 26, 5322},
};
constexpr int cells_per_tab = 40;

const TabCells* tab_of(std::uint16_t container) {
    for (const TabCells& tab : tab_cells)
        if (tab.container == container) return &tab;
    return nullptr;
}

}  // namespace

std::optional<ItemRecord> read_item_record(std::string_view record, std::uint32_t version) {
    const bool current = version == version_current;
    ByteCursor cursor(record);
    if (current) cursor.skip(1);  // lead byte
    cursor.skip(8);               // item type id
    std::string name = read_string(cursor);
    std::string prefix = read_string(cursor);
    std::string suffix = read_string(cursor);
    cursor.skip(24);
    if (current) cursor.skip(std::uint64_t{cursor.u32()} * 8);  // mod ids
    cursor.skip(29);
    cursor.skip(4);  // enchant count
    const std::size_t cell_offset = cursor.at();
    std::uint16_t cell = cursor.u16();
    std::uint16_t container = cursor.u16();
    cursor.skip(95);  // flags and placement
    ItemRecord read;
    read.item.level = cursor.u32();
    read.item.stack = cursor.u32();
    if (!cursor.ok()) return std::nullopt;
    read.item.name = displayable_name(apply_templates(std::move(name), prefix, suffix));
    const Placement placement = placement_of(container, cell);
    read.item.tab = placement.tab;
    read.item.place = placement.place;
    read.cell_offset = cell_offset;
    return read;
}

std::size_t shortest_item_record(std::uint32_t version) {
    const std::size_t lead_byte_and_mod_count = version == version_current ? 1 + 4 : 0;
    return lead_byte_and_mod_count + 8 + 3 * 2 + 24 + 29 + 4 + 2 + 2 + 95 + 4 + 4;
}

Placement placement_of(std::uint16_t container, std::uint16_t cell) {
    const TabCells* tab = tab_of(container);
    if (tab == nullptr) return {};
    const int place = cell - tab->first_cell;
    return {tab->tab, place >= 0 && place < cells_per_tab ? place + 1 : 0};
}

std::optional<std::uint16_t> cell_of(std::uint16_t container, int place) {
    const TabCells* tab = tab_of(container);
    if (tab == nullptr || place < 1 || place > cells_per_tab) return std::nullopt;
    return static_cast<std::uint16_t>(tab->first_cell + place - 1);
}

}  // namespace kistvar::stash
