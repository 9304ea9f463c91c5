#include "stash/item_record.h"

#include <string>

#include "platform/utf16le_text.h"
#include "stash/byte_cursor.h"
#include "stash/item_names.h"

namespace kistvar::stash {

namespace {

constexpr std::uint32_t old_version = 0x41;
constexpr std::uint32_t current_version = 0x44;

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

void place_item(Item& item, std::uint16_t container, std::uint16_t cell) {
    for (const TabCells& tab : tab_cells) {
        if (tab.container != container) continue;
        item.tab = tab.tab;
        int place = cell - tab.first_cell;
        item.place = place >= 0 && place < cells_per_tab ? place + 1 : 0;
    }
}

}  // namespace

bool knows_record_layout(std::uint32_t version) {
    return version == old_version || version == current_version;
}

std::optional<Item> read_item_record(std::string_view record, std::uint32_t version) {
    const bool current = version == current_version;
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
    std::uint16_t cell = cursor.u16();
    std::uint16_t container = cursor.u16();
    cursor.skip(95);  // flags and placement
    Item item;
    item.level = cursor.u32();
    item.stack = cursor.u32();
    if (!cursor.ok()) return std::nullopt;
    item.name = displayable_name(apply_templates(std::move(name), prefix, suffix));
    item.folded_name = fold_case(item.name);
    place_item(item, container, cell);
    return item;
}

}  // namespace kistvar::stash
