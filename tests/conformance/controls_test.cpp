// The properties of the controls other than the lists, as the layout makes
// them and as the logic writes them.
#include "conformance_fixture.h"

namespace kistvar::test {
namespace {

// The options page's controls behave alike before the page is first shown
// (a backend may make them only then) and after.
TEST_F(ControlTest, DropDownListsCarryTheirItemsAndValues) {
    for (int page : {0, 1}) {
        SCOPED_TRACE("page " + std::to_string(page));
        w().选择夹1->set_current_page(page);
        ui::ComboBox& version = *w().组合框1;
        ASSERT_EQ(version.item_count(), 2);
        EXPECT_EQ(version.item_value(0), 2);
        EXPECT_EQ(version.item_value(1), 1);
        EXPECT_EQ(version.item_value(2), -1);
        EXPECT_EQ(version.item_value(-1), -1);
        EXPECT_EQ(w().组合框3->item_value(0), 3);
        EXPECT_EQ(w().组合框3->item_value(1), 0);
        EXPECT_EQ(w().组合框4->item_value(1), 2);
    }
}

TEST_F(ControlTest, DropDownIndexIsClamped) {
    for (int page : {0, 1}) {
        SCOPED_TRACE("page " + std::to_string(page));
        w().选择夹1->set_current_page(page);
        ui::ComboBox& mode = *w().组合框2;
        mode.set_current_index(9);
        EXPECT_EQ(mode.current_index(), 1);
        mode.set_current_index(0);
        EXPECT_EQ(mode.current_index(), 0);
        mode.set_current_index(-5);
        EXPECT_EQ(mode.current_index(), -1);
        mode.set_current_index(1);
        mode.set_current_index(-1);
        EXPECT_EQ(mode.current_index(), -1);
    }
}

TEST_F(ControlTest, StatusBarHasTwoPartsAndIgnoresOthers) {
    ui::StatusBar& status = *w().状态条1;
    EXPECT_EQ(status.status_text(0), "当前使用箱子：");
    status.set_status_text(1, "我的箱子 1");
    status.set_status_text(9, "lost");
    status.set_status_text(-1, "lost");
    EXPECT_EQ(status.status_text(0), "当前使用箱子：");
    EXPECT_EQ(status.status_text(1), "我的箱子 1");
    EXPECT_EQ(status.status_text(9), "");
}

TEST_F(ControlTest, SwitchingTabPagesShowsOnePageAtATime) {
    EXPECT_EQ(w().选择夹1->current_page(), 0);
    EXPECT_TRUE(driver().visible(mine()));
    EXPECT_TRUE(driver().visible(*w().超级按钮更换));
    EXPECT_FALSE(driver().visible(*w().编辑框存档路径));

    w().选择夹1->set_current_page(1);
    EXPECT_EQ(w().选择夹1->current_page(), 1);
    EXPECT_FALSE(driver().visible(mine()));
    EXPECT_FALSE(driver().visible(*w().超级按钮更换));
    EXPECT_TRUE(driver().visible(*w().编辑框存档路径));
    EXPECT_TRUE(driver().visible(*w().按钮保存));
    // Controls on the window itself stay on every page.
    EXPECT_TRUE(driver().visible(*w().超级按钮高级));
    EXPECT_TRUE(driver().visible(*w().状态条1));

    w().选择夹1->set_current_page(0);
    EXPECT_TRUE(driver().visible(mine()));
    EXPECT_FALSE(driver().visible(*w().按钮保存));
}

TEST_F(ControlTest, MenuItemsStartEnabledAndUncheckedAndKeepWhatIsWritten) {
    for (ui::MenuItem* item : {w().更换.get(), w().删除.get(), w().小图标.get(), w().逆向排序.get()}) {
        EXPECT_FALSE(item->checked());
        EXPECT_FALSE(item->disabled());
    }
    w().小图标->set_checked(true);
    w().更换->set_disabled(true);
    EXPECT_TRUE(w().小图标->checked());
    EXPECT_FALSE(w().大图标->checked());
    EXPECT_TRUE(w().更换->disabled());
    w().更换->set_disabled(false);
    EXPECT_FALSE(w().更换->disabled());
}

TEST_F(ControlTest, ImageButtonsHoldTheirToolTips) {
    EXPECT_EQ(w().超级按钮高级->tool_tip_text(), "高级选项");
    EXPECT_EQ(w().超级按钮更换->tool_tip_text(), "换个箱子，换个心情");
    w().超级按钮高级->set_tool_tip_text("返回");
    EXPECT_EQ(w().超级按钮高级->tool_tip_text(), "返回");
    w().超级按钮高级->set_tool_tip_text("");
    EXPECT_EQ(w().超级按钮高级->tool_tip_text(), "");
}

TEST_F(ControlTest, ADisabledButtonDoesNotFire) {
    w().超级按钮删除->on_click = note("删除");
    w().按钮保存->on_click = note("保存");
    w().超级按钮删除->set_disabled(true);
    EXPECT_TRUE(w().超级按钮删除->disabled());
    driver().click(*w().超级按钮删除);
    EXPECT_EQ(count("删除"), 0);
    w().超级按钮删除->set_disabled(false);
    driver().click(*w().超级按钮删除);
    EXPECT_EQ(count("删除"), 1);

    w().选择夹1->set_current_page(1);
    driver().click(*w().按钮保存);
    EXPECT_EQ(count("保存"), 1);
}

// Written while the options page was never shown, kept when it shows.
TEST_F(ControlTest, TheOptionsPageKeepsWhatIsWritten) {
    w().编辑框存档路径->set_content("C:\\游戏\\save");
    EXPECT_EQ(w().编辑框存档路径->content(), "C:\\游戏\\save");
    EXPECT_EQ(w().编辑框箱子路径->content(), "");
    EXPECT_FALSE(w().选择框信息->checked());
    w().选择框信息->set_checked(true);
    EXPECT_TRUE(w().选择框信息->checked());
    w().组合框3->set_current_index(1);
    w().按钮取消->set_disabled(true);

    w().选择夹1->set_current_page(1);
    EXPECT_EQ(w().编辑框存档路径->content(), "C:\\游戏\\save");
    EXPECT_EQ(w().编辑框箱子路径->content(), "");
    EXPECT_TRUE(w().选择框信息->checked());
    EXPECT_EQ(w().组合框3->current_index(), 1);
    EXPECT_EQ(w().组合框5->current_index(), -1);
    EXPECT_TRUE(w().按钮取消->disabled());
    EXPECT_FALSE(w().按钮保存->disabled());
    EXPECT_TRUE(driver().visible(*w().按钮取消));
}

TEST_F(ControlTest, EachListHasAWindowOfItsOwn) {
    EXPECT_NE(mine().window_handle(), 0);
    EXPECT_NE(saved().window_handle(), 0);
    EXPECT_NE(mine().window_handle(), saved().window_handle());
}

}  // namespace
}  // namespace kistvar::test
