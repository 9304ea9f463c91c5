// Writing the selected item, and the current item changed event it raises
// only when an item gains the focus mark.
#include "conformance_fixture.h"

namespace kistvar::test {
namespace {

class SelectionTest : public ControlTest {
protected:
    SelectionTest() {
        fill(mine(), {"a", "b", "c"});
        mine().on_current_item_changed = [this] {
            events.push_back("current " + std::to_string(mine().selected_item()));
        };
    }
};

TEST_F(SelectionTest, SelectingFiresOnceInsideTheWrite) {
    mine().set_selected_item(1);
    EXPECT_EQ(events, (std::vector<std::string>{"current 1"}));
    EXPECT_EQ(mine().selected_item(), 1);
    mine().set_selected_item(2);
    EXPECT_EQ(events, (std::vector<std::string>{"current 1", "current 2"}));
}

TEST_F(SelectionTest, ReselectingTheFocusedItemFiresNothing) {
    mine().set_selected_item(0);
    mine().set_selected_item(0);
    EXPECT_EQ(events.size(), 1u);
}

TEST_F(SelectionTest, ClearingTakesSelectionAndFocusMarkWithoutAnEvent) {
    mine().set_selected_item(1);
    mine().set_selected_item(-1);
    EXPECT_EQ(mine().selected_item(), -1);
    EXPECT_EQ(events.size(), 1u);
    // The item lost its focus mark, so selecting it again is a gain.
    mine().set_selected_item(1);
    EXPECT_EQ(events.size(), 2u);
}

TEST_F(SelectionTest, BelowMinusOneCountsAsClearing) {
    mine().set_selected_item(2);
    mine().set_selected_item(-7);
    EXPECT_EQ(mine().selected_item(), -1);
    EXPECT_EQ(events.size(), 1u);
}

TEST_F(SelectionTest, AnIndexPastTheEndChangesNothing) {
    mine().set_selected_item(5);
    EXPECT_EQ(mine().selected_item(), -1);
    mine().set_selected_item(0);
    mine().set_selected_item(3);
    EXPECT_EQ(mine().selected_item(), 0);
    EXPECT_EQ(events, (std::vector<std::string>{"current 0"}));
}

TEST_F(SelectionTest, ClearingAnUnselectedListDoesNothing) {
    mine().set_selected_item(-1);
    EXPECT_EQ(mine().selected_item(), -1);
    EXPECT_TRUE(events.empty());
}

TEST_F(SelectionTest, DeletingShiftsTheLaterItemsAndTheSelection) {
    mine().set_selected_item(2);
    mine().delete_item(0);
    EXPECT_EQ(titles(mine()), (Titles{"b", "c"}));
    EXPECT_EQ(mine().selected_item(), 1);
    mine().delete_item(1);
    EXPECT_EQ(titles(mine()), (Titles{"b"}));
    EXPECT_EQ(mine().selected_item(), -1);
    mine().delete_item(4);
    mine().delete_item(-1);
    EXPECT_EQ(titles(mine()), (Titles{"b"}));
}

TEST_F(SelectionTest, InsertingBeforeTheSelectionMovesItAlong) {
    mine().set_selected_item(1);
    mine().insert_item(-1, "0", 0);
    EXPECT_EQ(mine().selected_item(), 2);
    EXPECT_EQ(mine().get_item_title(2), "b");
}

TEST_F(SelectionTest, DeletingAllEmptiesAndClears) {
    mine().set_selected_item(1);
    mine().delete_all_items();
    EXPECT_EQ(mine().item_count(), 0);
    EXPECT_EQ(mine().selected_item(), -1);
}

TEST_F(SelectionTest, MissingItemsReadEmptyAndIgnoreWrites) {
    EXPECT_EQ(mine().get_item_title(3), "");
    EXPECT_EQ(mine().get_item_title(-1), "");
    EXPECT_EQ(mine().get_item_picture(3), 0);
    EXPECT_EQ(mine().get_item_picture(-1), 0);
    mine().set_item_picture(3, 1);
    mine().ensure_visible(7);
    EXPECT_EQ(mine().item_count(), 3);
}

TEST_F(SelectionTest, PicturesAreKeptPerItem) {
    mine().set_item_picture(1, 1);
    EXPECT_EQ(mine().get_item_picture(1), 1);
    EXPECT_EQ(mine().get_item_picture(0), 0);
    EXPECT_EQ(mine().insert_item(-1, "d", 1), 3);
    EXPECT_EQ(mine().get_item_picture(3), 1);
}

// The native search skips its start item; ours includes it, so the Win32
// list passes start - 1.
TEST_F(ControlTest, FindMatchesWholeTitlesIgnoringCaseFromTheStartOn) {
    fill(mine(), {"Alpha", "beta", "Beta 2", "箱子"});
    EXPECT_EQ(mine().find_item("BETA"), 1);
    EXPECT_EQ(mine().find_item("beta", 1), 1);  // the start item itself counts
    EXPECT_EQ(mine().find_item("beta", 2), -1); // no wrap to the top
    EXPECT_EQ(mine().find_item("alpha", -4), 0);
    EXPECT_EQ(mine().find_item("bet"), -1);
    EXPECT_EQ(mine().find_item("bet", 0, false), 1);
    EXPECT_EQ(mine().find_item("beta 2", 2, false), 2);
    EXPECT_EQ(mine().find_item("箱子"), 3);
    EXPECT_EQ(mine().find_item("箱"), -1);
    EXPECT_EQ(mine().find_item("gamma"), -1);
}

}  // namespace
}  // namespace kistvar::test
