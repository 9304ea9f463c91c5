// Moving items between boxes on disk, and taking a move back: what lands
// where, what is refused before anything is written, and what a failing
// write or read-back puts back.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/fault_seam.h"
#include "stash/stash_reader.h"
#include "store/item_moves.h"
#include "support/headless/script.h"
#include "support/stash_writer.h"
#include "support/temp_folder.h"

namespace kistvar {
namespace {

using stash::Tab;
using store::Cell;
using store::MoveResult;
using test::read_on_disk;
using test::stash_item;
using test::write_on_disk;

constexpr std::uint16_t gear = 24, consumables = 25, spells = 26;

// What the window shows of a box: each item as "name tab place", in file order.
std::vector<std::string> shown(const std::string& bytes) {
    std::vector<std::string> items;
    for (const stash::Item& item : stash::read_stash(bytes).items)
        items.push_back(item.name + " " + "gcs?"[static_cast<int>(item.tab)] + std::to_string(item.place));
    return items;
}

std::string full_gear_tab() {
    std::vector<test::StashItem> items;
    for (int place = 1; place <= 40; ++place) items.push_back(stash_item("Axe " + std::to_string(place), gear, place));
    return test::stash_file(items);
}

enum class Then { nothing, undo, change_then_undo };

TEST(ItemMoves, ItemsMoveOrChangePlacesAndUndoPutsBothBoxesBackByteForByte) {
    const std::string ring_and_potion =
        test::stash_file({stash_item("Ring", gear, 1), stash_item("Potion", consumables, 5, 1, 87)});
    const std::string sword = test::stash_file({stash_item("Sword", gear, 3)});
    const std::string old_ring = test::stash_file({stash_item("Ring", gear, 1)}, test::stash_version_old);
    const std::string image = test::stash_file({}, test::stash_version_empty_image);
    const std::string damaged =
        test::stash_container(test::stash_body({test::stash_record(stash_item("Sword", gear, 3)), "short"}));
    std::uint64_t read_of_a = 0;
    // A box's third read is the read-back: its open and its backup come first.
    const std::function<void()> read_back_of_a_fails = [&] {
        fault_seam::arm([&](fault_seam::FileCall call, std::string_view path, std::uint64_t) {
            return call == fault_seam::FileCall::read_file && path.ends_with("\\A.bin") && ++read_of_a == 3;
        });
    };
    struct Case {
        const char* what;
        std::string a, b;
        bool within_a;
        Cell from;
        std::optional<Cell> to;
        MoveResult result;
        std::vector<std::string> a_after = {}, b_after = {};  // moved: as the window shows them
        Then then = Then::nothing;
        bool stale_view = false;  // the game wrote B after the window read it
        std::function<void()> faults = nullptr;
    };
    const Case cases[] = {
        {"onto a free cell of another box", ring_and_potion, sword, false, {Tab::gear, 1}, Cell{Tab::gear, 4},
         MoveResult::moved, {"Potion c5"}, {"Sword g3", "Ring g4"}, Then::undo},
        {"onto a free cell in one box", ring_and_potion, sword, true, {Tab::consumables, 5},
         Cell{Tab::consumables, 1}, MoveResult::moved, {"Ring g1", "Potion c1"}, {"Sword g3"}, Then::undo},
        {"changing places in one box", test::stash_file({stash_item("Ring", gear, 1), stash_item("Amulet", gear, 2)}),
         sword, true, {Tab::gear, 1}, Cell{Tab::gear, 2}, MoveResult::moved, {"Ring g2", "Amulet g1"}, {"Sword g3"},
         Then::undo},
        {"changing places across two boxes", ring_and_potion, sword, false, {Tab::gear, 1}, Cell{Tab::gear, 3},
         MoveResult::moved, {"Sword g1", "Potion c5"}, {"Ring g3"}, Then::undo},
        {"to the other side: the first free place", ring_and_potion,
         test::stash_file({stash_item("Axe", gear, 1), stash_item("Bow", gear, 2), stash_item("Bolt", spells, 3)}),
         false, {Tab::gear, 1}, std::nullopt, MoveResult::moved, {"Potion c5"}, {"Axe g1", "Bow g2", "Bolt s3", "Ring g3"}},
        {"into a new box's empty image, which takes the old layout", old_ring, image, false, {Tab::gear, 1},
         std::nullopt, MoveResult::moved, {}, {"Ring g1"}, Then::undo},
        {"to the other side of a full tab", ring_and_potion, full_gear_tab(), false, {Tab::gear, 1}, std::nullopt,
         MoveResult::tab_full},
        {"between the two layouts", old_ring, sword, false, {Tab::gear, 1}, std::nullopt, MoveResult::versions_differ},
        {"into a cell of another tab", ring_and_potion, sword, false, {Tab::gear, 1}, Cell{Tab::spells, 1},
         MoveResult::wrong_tab},
        {"from an empty cell", ring_and_potion, sword, false, {Tab::gear, 2}, std::nullopt, MoveResult::no_item},
        {"out of a file that is no stash", "not a stash", sword, false, {Tab::gear, 1}, std::nullopt,
         MoveResult::not_writable},
        {"into a box with a damaged record", ring_and_potion, damaged, false, {Tab::gear, 1}, std::nullopt,
         MoveResult::not_writable},
        {"into a box the game wrote since the window read it", ring_and_potion, sword, false, {Tab::gear, 1},
         std::nullopt, MoveResult::stale, {}, {}, Then::nothing, true},
        {"undone after the game wrote a box", ring_and_potion, sword, false, {Tab::gear, 1}, Cell{Tab::gear, 4},
         MoveResult::moved, {"Potion c5"}, {"Sword g3", "Ring g4"}, Then::change_then_undo},
        {"the second write fails: the first box is put back", ring_and_potion, sword, false, {Tab::gear, 1},
         std::nullopt, MoveResult::write_failed, {}, {}, Then::nothing, false,
         [] { fault_seam::fail_paths_containing("\\A.bin.kistvar-tmp"); }},
        {"a box reads back otherwise: both are put back", ring_and_potion, sword, false, {Tab::gear, 1},
         std::nullopt, MoveResult::read_back_differs, {}, {}, Then::nothing, false, read_back_of_a_fails},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::TempFolder temp;
        const store::Places places{temp / "save", temp / "box", "sharedstash_v2.bin", temp / "MYBOX.ini", "B"};
        test::make_folder_on_disk(places.box_folder);
        const std::string a = temp / "box\\A.bin", b = temp / "box\\B.bin";
        write_on_disk(a, c.a);
        write_on_disk(b, c.b);
        store::ViewedBox source{a, "A", {}}, target{c.within_a ? a : b, c.within_a ? "A" : "B", {}};
        ASSERT_TRUE(file_facts(a, source.seen) && file_facts(target.path, target.seen));
        const std::string game_wrote = test::stash_file({stash_item("Potion", consumables, 9)});
        if (c.stale_view) write_on_disk(b, game_wrote);
        const std::string b_before = read_on_disk(b);
        if (c.faults) c.faults();

        const store::MoveOutcome outcome = store::move_item(places, source, c.from, target, c.to);
        fault_seam::disarm();

        EXPECT_EQ(outcome.result, c.result);
        const bool written = outcome.moved();
        if (written) {
            EXPECT_EQ(shown(read_on_disk(a)), c.a_after);
            EXPECT_EQ(shown(read_on_disk(b)), c.b_after);
        } else {
            EXPECT_EQ(read_on_disk(a), c.a);
            EXPECT_EQ(read_on_disk(b), b_before);
            EXPECT_TRUE(outcome.restored);
        }
        // Every box written was backed up first; a refused move writes nothing at all.
        const bool backed_up = written || c.result == MoveResult::write_failed ||
                               c.result == MoveResult::read_back_differs;
        std::multiset<std::string> backups, expected_backups;
        if (backed_up) expected_backups = c.within_a ? std::multiset<std::string>{c.a} : std::multiset{c.a, c.b};
        std::error_code no_folder;
        for (const auto& file : std::filesystem::directory_iterator(test::native_path(temp / "box\\备份"), no_folder))
            backups.insert(read_on_disk(file.path().string()));
        EXPECT_EQ(backups, expected_backups);
        if (c.result == MoveResult::not_writable || c.result == MoveResult::stale) {
            EXPECT_EQ(outcome.box, c.a == "not a stash" ? "A" : "B");
            EXPECT_EQ(outcome.problem != stash::Problem::none, c.result == MoveResult::not_writable);
        }
        if (!written) continue;
        FileFacts now;
        ASSERT_TRUE(file_facts(target.path, now));
        EXPECT_EQ(outcome.target_now, now);

        if (c.then == Then::change_then_undo) {
            // The player levelled the sword up in the game: the same items at
            // the same cells, the same length, the same write time (a coarse
            // clock), so only the bytes tell.
            const auto native = std::filesystem::path(test::native_path(b));
            const auto written_at = std::filesystem::last_write_time(native);
            const std::string changed =
                test::stash_file({stash_item("Sword", gear, 3, 9), stash_item("Ring", gear, 4)});
            ASSERT_EQ(changed.size(), read_on_disk(b).size());
            write_on_disk(b, changed);
            std::filesystem::last_write_time(native, written_at);
            const std::string a_now = read_on_disk(a);
            const store::MoveOutcome undone = store::undo_move(places, outcome.record);
            EXPECT_EQ(undone.result, MoveResult::stale);
            EXPECT_EQ(undone.box, "B");
            EXPECT_EQ(read_on_disk(a), a_now);
            EXPECT_EQ(read_on_disk(b), changed);
        }
        if (c.then == Then::undo) {
            const store::MoveOutcome undone = store::undo_move(places, outcome.record);
            EXPECT_EQ(undone.result, MoveResult::moved);
            EXPECT_EQ(undone.item_now, c.from);
            EXPECT_EQ(read_on_disk(a), c.a);
            EXPECT_EQ(read_on_disk(b), c.b);
        }
    }
    headless::reset();
}

}  // namespace
}  // namespace kistvar
