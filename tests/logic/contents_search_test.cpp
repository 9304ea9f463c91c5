// What the contents window says about boxes and finds in them, on real
// folders with synthetic stashes.
#include <gtest/gtest.h>

#include "contents/box_sources.h"
#include "contents/contents_texts.h"
#include "contents/item_search.h"
#include "logic/library_fixture.h"
#include "stash/item_names.h"
#include "stash/stash_reader.h"

namespace kistvar {
namespace {

using test::stash_item;

TEST(ContentsTexts, SummariesAndTipsOfFullEmptyAndUnreadableBoxes) {
    std::vector<test::StashItem> eight;
    for (int i = 1; i <= 8; ++i) eight.push_back(stash_item("Ring " + std::to_string(i), 24, i));
    eight[6].container = 25;
    eight[7].container = 26;
    const stash::Contents full = stash::read_stash(test::stash_file(eight));
    const stash::Contents empty = stash::read_stash(test::stash_file({}));
    const stash::Contents cut = stash::read_stash("too short");

    EXPECT_EQ(contents::box_summary("甲", full), "甲：8 件物品（装备 6，消耗品 1，法术 1）");
    EXPECT_EQ(contents::box_summary("甲", empty), "甲：空箱子");
    EXPECT_EQ(contents::box_summary("甲", cut), "甲：不是可读的共享仓库文件（文件太短）");
    EXPECT_EQ(contents::box_tip("甲", full), "8 件物品：Ring 1、Ring 2、Ring 3、Ring 4、Ring 5、Ring 6…");
    EXPECT_EQ(contents::box_tip("甲", empty), "甲：空箱子");
    EXPECT_EQ(contents::box_tip("甲", cut), "甲：不是可读的共享仓库文件（文件太短）");
    EXPECT_EQ(contents::place_text(full.items[6]), "消耗品 7");
    EXPECT_EQ(contents::search_summary(3, 2), "3 件物品，在 2 个箱子里");
}

TEST(ContentsTexts, CaseFoldingCoversLatinAndCyrillic) {
    EXPECT_EQ(stash::fold_case("Ring OF ÉCLAT"), "ring of éclat");
    EXPECT_EQ(stash::fold_case("ЗЕЛЬЕ Ёлки"), "зелье ёлки");
    EXPECT_EQ(stash::fold_case("戒指 \xFF"), "戒指 \xFF");  // other characters and stray bytes stay
}

class ContentsSearch : public test::Library {
protected:
    std::vector<std::string> hits(const contents::ItemSearch& search) {
        std::vector<std::string> rows;
        for (const auto& found : search.found())
            rows.push_back(search.boxes()[found.box].title + ": " + found.item.name);
        return rows;
    }
};

TEST_F(ContentsSearch, FindsInEveryBoxOfBothListsAndTheSlotIgnoringCase) {
    test::write_on_disk(stash(), test::stash_file({stash_item("Ring of Fire"), stash_item("Зелье", 25, 2)}));
    test::write_on_disk(my_box("T"), test::stash_file({stash_item("Fire RING"), stash_item("Sword")}));
    test::write_on_disk(saved_box("S"), test::stash_file({stash_item("Old ring", 24, 3), stash_item("ЗЕЛЬЕ силы")}));
    test::write_on_disk(saved_box("broken"), "not a stash");
    start_library("M");

    select(mine(), "M");
    EXPECT_EQ(contents::selected_box(*app)->path, stash());  // the box in use is the slot's file
    select(saved(), "S");
    EXPECT_EQ(contents::selected_box(*app)->path, saved_box("S"));

    const std::vector<contents::BoxSource> boxes = contents::all_boxes(*app);
    ASSERT_EQ(boxes.size(), 4u);
    EXPECT_EQ(boxes[0].path, stash());  // the box in use is the slot's file
    stash::ContentsCache cache;
    contents::ItemSearch rings(boxes, "rInG");
    EXPECT_TRUE(rings.step(cache, 100));
    EXPECT_EQ(hits(rings), (std::vector<std::string>{"M: Ring of Fire", "T: Fire RING", "S: Old ring"}));
    EXPECT_EQ(rings.boxes_with_hits(), 3u);

    // A cold search read a few boxes per step; a warm one reads nothing.
    stash::ContentsCache cold;
    contents::ItemSearch potions(boxes, "зелье");
    int steps = 1;
    while (!potions.step(cold, 1)) ++steps;
    EXPECT_EQ(steps, 4);
    EXPECT_EQ(hits(potions), (std::vector<std::string>{"M: Зелье", "S: ЗЕЛЬЕ силы"}));
    contents::ItemSearch again(boxes, "ЗЕЛЬЕ");
    EXPECT_TRUE(again.step(cold, 0));
    EXPECT_EQ(again.found().size(), 2u);
    EXPECT_EQ(cold.reads(), 4u);
}

// The lists' info tips: the box in use is read from the slot, and a box that
// changed on disk shows its new contents.
TEST_F(ContentsSearch, BothListsTipWhatTheBoxUnderTheMouseHolds) {
    test::write_on_disk(stash(), test::stash_file({stash_item("Ring"), stash_item("Зелье", 25, 2)}));
    test::write_on_disk(my_box("T"), test::stash_file({}));
    test::write_on_disk(saved_box("S"), "not a stash");
    start_library("M");

    EXPECT_EQ(driver->hover_tip(mine(), index_of(mine(), "M")), "2 件物品：Ring、Зелье");
    EXPECT_EQ(driver->hover_tip(mine(), index_of(mine(), "T")), "T：空箱子");
    EXPECT_EQ(driver->hover_tip(saved(), 0), "S：不是可读的共享仓库文件（文件太短）");
    test::write_on_disk(saved_box("S"), test::stash_holding("Sword of a new length"));
    EXPECT_EQ(driver->hover_tip(saved(), 0), "1 件物品：Sword of a new length");
}

TEST_F(ContentsSearch, TheSlotHoldingASavedBoxCopyIsSearchedAsItsOwnBox) {
    test::write_on_disk(stash(), test::stash_holding("Copied amulet"));
    start_library("别的箱子");
    const auto boxes = contents::all_boxes(*app);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "别的箱子");
    stash::ContentsCache cache;
    contents::ItemSearch search(boxes, "amulet");
    search.step(cache, 10);
    EXPECT_EQ(search.found().size(), 1u);
}

}  // namespace
}  // namespace kistvar
