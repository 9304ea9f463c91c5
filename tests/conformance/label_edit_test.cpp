// In-place editing of a title: how it starts, and what the finished event
// sees and decides.
#include "conformance_fixture.h"

namespace kistvar::test {
namespace {

class LabelEditTest : public ControlTest {
protected:
    LabelEditTest() {
        fill(mine(), {"apple", "pear"});
        mine().on_got_focus = note("focus");
        mine().on_label_edit_finished = [this](int index) {
            events.push_back("finished " + std::to_string(index) + " " + mine().edited_title());
            return keep_new_title;
        };
    }
    bool keep_new_title = true;
};

// Windows refuses to start an edit in a list without the keyboard focus (Wine
// edits anyway), so the focus has to come first.
TEST_F(LabelEditTest, StartingAnEditTakesTheFocusFirst) {
    mine().edit_title(1);
    EXPECT_EQ(events, (std::vector<std::string>{"focus"}));
    driver().finish_label_edit(mine(), "plum");
}

TEST_F(LabelEditTest, ConfirmedTextIsReadableInsideTheEventAndStays) {
    mine().edit_title(1);
    driver().finish_label_edit(mine(), "plum");
    EXPECT_EQ(events.back(), "finished 1 plum");
    EXPECT_EQ(mine().get_item_title(1), "plum");
    EXPECT_EQ(mine().edited_title(), "");  // only inside the event
}

TEST_F(LabelEditTest, ConfirmedTitleStaysWhereTheItemWas) {
    // The list is not re-sorted by an edit.
    mine().edit_title(0);
    driver().finish_label_edit(mine(), "zebra");
    EXPECT_EQ(titles(mine()), (Titles{"zebra", "pear"}));
}

TEST_F(LabelEditTest, CancelDeliversTheUnchangedTitle) {
    mine().edit_title(0);
    driver().finish_label_edit(mine(), std::nullopt);
    EXPECT_EQ(events.back(), "finished 0 apple");
    EXPECT_EQ(mine().get_item_title(0), "apple");
}

TEST_F(LabelEditTest, AHandlerReturningFalseKeepsTheOldTitle) {
    keep_new_title = false;
    mine().edit_title(1);
    driver().finish_label_edit(mine(), "新名字");
    EXPECT_EQ(events.back(), "finished 1 新名字");
    EXPECT_EQ(mine().get_item_title(1), "pear");
}

// While the edit is open its edit field holds the keyboard focus; the real
// list announces the focus again when it comes back, so these tests leave
// the focus events out.
TEST_F(LabelEditTest, FocusGoingElsewhereEndsTheEditUnchanged) {
    mine().edit_title(1);
    driver().focus(saved());
    EXPECT_EQ(without("focus"), (std::vector<std::string>{"finished 1 pear"}));
    EXPECT_EQ(mine().get_item_title(1), "pear");
}

TEST_F(LabelEditTest, AClickInTheListEndsTheEditBeforeSelecting) {
    mine().on_current_item_changed = note("current");
    mine().edit_title(1);
    driver().click_item(mine(), 0);
    EXPECT_EQ(without("focus"), (std::vector<std::string>{"finished 1 pear", "current"}));
}

}  // namespace
}  // namespace kistvar::test
