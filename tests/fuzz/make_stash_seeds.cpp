// Writes the seeds of fuzz_stash_reader with the tests' stash writer (no
// game file). Build and run by hand after changing the writer:
//   g++ -std=c++20 -Isrc -Itests tests/fuzz/make_stash_seeds.cpp tests/support/stash_writer.cpp \
//       src/platform/utf16le_text.cpp -o /tmp/make_stash_seeds && /tmp/make_stash_seeds tests/fuzz/corpus/fuzz_stash_reader
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
    };
    for (std::size_t i = 0; i < seeds.size(); ++i) {
        std::ofstream out(std::string(argv[1]) + "/seed-" + (i < 9 ? "0" : "") + std::to_string(i + 1),
                          std::ios::binary);
        out << seeds[i];
        if (!out) return 1;
    }
    return 0;
}
