// What the user's mouse does to a list before the logic hears of it: focus,
// selection, and the order of the events.
#include "conformance_fixture.h"

namespace kistvar::test {
namespace {

class MouseTest : public ControlTest {
protected:
    MouseTest() {
        fill(mine(), {"a", "b", "c"});
        mine().on_got_focus = note("focus");
        mine().on_current_item_changed = [this] { events.push_back("current " + std::to_string(mine().selected_item())); };
        mine().on_item_double_clicked = [this] { events.push_back("activate " + std::to_string(mine().selected_item())); };
        mine().on_right_click = [this] { events.push_back("right " + std::to_string(mine().selected_item())); };
    }
};

TEST_F(MouseTest, FocusIsAnnouncedOnlyWhenItMoves) {
    driver().focus(mine());
    driver().focus(mine());
    EXPECT_EQ(count("focus"), 1);
    driver().focus(saved());
    driver().focus(mine());
    EXPECT_EQ(count("focus"), 2);
}

TEST_F(MouseTest, ClickFocusesTheListThenSelectsTheItem) {
    driver().click_item(mine(), 1);
    EXPECT_EQ(events, (std::vector<std::string>{"focus", "current 1"}));
    driver().click_item(mine(), 1);
    EXPECT_EQ(events.size(), 2u);
}

// Read from Wine's list control (deselecting leaves the focus mark alone);
// Windows draws the focus rectangle on that item too.
TEST_F(MouseTest, ClickOnEmptySpaceClearsTheSelectionButLeavesTheFocusMark) {
    driver().click_item(mine(), 2);
    driver().click_item(mine(), -1);
    EXPECT_EQ(mine().selected_item(), -1);
    // The item kept its focus mark, so clicking it again gains nothing new.
    driver().click_item(mine(), 2);
    EXPECT_EQ(mine().selected_item(), 2);
    EXPECT_EQ(count("current 2"), 1);
}

TEST_F(MouseTest, DoubleClickOnAnItemSelectsItThenActivatesIt) {
    driver().double_click_item(mine(), 0);
    EXPECT_EQ(events, (std::vector<std::string>{"focus", "current 0", "activate 0"}));
}

TEST_F(MouseTest, DoubleClickOnEmptySpaceActivatesNothing) {
    mine().set_selected_item(1);
    events.clear();
    driver().double_click_item(mine(), -1);
    EXPECT_EQ(events, (std::vector<std::string>{"focus"}));
    EXPECT_EQ(mine().selected_item(), -1);
}

TEST_F(MouseTest, RightClickMovesTheSelectionBeforeTheEvent) {
    mine().set_selected_item(0);
    events.clear();
    driver().right_click_item(mine(), 2);
    EXPECT_EQ(events, (std::vector<std::string>{"focus", "current 2", "right 2"}));
}

TEST_F(MouseTest, RightClickOnTheSelectedItemKeepsIt) {
    driver().click_item(mine(), 1);
    events.clear();
    driver().right_click_item(mine(), 1);
    EXPECT_EQ(events, (std::vector<std::string>{"right 1"}));
}

TEST_F(MouseTest, RightClickOnEmptySpaceClearsTheSelectionBeforeTheEvent) {
    driver().click_item(mine(), 1);
    events.clear();
    driver().right_click_item(mine(), -1);
    EXPECT_EQ(events, (std::vector<std::string>{"right -1"}));
}

TEST_F(MouseTest, AMenuItemChosenFromThePopUpRunsAfterTheRightClickEvent) {
    mine().on_right_click = [this] {
        events.push_back("right begins");
        w().右键菜单->popup();
        events.push_back("right ends");
    };
    w().删除->on_chosen = note("删除");
    driver().answer_popup_menu(w().删除.get());
    driver().right_click_item(mine(), 0);
    EXPECT_EQ(events, (std::vector<std::string>{"focus", "current 0", "right begins", "right ends", "删除"}));
    auto shown = driver().take_shown_dialogs();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].kind, ShownDialog::Kind::popup_menu);
}

TEST_F(MouseTest, AClosedMenuOrAGreyedItemRunsNothing) {
    mine().on_right_click = [this] { w().无选项右键菜单->popup(); };
    w().刷新->on_chosen = note("刷新");
    driver().answer_popup_menu(nullptr);
    driver().right_click_item(mine(), -1);
    w().刷新->set_disabled(true);
    driver().answer_popup_menu(w().刷新.get());
    driver().right_click_item(mine(), -1);
    EXPECT_EQ(count("刷新"), 0);
    EXPECT_EQ(driver().take_shown_dialogs().size(), 2u);
}

}  // namespace
}  // namespace kistvar::test
