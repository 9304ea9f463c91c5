// Writes a small demo library into a folder, for a first look at the program:
// MYBOX.ini beside the program pointing into that folder, a stash in the slot,
// some of my boxes and some saved boxes, all synthetic stashes with names an
// item of the game could have. Under Wine, give the folder as the program sees
// it (Z:\...), since the settings file holds that path.
//   make_demo_library <folder>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/gb18030.h"
#include "support/stash_writer.h"

namespace {

using kistvar::test::stash_file;
using kistvar::test::stash_item;
using kistvar::test::StashItem;

constexpr std::uint16_t gear = 24, consumables = 25, spells = 26;

std::filesystem::path utf8_path(const std::string& text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

void write_file(const std::filesystem::path& path, const std::string& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) throw std::runtime_error("cannot write " + path.string());
}

struct Box {
    std::string title;
    std::vector<StashItem> items;
};

StashItem templated(std::string name, std::string prefix, std::string suffix, int place, std::uint32_t level) {
    StashItem item = stash_item(name, gear, place, level);
    item.prefix = std::move(prefix);
    item.suffix = std::move(suffix);
    return item;
}

// In the slot now: the box the settings name as in use.
const Box in_use{"战士的装备",
                 {stash_item("Ring of the Ember", gear, 1, 34), stash_item("Ironbark Shield", gear, 2, 31),
                  stash_item("Greater Health Potion", consumables, 1, 40, 12),
                  stash_item("Scroll of Town Portal", consumables, 2, 1, 5)}};

const std::vector<Box> my_boxes{
    {"法师的宝箱",
     {stash_item("Staff of Storms", gear, 1, 48), stash_item("Ring of the Ember", gear, 2, 52),
      stash_item("Spell Scroll: Frost Nova", spells, 1, 20), stash_item("Spell Scroll: Chain Lightning", spells, 2, 35),
      stash_item("Greater Mana Potion", consumables, 1, 40, 20)}},
    {"Rare drops",
     {templated("Longbow", "Blazing [ITEM]", "[ITEM] of the Hawk", 1, 61), stash_item("Emberforged Helm", gear, 2, 58),
      stash_item("Ring of Shadows", gear, 3, 60), stash_item("Amulet of the Deep", gear, 4, 57)}},
    {"宝石与符文",
     {stash_item("Ember of Flame", consumables, 1, 30, 3), stash_item("Skull of Venom", consumables, 2, 30, 2),
      stash_item("Socketable: Frost Shard", consumables, 3, 25, 7)}},
};

const std::vector<Box> saved_boxes{
    {"新角色起步",
     {stash_item("Health Potion", consumables, 1, 1, 20), stash_item("Mana Potion", consumables, 2, 1, 20),
      stash_item("Scroll of Identify", consumables, 3, 1, 10), stash_item("Worn Leather Boots", gear, 1, 3),
      stash_item("Spell Scroll: Heal All", spells, 1, 8)}},
    {"药水仓库",
     {stash_item("Health Potion", consumables, 1, 1, 20), stash_item("Greater Health Potion", consumables, 2, 40, 20),
      stash_item("Rejuvenation Potion", consumables, 3, 45, 8), stash_item("Mana Potion", consumables, 4, 1, 20)}},
    {"Empty stash", {}},
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_demo_library <folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    const bool windows_path = folder.find('\\') != std::string::npos;
    const std::string separator = windows_path ? "\\" : "/";
    const std::string save_folder = folder + separator + "save";
    const std::string box_folder = folder + separator + "box";
    try {
        const std::string settings = "[路径]\r\n存档=" + save_folder + "\r\n箱子=" + box_folder + "\r\n[状态]\r\n正在使用=" +
                                     in_use.title + "\r\n";
        write_file(utf8_path(folder) / "MYBOX.ini", kistvar::gb18030::from_utf8(settings));
        write_file(utf8_path(save_folder) / "sharedstash_v2.bin", stash_file(in_use.items));
        for (const Box& box : my_boxes)
            write_file(utf8_path(box_folder) / "MYBOX" / utf8_path(box.title + ".bin"), stash_file(box.items));
        for (const Box& box : saved_boxes)
            write_file(utf8_path(box_folder) / utf8_path(box.title + ".bin"), stash_file(box.items));
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "make_demo_library: %s\n", failure.what());
        return 1;
    }
    return 0;
}
