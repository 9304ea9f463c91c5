// What the contents window says about boxes and finds in them, on real
// folders with synthetic stashes.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "contents/box_reads.h"
#include "contents/box_sources.h"
#include "contents/contents_window.h"
#include "contents/contents_texts.h"
#include "contents/item_search.h"
#include "logic/library_fixture.h"
#include "platform/dialogs.h"
#include "platform/fault_seam.h"
#include "platform/headless/contents_window.h"
#include "support/headless/script.h"
#include "stash/item_names.h"
#include "stash/stash_reader.h"

namespace kistvar {
namespace {

using test::stash_item;

TEST(ContentsTexts, SummariesAndTipsOfFullEmptyDamagedAndUnreadableBoxes) {
    std::vector<test::StashItem> eight;
    for (int i = 1; i <= 8; ++i) eight.push_back(stash_item("Ring " + std::to_string(i), 24, i));
    eight[6].container = 25;
    eight[7].container = 26;
    const stash::Contents full = stash::read_stash(test::stash_file(eight));
    const stash::Contents empty = stash::read_stash(test::stash_file({}));
    const stash::Contents cut = stash::read_stash("too short");
    const stash::Contents damaged = stash::read_stash(
        test::stash_container(test::stash_body({test::stash_record(eight[0]), "cut", test::stash_record(eight[1])})));
    const stash::Contents unknown = stash::read_stash(test::stash_container(test::stash_body({"ab", "cd"}), 0x43));

    EXPECT_EQ(contents::box_summary("甲", full), "甲：8 件物品（装备 6，消耗品 1，法术 1）");
    EXPECT_EQ(contents::box_summary("甲", empty), "甲：空箱子");
    EXPECT_EQ(contents::box_summary("甲", cut), "甲：不是可读的共享仓库文件（文件太短）");
    EXPECT_EQ(contents::box_tip("甲", full), "8 件物品：Ring 1、Ring 2、Ring 3、Ring 4、Ring 5、Ring 6…");
    EXPECT_EQ(contents::box_tip("甲", empty), "甲：空箱子");
    EXPECT_EQ(contents::box_tip("甲", cut), "甲：不是可读的共享仓库文件（文件太短）");
    const std::string damaged_summary = "甲：2 件物品（装备 2，消耗品 0，法术 0），另有 1 条物品记录无法读取（物品记录已损坏）";
    EXPECT_EQ(contents::box_summary("甲", damaged), damaged_summary);
    EXPECT_EQ(contents::box_tip("甲", damaged), damaged_summary);
    EXPECT_EQ(contents::box_summary("甲", unknown), "甲：2 件物品（装备 0，消耗品 0，法术 0）");
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
            rows.push_back(search.boxes()[found.box].title + ": " + search.item(found).name);
        return rows;
    }
    headless::ContentsWindow& window() { return dynamic_cast<headless::ContentsWindow&>(*w().箱子内容); }
    // A box over the size read at once: `count` rings at levels 1 to 90.
    static std::string large_box(int count) {
        std::vector<test::StashItem> rings;
        for (int i = 0; i < count; ++i) rings.push_back(stash_item("Big ring " + std::to_string(i), 24, 1 + i % 40, 1 + i % 90));
        std::string file = test::stash_file(rings);
        EXPECT_GT(file.size(), contents::BoxReads::read_at_once);
        return file;
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
    contents::BoxListing listing;  // kept from one search to the next
    contents::StepBudget budget;
    contents::ItemSearch rings(boxes, "rInG");
    EXPECT_TRUE(rings.step(cache, listing, budget));
    EXPECT_EQ(hits(rings), (std::vector<std::string>{"M: Ring of Fire", "T: Fire RING", "S: Old ring"}));
    EXPECT_EQ(rings.boxes_with_hits(), 3u);

    // However small a step's budget, the search finds the same, a step at a
    // time: a cold search reads one box a step when its bytes allow one. With
    // the folders' listings kept and nothing changed, a search looks up no
    // file; a box written since is told by its folder's watch and read again.
    using Limits = contents::StepBudget::Limits;
    const struct {
        const char* name;
        Limits limits;
        bool cold;
        bool kept_listing;
        const char* rewritten;  // a box written anew before the search
        int steps;  // 0: more than one
        std::size_t reads;
    } budgets[] = {
        {"one box's bytes a step", {1, 200000, 5000, 2000}, true, false, nullptr, 4, 4},
        {"every box in a step", contents::StepBudget::per_step, true, false, nullptr, 1, 4},
        {"one name compared a step", {1, 1, 5000, 2000}, false, false, nullptr, 0, 0},
        {"one folder entry listed a step", {1, 200000, 5000, 1}, false, false, nullptr, 0, 0},
        {"listings kept, nothing changed", {1, 200000, 5000, 1}, false, true, nullptr, 1, 0},
        {"listings kept, a box written since", {1, 200000, 5000, 1}, false, true, "T", 0, 1},
    };
    for (const auto& each : budgets) {
        SCOPED_TRACE(each.name);
        if (each.rewritten)
            test::write_on_disk(my_box(each.rewritten), test::stash_file({stash_item("Fire RING"), stash_item("Зелье")}));
        stash::ContentsCache cold;
        stash::ContentsCache& cache_used = each.cold ? cold : cache;  // cache: warm from the search above
        contents::BoxListing fresh;
        const std::size_t reads_before = cache_used.reads();
        std::uint64_t file_calls = 0;
        fault_seam::arm([&](fault_seam::FileCall, std::string_view, std::uint64_t) { return ++file_calls, false; });
        contents::ItemSearch potions(boxes, "зелье");
        int steps = 0;
        for (bool done = false; !done; ++steps) {
            contents::StepBudget step_budget(each.limits);
            done = potions.step(cache_used, each.kept_listing ? listing : fresh, step_budget);
        }
        fault_seam::disarm();
        EXPECT_TRUE(each.steps ? steps == each.steps : steps > 1) << steps << " steps";
        using Hits = std::vector<std::string>;
        const Hits expected = each.rewritten ? Hits{"M: Зелье", "T: Зелье", "S: ЗЕЛЬЕ силы"}
                                             : Hits{"M: Зелье", "S: ЗЕЛЬЕ силы"};
        EXPECT_EQ(hits(potions), expected);
        EXPECT_EQ(cache_used.reads() - reads_before, each.reads);
        if (each.kept_listing && !each.rewritten) {
            EXPECT_EQ(file_calls, 0u) << "no folder listed, no file looked up";
        }
    }
}

// The lists' info tips: the box in use is read from the slot, and a box that
// changed on disk shows its new contents. A box too large to read at once is
// read by the steps: its tip says so, and the next tip shows it.
TEST_F(ContentsSearch, BothListsTipWhatTheBoxUnderTheMouseHolds) {
    test::write_on_disk(stash(), test::stash_file({stash_item("Ring"), stash_item("Зелье", 25, 2)}));
    test::write_on_disk(my_box("T"), test::stash_file({}));
    test::write_on_disk(saved_box("S"), "not a stash");
    test::write_on_disk(saved_box("big"), large_box(5000));
    start_library("M");

    EXPECT_EQ(driver->hover_tip(mine(), index_of(mine(), "M")), "2 件物品：Ring、Зелье");
    EXPECT_EQ(driver->hover_tip(mine(), index_of(mine(), "T")), "T：空箱子");
    EXPECT_EQ(driver->hover_tip(saved(), index_of(saved(), "S")), "S：不是可读的共享仓库文件（文件太短）");
    test::write_on_disk(saved_box("S"), test::stash_holding("Sword of a new length"));
    EXPECT_EQ(driver->hover_tip(saved(), index_of(saved(), "S")), "1 件物品：Sword of a new length");

    const std::size_t reads = app->state.contents.reads();
    EXPECT_EQ(driver->hover_tip(saved(), index_of(saved(), "big")), "读取中…");
    EXPECT_EQ(app->state.contents.reads(), reads) << "nothing large is read while the tip waits";
    window().run_waiting_steps();  // the contents window is closed: its steps run all the same
    EXPECT_EQ(app->state.contents.reads(), reads + 1);
    EXPECT_EQ(driver->hover_tip(saved(), index_of(saved(), "big")),
              "5000 件物品：Big ring 0、Big ring 1、Big ring 2、Big ring 3、Big ring 4、Big ring 5…");
}

TEST_F(ContentsSearch, TheSlotHoldingASavedBoxCopyIsSearchedAsItsOwnBox) {
    test::write_on_disk(stash(), test::stash_holding("Copied amulet"));
    start_library("别的箱子");
    const auto boxes = contents::all_boxes(*app);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "别的箱子");
    stash::ContentsCache cache;
    contents::BoxListing listing;
    contents::StepBudget budget;
    contents::ItemSearch search(boxes, "amulet");
    search.step(cache, listing, budget);
    EXPECT_EQ(search.found().size(), 1u);
}

// The window: it follows the selection while its search box is empty, finds
// across both lists in steps of the loop, orders by a clicked column, and a
// double-clicked find selects its box as a click would. A large box, and a
// search with thousands of finds, fill the list over several steps.
TEST_F(ContentsSearch, TheWindowShowsTheSelectedBoxAndFindsAcrossBothLists) {
    test::write_on_disk(stash(), test::stash_file({stash_item("Ring of Fire", 24, 12, 30)}));
    test::write_on_disk(my_box("T"), test::stash_file({}));
    test::write_on_disk(saved_box("S"), test::stash_file({stash_item("Old ring", 24, 3, 9), stash_item("Potion", 25, 2, 1, 5)}));
    test::write_on_disk(saved_box("broken"), "not a stash");
    start_library("M");
    headless::ContentsWindow& window = this->window();
    using Rows = std::vector<ui::Row>;

    select(mine(), "M");
    driver->click(*w().超级按钮内容);
    ASSERT_TRUE(window.is_open());
    EXPECT_EQ(window.summary(), "M：1 件物品（装备 1，消耗品 0，法术 0）");
    EXPECT_EQ(window.columns(), (std::vector<std::string>{"物品", "数量", "等级", "位置"}));
    EXPECT_EQ(window.shown_rows(), (Rows{{"Ring of Fire", "1", "30", "装备 12"}}));
    EXPECT_EQ(window.left_title(), "当前使用箱子：M");
    EXPECT_EQ(window.in_memory(ui::GridSide::left)->tip(12), "Ring of Fire\r\n等级 30，数量 1\r\n装备 12");
    select(mine(), "T");
    EXPECT_EQ(window.summary(), "T：空箱子");
    select(saved(), "broken");
    EXPECT_EQ(window.summary(), "broken：不是可读的共享仓库文件（文件太短）");
    EXPECT_TRUE(window.shown_rows().empty());

    window.set_search_text("RING");
    EXPECT_EQ(window.summary(), "正在读取箱子 0 / 4 …") << "the progress line stands until the loop reads";
    EXPECT_TRUE(window.shown_rows().empty());
    window.run_waiting_steps();
    EXPECT_EQ(window.summary(), "2 件物品，在 2 个箱子里");
    EXPECT_EQ(window.columns().front(), "箱子");
    EXPECT_EQ(window.shown_rows(), (Rows{{"M", "Ring of Fire", "1", "30", "装备 12"}, {"S", "Old ring", "1", "9", "装备 3"}}));
    window.click_column(3);  // by level, numbers by value
    EXPECT_EQ(window.shown_rows().front()[0], "S");
    window.click_column(3);
    EXPECT_EQ(window.shown_rows().front()[0], "M");
    select(mine(), "T");
    EXPECT_EQ(window.summary(), "2 件物品，在 2 个箱子里") << "a search does not follow the selection";

    window.double_click_row(1);  // "S: Old ring" after the order was turned round
    EXPECT_EQ(mine().selected_item(), -1);
    EXPECT_EQ(saved().selected_item(), index_of(saved(), "S"));
    EXPECT_EQ(app->state.current_list, &saved()) << "the focus moved to the saved list";
    EXPECT_EQ(window.search_text(), "");
    EXPECT_EQ(window.summary(), "S：2 件物品（装备 1，消耗品 1，法术 0）");
    EXPECT_EQ(window.left_title(), "保存箱子  S");
    EXPECT_EQ(window.grid(ui::GridSide::left)->highlighted(), (ui::GridPlace{0, 3})) << "the find's cell";

    // A large box: read by the steps, then its 6,000 rows a budget at a time.
    test::write_on_disk(saved_box("big"), large_box(6000));
    driver->click(*w().超级按钮刷新);
    select(saved(), "big");
    EXPECT_EQ(window.summary(), "big：读取中…");
    EXPECT_TRUE(window.shown_rows().empty());
    window.run_one_step();
    EXPECT_EQ(window.summary(), "big：6000 件物品（装备 6000，消耗品 0，法术 0）");
    EXPECT_EQ(window.shown_rows().size(), 5000u) << "the rest at the next step";
    window.run_waiting_steps();
    EXPECT_EQ(window.shown_rows().size(), 6000u);

    // Its finds too; ordered by level while they come in, they take their places.
    window.set_search_text("ring");
    window.run_one_step();
    window.click_column(3);
    EXPECT_EQ(window.summary(), "正在读取箱子 5 / 5 …") << "until every find shows";
    window.run_waiting_steps();
    EXPECT_EQ(window.summary(), "6002 件物品，在 3 个箱子里");
    const Rows found = window.shown_rows();
    ASSERT_EQ(found.size(), 6002u);
    EXPECT_TRUE(std::is_sorted(found.begin(), found.end(),
                               [](const ui::Row& a, const ui::Row& b) { return std::stoi(a[3]) < std::stoi(b[3]); }));

    window.close();
    EXPECT_FALSE(window.is_open());
    select(saved(), "S");
    driver->answer_popup_menu(w().查看内容.get());
    driver->right_click_item(saved(), index_of(saved(), "S"));
    driver->focus(saved());  // the driver's step after an action delivers the item the menu chose
    EXPECT_TRUE(window.is_open()) << "the last item of the box menu opens it";
    EXPECT_EQ(window.summary(), "S：2 件物品（装备 1，消耗品 1，法术 0）");
}

// A search covers every box of both lists whatever page the main window
// shows: the options page too, and a language saved there while it reads.
TEST_F(ContentsSearch, ASearchCoversEveryBoxWhateverPageIsShown) {
    test::write_on_disk(stash(), test::stash_holding("Ring of the slot"));
    for (const char* title : {"a", "b", "c"}) {
        test::write_on_disk(my_box(title), test::stash_holding(std::string("Ring ") + title));
        test::write_on_disk(saved_box(title), test::stash_holding(std::string("Ring ") + title));
    }
    start_library("M");
    driver->click(*w().超级按钮内容);
    driver->click(*w().超级按钮高级);  // the options page

    window().set_search_text("ring");
    window().run_waiting_steps();
    EXPECT_EQ(window().summary(), "7 件物品，在 7 个箱子里");

    window().set_search_text("rin");
    w().组合框5->set_current_index(1);  // English, saved while the search reads
    driver->click(*w().按钮保存);
    window().run_waiting_steps();
    EXPECT_EQ(window().summary(), "7 item(s) found in 7 box(es)");
    EXPECT_EQ(window().shown_rows().size(), 7u);
}

// The window follows every change of the lists: the box it shows, and the
// boxes a search shows finds in, are those the lists hold now.
TEST_F(ContentsSearch, TheWindowFollowsEveryChangeOfTheLists) {
    test::write_on_disk(stash(), test::stash_holding("Ring of the slot"));
    test::write_on_disk(my_box("T"), test::stash_holding("Ring T"));
    test::write_on_disk(my_box("U"), test::stash_holding("Ring U"));
    test::write_on_disk(saved_box("S"), test::stash_holding("Ring S"));
    test::make_folder_on_disk(temp / "elsewhere");
    const std::string dropped = temp / "elsewhere" + "\\D.bin";
    test::write_on_disk(dropped, test::stash_holding("Ring D"));
    start_library("M");
    quiet();
    const auto rename = [&](ui::ListView& list, std::string_view title, std::string typed) {
        select(list, title);
        driver->answer_popup_menu(w().重命名.get());
        driver->right_click_item(list, index_of(list, title));
        driver->finish_label_edit(list, typed);
    };
    const auto finds = [&] {
        window().run_waiting_steps();
        std::vector<std::string> shown;
        for (const ui::Row& row : window().shown_rows()) shown.push_back(row[0] + ": " + row[1]);
        std::sort(shown.begin(), shown.end());
        return shown;
    };

    select(mine(), "T");
    driver->click(*w().超级按钮内容);
    rename(mine(), "T", "T2");
    window().run_waiting_steps();
    EXPECT_EQ(window().summary(), "T2：1 件物品（装备 1，消耗品 0，法术 0）");
    driver->answer_message_box(result_ok);
    driver->click(*w().超级按钮删除);
    window().run_waiting_steps();
    EXPECT_EQ(window().summary(), "") << "the box is gone, and nothing is selected";

    window().set_search_text("ring");
    using Finds = std::vector<std::string>;
    EXPECT_EQ(finds(), (Finds{"M: Ring of the slot", "S: Ring S", "U: Ring U"}));
    const struct {
        const char* change;
        std::function<void()> make;
        Finds finds;
    } changes[] = {
        {"rename", [&] { rename(mine(), "U", "U2"); }, {"M: Ring of the slot", "S: Ring S", "U2: Ring U"}},
        {"swap", [&] { select(mine(), "U2"); driver->click(*w().超级按钮更换); },
         {"M: Ring of the slot", "S: Ring S", "U2: Ring U"}},
        {"drop", [&] { driver->drop_files(saved(), {dropped}); },
         {"D: Ring D", "M: Ring of the slot", "S: Ring S", "U2: Ring U"}},
        {"save as", [&] { select(saved(), "S"); driver->answer_input_box("S2"); driver->click(*w().超级按钮另存); },
         {"D: Ring D", "M: Ring of the slot", "S2: Ring S", "S: Ring S", "U2: Ring U"}},
        {"delete", [&] { select(saved(), "D"); driver->answer_message_box(result_ok); driver->click(*w().超级按钮删除); },
         {"M: Ring of the slot", "S2: Ring S", "S: Ring S", "U2: Ring U"}},
        {"refresh", [&] { test::write_on_disk(saved_box("W"), test::stash_holding("Ring W")); driver->click(*w().超级按钮刷新); },
         {"M: Ring of the slot", "S2: Ring S", "S: Ring S", "U2: Ring U", "W: Ring W"}},
    };
    for (const auto& each : changes) {
        SCOPED_TRACE(each.change);
        each.make();
        EXPECT_EQ(finds(), each.finds);
    }
    // A find's box is the one the lists hold now: a double click goes to it.
    const auto rows = window().shown_rows();
    const auto u2 = std::find_if(rows.begin(), rows.end(), [](const ui::Row& row) { return row[0] == "U2"; });
    window().double_click_row(static_cast<int>(u2 - rows.begin()));
    EXPECT_EQ(mine().selected_item(), index_of(mine(), "U2"));
    EXPECT_EQ(window().summary(), "U2：1 件物品（装备 1，消耗品 0，法术 0）");
    shown();
}

// Items moved through the window: dragged, or sent across with Enter; the
// files as read back afterwards in both grids, and every refusal shown with
// the stop icon although messages are turned off.
TEST_F(ContentsSearch, ItemsMoveBetweenTheGridsAndMovesUndo) {
    constexpr std::uint16_t gear = 24, consumables = 25;
    using ui::GridSide;
    const std::string ring_and_potion =
        test::stash_file({stash_item("Ring", gear, 1), stash_item("Potion", consumables, 5, 1, 7)});
    const std::string sword = test::stash_file({stash_item("Sword", gear, 3)});
    const std::string old_ring = test::stash_file({stash_item("Ring", gear, 1)}, test::stash_version_old);
    std::vector<test::StashItem> axes;
    for (int place = 1; place <= 40; ++place) axes.push_back(stash_item("Axe", gear, place));
    const std::string full = test::stash_file(axes);
    const std::string game_wrote = test::stash_file({stash_item("Bow", gear, 9)});

    enum class Act { drag, enter };
    enum class Game { off, ok, cancel };
    enum class Then { nothing, undo, change_then_undo };
    struct Case {
        const char* what;
        std::string a, b;  // the left box A; the right box: the saved box B, or the box in use
        bool b_in_use;
        Act act;
        GridSide to_side;
        int from, to;  // gear places
        Game game = Game::off;
        bool stale = false;  // the game writes B after the window read it
        Then then = Then::nothing;
        std::string summary = {};  // after the move (and the undo)
        std::string refusal = {};  // a part of the stop message
    };
    const Case cases[] = {
        {"onto a free cell", ring_and_potion, sword, false, Act::drag, GridSide::right, 1, 4, Game::off, false,
         Then::nothing, "Ring 已从 A（装备 1）移到 B（装备 4）"},
        {"changing places in one box", test::stash_file({stash_item("Ring", gear, 1), stash_item("Cap", gear, 2)}),
         sword, false, Act::drag, GridSide::left, 1, 2, Game::off, false, Then::nothing,
         "Ring 已从 A（装备 1）移到 A（装备 2）；Cap 换到了 A（装备 1）"},
        {"changing places across two boxes", ring_and_potion, sword, false, Act::drag, GridSide::right, 1, 3,
         Game::off, false, Then::nothing, "Ring 已从 A（装备 1）移到 B（装备 3）；Sword 换到了 A（装备 1）"},
        {"to a full tab", ring_and_potion, full, false, Act::enter, GridSide::right, 1, 0, Game::off, false,
         Then::nothing, "", "箱子  B  的装备页已经放满了"},
        {"between the two layouts", old_ring, sword, false, Act::enter, GridSide::right, 1, 0, Game::off, false,
         Then::nothing, "", "不同的游戏版本"},
        {"into a box that is no stash", ring_and_potion, "not a stash", false, Act::enter, GridSide::right, 1, 0,
         Game::off, false, Then::nothing, "", "箱子  B  不能写入（文件太短）"},
        {"into a box the game wrote since", ring_and_potion, sword, false, Act::enter, GridSide::right, 1, 0,
         Game::off, true, Then::nothing, "", "已重新读取这个箱子"},
        {"into the box in use while the game runs", ring_and_potion, sword, true, Act::enter, GridSide::right, 1, 0,
         Game::ok, false, Then::nothing, "Ring 已从 A（装备 1）移到 M（装备 1）"},
        {"the player cancels the game's question", ring_and_potion, sword, true, Act::enter, GridSide::right, 1, 0,
         Game::cancel},
        {"undone", ring_and_potion, sword, false, Act::drag, GridSide::right, 1, 4, Game::off, false, Then::undo,
         "已撤销移动：Ring 回到 A（装备 1）"},
        {"undone after the game wrote a box", ring_and_potion, sword, false, Act::drag, GridSide::right, 1, 4,
         Game::off, false, Then::change_then_undo, "", "在这次移动之后又被改动过"},
        {"into a new empty box", old_ring, test::stash_file({}, test::stash_version_empty_image), false, Act::enter,
         GridSide::right, 1, 0, Game::off, false, Then::nothing, "Ring 已从 A（装备 1）移到 B（装备 1）"},
    };
    test::write_on_disk(my_box("A"), sword);
    test::write_on_disk(stash(), sword);
    test::write_on_disk(saved_box("B"), sword);
    start_library("M");
    quiet();
    select(mine(), "A");
    // Each grid's items as "name place" in place order, and each file's as read now.
    const auto in_grid = [&](GridSide side) {
        std::vector<std::string> items;
        for (int place = 1; place <= ui::grid_places; ++place)
            if (const ui::GridCell& cell = window().grid(side)->cell({0, place}); cell.occupied)
                items.push_back(cell.name + " " + std::to_string(place));
        return items;
    };
    const auto on_disk = [&](const std::string& file) {
        std::vector<std::string> items;
        for (int place = 1; place <= ui::grid_places; ++place)
            for (const stash::Item& item : stash::read_stash(test::read_on_disk(file)).items)
                if (item.tab == stash::Tab::gear && item.place == place) items.push_back(item.name + " " + std::to_string(place));
        return items;
    };

    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string b_file = c.b_in_use ? stash() : saved_box("B");
        test::write_on_disk(my_box("A"), c.a);
        test::write_on_disk(b_file, c.b);
        window().close();
        driver->click(*w().超级按钮内容);
        if (!c.b_in_use) window().choose_box(2);  // my boxes A and M, then the saved B
        ASSERT_EQ(window().box_choices().size(), 3u);
        ASSERT_EQ(window().box_choices()[static_cast<std::size_t>(window().chosen_box())],
                  c.b_in_use ? "当前使用箱子：M" : "保存箱子  B");
        if (c.stale) test::write_on_disk(b_file, game_wrote);
        if (c.game != Game::off) {
            headless::set_running_processes({"Torchlight2.exe"});
            driver->answer_message_box(c.game == Game::ok ? result_ok : result_cancel);
        }
        const std::string a_before = test::read_on_disk(my_box("A")), b_before = test::read_on_disk(b_file);

        headless::StashGrid& left = *window().in_memory(GridSide::left);
        if (c.act == Act::drag) {
            EXPECT_EQ(left.drag(c.from, *window().in_memory(c.to_side), c.to), true);
        } else {
            left.set_focus();
            left.set_focused_place(c.from);
            left.press(ui::GridKey::enter);
        }
        headless::set_running_processes({});
        if (c.then != Then::nothing) {
            if (c.then == Then::change_then_undo) test::write_on_disk(b_file, game_wrote);
            left.set_focus();
            left.press(ui::GridKey::undo);
            if (c.then == Then::undo) {
                EXPECT_EQ(test::read_on_disk(my_box("A")), a_before);
                EXPECT_EQ(test::read_on_disk(b_file), b_before);
            }
        }

        std::vector<test::ShownDialog> dialogs = shown();
        if (c.game != Game::off) {
            ASSERT_FALSE(dialogs.empty());
            EXPECT_EQ(dialogs.front().caption, "游戏正在运行");
            dialogs.erase(dialogs.begin());
        }
        if (c.refusal.empty()) {
            EXPECT_TRUE(dialogs.empty());
            if (!c.summary.empty()) {
                EXPECT_EQ(window().summary(), c.summary);
            }
        } else {
            ASSERT_EQ(dialogs.size(), 1u);
            EXPECT_EQ(dialogs.front().style, style_stop);
            EXPECT_NE(dialogs.front().text.find(c.refusal), std::string::npos) << dialogs.front().text;
        }
        if (c.game == Game::cancel || (!c.refusal.empty() && c.then == Then::nothing)) {
            EXPECT_EQ(test::read_on_disk(my_box("A")), a_before) << "nothing written";
            if (!c.stale) {
                EXPECT_EQ(test::read_on_disk(b_file), b_before);
            }
        }
        EXPECT_EQ(in_grid(GridSide::left), on_disk(my_box("A"))) << "the grids show the files as read back";
        EXPECT_EQ(in_grid(GridSide::right), on_disk(b_file));
        EXPECT_EQ(window().shown_rows().size(), stash::read_stash(test::read_on_disk(my_box("A"))).items.size());
    }

    // Undo goes back move by move: two moves between the same boxes, two undos.
    test::write_on_disk(my_box("A"), ring_and_potion);
    test::write_on_disk(saved_box("B"), sword);
    window().close();
    driver->click(*w().超级按钮内容);
    window().choose_box(2);
    headless::StashGrid& left = *window().in_memory(GridSide::left);
    left.drag(1, *window().in_memory(GridSide::right), 4);
    window().in_memory(GridSide::right)->drag(3, left, 2);
    left.set_focus();
    left.press(ui::GridKey::undo);
    left.press(ui::GridKey::undo);
    EXPECT_TRUE(shown().empty());
    EXPECT_EQ(test::read_on_disk(my_box("A")), ring_and_potion);
    EXPECT_EQ(test::read_on_disk(saved_box("B")), sword);
}

}  // namespace
}  // namespace kistvar
