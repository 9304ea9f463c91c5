// Where the list control puts an inserted title, and what a rebuild (a write
// of view style or sort order) leaves behind.
#include "conformance_fixture.h"

namespace kistvar::test {
namespace {

TEST_F(ControlTest, ListsStartEmptyInReportViewSortedAscending) {
    for (ui::ListView* list : {&mine(), &saved()}) {
        EXPECT_EQ(list->view_style(), ui::ListView::report);
        EXPECT_EQ(list->sort_order(), ui::ListView::ascending);
        EXPECT_EQ(list->item_count(), 0);
        EXPECT_EQ(list->selected_item(), -1);
    }
}

TEST_F(ControlTest, AscendingInsertIgnoresCaseAndReturnsWhereTheItemLanded) {
    EXPECT_EQ(mine().insert_item(-1, "b", 0), 0);
    EXPECT_EQ(mine().insert_item(-1, "C", 0), 1);
    // An ordinal comparison would put every capital before "a".
    EXPECT_EQ(mine().insert_item(-1, "a", 0), 0);
    EXPECT_EQ(mine().insert_item(-1, "Box 10", 0), 2);
    EXPECT_EQ(titles(mine()), (Titles{"a", "b", "Box 10", "C"}));
}

TEST_F(ControlTest, CaseOnlySeparatesTitlesThatDifferInNothingElse) {
    // The linguistic order puts the small letter first.
    fill(mine(), {"B", "b", "a", "A"});
    EXPECT_EQ(titles(mine()), (Titles{"a", "A", "b", "B"}));
}

TEST_F(ControlTest, DescendingInsertPutsTheLaterTitleFirst) {
    mine().set_sort_order(ui::ListView::descending);
    EXPECT_EQ(mine().insert_item(-1, "a", 0), 0);
    EXPECT_EQ(mine().insert_item(-1, "b", 0), 0);
    EXPECT_EQ(mine().insert_item(-1, "B", 0), 0);
    EXPECT_EQ(titles(mine()), (Titles{"B", "b", "a"}));
}

TEST_F(ControlTest, ChineseTitlesSortAfterLatinAndPrefixesComeFirst) {
    // Only what every Windows locale agrees on: digits, then Latin letters,
    // then ideographs; a title before its own extensions.
    fill(mine(), {"箱子2", "box", "箱子", "2号"});
    EXPECT_EQ(titles(mine()), (Titles{"2号", "box", "箱子", "箱子2"}));
}

TEST_F(ControlTest, EqualTitleGoesBeforeTheEqualOnes) {
    // Wine places it first; where Windows puts it is not known, so a Windows
    // run may differ here.
    mine().insert_item(-1, "x", 0);
    EXPECT_EQ(mine().insert_item(-1, "x", 1), 0);
    EXPECT_EQ(mine().get_item_picture(0), 1);
}

TEST_F(ControlTest, SortedInsertIgnoresTheRequestedPosition) {
    fill(mine(), {"a", "c"});
    EXPECT_EQ(mine().insert_item(0, "d", 0), 2);
    EXPECT_EQ(mine().insert_item(99, "b", 0), 1);
}

TEST_F(ControlTest, UnsortedInsertGoesWhereAskedAndAppendsOtherwise) {
    mine().set_sort_order(ui::ListView::unsorted);
    EXPECT_EQ(mine().insert_item(-1, "b", 0), 0);
    EXPECT_EQ(mine().insert_item(-1, "a", 0), 1);
    EXPECT_EQ(mine().insert_item(0, "c", 0), 0);
    EXPECT_EQ(mine().insert_item(50, "d", 0), 3);
    EXPECT_EQ(titles(mine()), (Titles{"c", "b", "a", "d"}));
}

// Wine's own sorted list scans linearly (minutes for thousands of items);
// Windows searches but shifts. The lists keep a sorted model of their own.
TEST_F(ControlTest, ThousandsOfTitlesLandInOrder) {
    Titles inserted;
    for (int i = 0; i < 3000; ++i) inserted.push_back("box " + std::to_string((i * 7919) % 3000));
    fill(saved(), inserted);
    ASSERT_EQ(saved().item_count(), 3000);
    EXPECT_EQ(saved().get_item_title(0), "box 0");
    EXPECT_EQ(saved().get_item_title(1), "box 1");
    EXPECT_EQ(saved().get_item_title(2), "box 10");
    EXPECT_EQ(saved().get_item_title(2999), "box 999");
}

TEST_F(ControlTest, WritingStyleOrOrderEvenUnchangedEmptiesTheListAndKeepsItsWindow) {
    const auto handle = mine().window_handle();
    fill(mine(), {"a", "b"});
    mine().set_selected_item(1);
    mine().set_sort_order(ui::ListView::ascending);
    EXPECT_EQ(mine().item_count(), 0);
    EXPECT_EQ(mine().selected_item(), -1);
    EXPECT_EQ(mine().window_handle(), handle);

    fill(mine(), {"a"});
    mine().set_view_style(ui::ListView::report);
    EXPECT_EQ(mine().item_count(), 0);
    EXPECT_EQ(mine().window_handle(), handle);
}

TEST_F(ControlTest, StyleAndOrderAreClamped) {
    mine().set_view_style(7);
    EXPECT_EQ(mine().view_style(), ui::ListView::report);
    mine().set_view_style(-2);
    EXPECT_EQ(mine().view_style(), ui::ListView::large_icons);
    mine().set_sort_order(5);
    EXPECT_EQ(mine().sort_order(), ui::ListView::descending);
    mine().set_sort_order(-1);
    EXPECT_EQ(mine().sort_order(), ui::ListView::unsorted);
}

TEST_F(ControlTest, RebuildKeepsTheFocusAndAnnouncesItAgain) {
    mine().on_got_focus = note("mine focus");
    saved().on_got_focus = note("saved focus");
    driver().focus(mine());
    mine().set_view_style(ui::ListView::large_icons);
    saved().set_view_style(ui::ListView::large_icons);  // not focused: no event
    EXPECT_EQ(events, (std::vector<std::string>{"mine focus", "mine focus"}));
}

TEST_F(ControlTest, RebuildKeepsTheDropTargetRegistered) {
    std::string delivered;
    w().拖放对象我的箱子->on_files_dropped = [&](const std::string& text) { delivered = text; };
    ASSERT_TRUE(w().拖放对象我的箱子->register_on(mine().window_handle()));
    mine().set_sort_order(ui::ListView::descending);
    driver().drop_files(mine(), {"C:\\boxes\\a.bin"});
    EXPECT_EQ(delivered, "C:\\boxes\\a.bin");
}

}  // namespace
}  // namespace kistvar::test
