// The lists' own menu (view, sort, refresh), the refresh button, and what the
// window writes when the player closes it.
#include <windows.h>
#include <commctrl.h>

#include "e2e/e2e_fixture.h"

namespace kistvar::test {
namespace {

class Lists : public EndToEnd {
protected:
    void SetUp() override {
        EndToEnd::SetUp();
        put_my_box("a", "a");
        put_my_box("c", "c");
        put_saved_box("b", "b");
        put_saved_box("d", "d");
        write_settings("MYBOX 1");
        start();
    }
    // The empty-space menu of the my-boxes list, answered with this item.
    void choose_from_empty_space_menu(ui::MenuItem& item, ui::ListView* list = nullptr) {
        ui::ListView& target = list ? *list : mine();
        driver->click_item(target, -1);
        driver->answer_popup_menu(&item);
        driver->right_click_item(target, -1);
        auto dialogs = shown();
        ASSERT_EQ(dialogs.size(), 1u);
        EXPECT_EQ(dialogs[0].kind, ShownDialog::Kind::popup_menu);
        EXPECT_EQ(dialogs[0].text, "无选项右键菜单");
    }
    static long native_view(const ui::ListView& list) {
        return GetWindowLongPtrW(reinterpret_cast<HWND>(list.window_handle()), GWL_STYLE) & LVS_TYPEMASK;
    }
};

TEST_F(Lists, ViewMenuSwitchesBothListsAndMovesTheCheckMark) {
    EXPECT_TRUE(w().小图标->checked());
    EXPECT_FALSE(w().大图标->checked());

    choose_from_empty_space_menu(*w().大图标);
    EXPECT_TRUE(w().大图标->checked());
    EXPECT_FALSE(w().小图标->checked());
    EXPECT_EQ(mine().view_style(), ui::ListView::large_icons);
    EXPECT_EQ(saved().view_style(), ui::ListView::large_icons);
    EXPECT_EQ(native_view(mine()), LVS_ICON);
    EXPECT_EQ(native_view(saved()), LVS_ICON);
    EXPECT_EQ(items(mine()), (Items{{"a", 0}, {"c", 0}, {"MYBOX 1", 1}})) << "refilled after the rebuild";
    EXPECT_EQ(titles(saved()), (std::vector<std::string>{"b", "d"}));

    choose_from_empty_space_menu(*w().小图标);
    EXPECT_TRUE(w().小图标->checked());
    EXPECT_FALSE(w().大图标->checked());
    EXPECT_EQ(native_view(mine()), LVS_REPORT);
    EXPECT_EQ(native_view(saved()), LVS_REPORT);
    EXPECT_EQ(titles(mine()), (std::vector<std::string>{"a", "c", "MYBOX 1"}));
}

TEST_F(Lists, SortMenuReversesBothListsAndMovesTheCheckMark) {
    EXPECT_TRUE(w().正向排序->checked());
    choose_from_empty_space_menu(*w().逆向排序);
    EXPECT_TRUE(w().逆向排序->checked());
    EXPECT_FALSE(w().正向排序->checked());
    EXPECT_EQ(titles(mine()), (std::vector<std::string>{"MYBOX 1", "c", "a"}));
    EXPECT_EQ(titles(saved()), (std::vector<std::string>{"d", "b"}));

    choose_from_empty_space_menu(*w().正向排序, &saved());
    EXPECT_TRUE(w().正向排序->checked());
    EXPECT_FALSE(w().逆向排序->checked());
    EXPECT_EQ(titles(mine()), (std::vector<std::string>{"a", "c", "MYBOX 1"}));
    EXPECT_EQ(titles(saved()), (std::vector<std::string>{"b", "d"}));
}

TEST_F(Lists, ViewAndSortChosenFromTheMenuAreWrittenWhenTheWindowCloses) {
    choose_from_empty_space_menu(*w().大图标);
    choose_from_empty_space_menu(*w().逆向排序);
    EXPECT_EQ(stored("显示", "图标大小"), "") << "not stored at the click";

    close();
    EXPECT_EQ(stored("显示", "图标大小"), "1");
    EXPECT_EQ(stored("显示", "排列顺序"), "1");
    EXPECT_EQ(stored("状态", "正在使用"), "MYBOX 1");
    EXPECT_EQ(stored("路径", "箱子"), box_folder) << "the paths are left as they were";
    EXPECT_EQ(stored("显示", "显示信息框"), "") << "closing writes only view, sort and the marker";
}

TEST_F(Lists, ClosingWithoutChangesWritesTheThreeKeys) {
    close();
    EXPECT_EQ(stored("显示", "图标大小"), "0");
    EXPECT_EQ(stored("显示", "排列顺序"), "0");
    EXPECT_EQ(stored("状态", "正在使用"), "MYBOX 1");
    EXPECT_FALSE(IsWindow(reinterpret_cast<HWND>(w().window->window_handle())));
}

TEST_F(Lists, RefreshButtonShowsBoxesAddedAndRemovedBehindTheProgramsBack) {
    put_my_box("e", "e");
    put_saved_box("f", "f");
    remove_from_disk(saved_box("b"));
    EXPECT_EQ(titles(saved()), (std::vector<std::string>{"b", "d"})) << "not refilled by itself";

    driver->click(*w().超级按钮刷新);
    EXPECT_EQ(titles(mine()), (std::vector<std::string>{"a", "c", "e", "MYBOX 1"}));
    EXPECT_EQ(titles(saved()), (std::vector<std::string>{"d", "f"}));
}

TEST_F(Lists, RefreshMenuRefillsOnlyTheListItWasOpenedIn) {
    put_my_box("e", "e");
    put_saved_box("f", "f");

    choose_from_empty_space_menu(*w().刷新, &saved());
    EXPECT_EQ(titles(saved()), (std::vector<std::string>{"b", "d", "f"}));
    EXPECT_EQ(titles(mine()), (std::vector<std::string>{"a", "c", "MYBOX 1"}));

    choose_from_empty_space_menu(*w().刷新);
    EXPECT_EQ(titles(mine()), (std::vector<std::string>{"a", "c", "e", "MYBOX 1"}));
}

// The real lists ask for info tips, and the tip says what the box holds.
TEST_F(Lists, TheInfoTipOfABoxSaysWhatItHolds) {
    for (ui::ListView* list : {&mine(), &saved()}) {
        const auto handle = reinterpret_cast<HWND>(list->window_handle());
        EXPECT_TRUE(SendMessageW(handle, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_INFOTIP);
    }
    EXPECT_EQ(driver->hover_tip(mine(), index_of(mine(), "c")), "1 件物品：c");
    EXPECT_EQ(driver->hover_tip(saved(), index_of(saved(), "d")), "1 件物品：d");
}

TEST_F(Lists, ClickingIntoOneListClearsTheOthersSelection) {
    select(mine(), "a");
    select(saved(), "b");
    EXPECT_EQ(app->state.current_list, &saved());
    EXPECT_EQ(mine().selected_item(), -1);
    select(mine(), "c");
    EXPECT_EQ(app->state.current_list, &mine());
    EXPECT_EQ(saved().selected_item(), -1);
}

}  // namespace
}  // namespace kistvar::test
