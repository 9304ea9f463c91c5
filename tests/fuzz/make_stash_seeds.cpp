// Writes the seeds of the stash fuzz targets with the tests' stash writer (no
// game file). Build and run by hand after changing the writer:
//   g++ -std=c++20 -Isrc -Itests tests/fuzz/make_stash_seeds.cpp tests/support/stash_writer.cpp \
//       src/stash/stash_writer.cpp src/stash/stash_scramble.cpp src/platform/utf16le_text.cpp src/platform/utf8_text.cpp \
//       -o /tmp/make_stash_seeds && for t in reader round_trip; do
//     /tmp/make_stash_seeds tests/fuzz/corpus/fuzz_stash_$t; done
#include <fstream>
#include <string>
#include <vector>

#include "support/stash_writer.h"

using namespace kistvar::test;

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    StashItem amulet = stash_item("Amulet", 24, 12, 37);
    amulet.prefix = "Red [ITEM]";
    amulet.suffix = "[ITEM] of Regeneration";
    amulet.mods = 2;
    const std::vector<StashItem> items = {amulet, stash_item("|cFFFF0000Зелье|u здоровья", 25, 40, 1, 87),
                                          stash_item("Frost Bolt", 26, 1, 5)};
    const std::vector<std::string> seeds = {
        stash_container(stash_body({}), stash_version_empty_image),
        stash_file(items),
        stash_file(items, stash_version_old),
        stash_container(stash_body({"abc", "defgh"}), 0x43),
        stash_container(stash_body({stash_record(items[0])}), stash_version_current, false),
        // A record cut short between two whole ones, and an item past the tab's last cell.
        stash_container(stash_body({stash_record(items[1]), stash_record(items[0]).substr(0, 60), stash_record(items[2])})),
        stash_file({stash_item("Lost ring", 24, 41)}),
    };
    for (std::size_t i = 0; i < seeds.size(); ++i) {
        std::ofstream out(std::string(argv[1]) + "/seed-" + (i < 9 ? "0" : "") + std::to_string(i + 1),
                          std::ios::binary);
        out << seeds[i];
        if (!out) return 1;
    }
    return 0;
}
