// Filling the two lists, the current list, the controls that follow the
// selection, the context menus, view and sort, refresh and open folder.
#include <gtest/gtest.h>

#include "library/box_lists.h"
#include "logic/library_fixture.h"

namespace kistvar {
namespace {

using test::ListItem;
using test::ShownDialog;

class Lists : public test::Library {};

TEST_F(Lists, TheBoxInUseComesFromTheMarkerAndTheRestFromTheFolders) {
    put_my_box("b");
    put_my_box("c", "upper-case extension");
    test::write_on_disk(my_boxes_folder + "\\c.BIN", "x");
    put_saved_box("a");
    test::write_on_disk(box_folder + "\\notes.txt", "x");
    test::write_on_disk(box_folder + "\\a.bin.txt", "x");
    test::make_folder_on_disk(box_folder + "\\folder.bin");
    start_library("MYBOX 1");

    EXPECT_EQ(items(mine()), (std::vector<ListItem>{{"b", 0}, {"c", 0}, {"c", 0}, {"MYBOX 1", 1}}));
    EXPECT_EQ(items(saved()), (std::vector<ListItem>{{"a", 0}}));
}

TEST_F(Lists, NoItemStandsForASavedBoxInUse) {
    put_my_box("b");
    start_library("别的箱子");
    EXPECT_EQ(items(mine()), (std::vector<ListItem>{{"b", 0}}));
}

TEST_F(Lists, MissingFoldersGiveEmptyListsWithoutAMessage) {
    start_library("MYBOX 1");
    app->state.paths[Slot::box_folder] = temp / "nowhere";

    driver->click(*w().超级按钮刷新);

    EXPECT_EQ(items(mine()), (std::vector<ListItem>{{"MYBOX 1", 1}}));
    EXPECT_TRUE(items(saved()).empty());
    EXPECT_TRUE(shown().empty());
}

TEST_F(Lists, FocusMakesTheCurrentListAndClearsTheOthersSelection) {
    put_my_box("b");
    put_saved_box("a");
    start_library();
    EXPECT_EQ(app->state.current_list, &mine());
    select(mine(), "b");

    select(saved(), "a");
    EXPECT_EQ(app->state.current_list, &saved());
    EXPECT_EQ(mine().selected_item(), -1);

    driver->focus(mine());
    EXPECT_EQ(app->state.current_list, &mine());
    EXPECT_EQ(saved().selected_item(), -1);
}

TEST_F(Lists, SwapAndDeleteButtonsFollowTheSelectedMyBox) {
    put_my_box("b");
    put_saved_box("a");
    start_library("M");

    select(mine(), "M");
    EXPECT_TRUE(w().超级按钮更换->disabled());
    EXPECT_TRUE(w().超级按钮删除->disabled());

    select(mine(), "b");
    EXPECT_FALSE(w().超级按钮更换->disabled());
    EXPECT_FALSE(w().超级按钮删除->disabled());

    select(mine(), "M");
    select(saved(), "a");
    EXPECT_FALSE(w().超级按钮更换->disabled());
}

TEST_F(Lists, RightClickOnTheBoxInUseOffersNeitherSwapNorDelete) {
    put_my_box("b");
    start_library("M");
    driver->focus(mine());

    driver->answer_popup_menu(nullptr);
    driver->right_click_item(mine(), index_of(mine(), "M"));
    EXPECT_EQ(only_message().text, "右键菜单");
    for (bool disabled : {w().更换->disabled(), w().删除->disabled(), w().超级按钮更换->disabled(),
                          w().超级按钮删除->disabled()})
        EXPECT_TRUE(disabled);

    driver->answer_popup_menu(nullptr);
    driver->right_click_item(mine(), index_of(mine(), "b"));
    EXPECT_EQ(only_message().text, "右键菜单");
    EXPECT_FALSE(w().更换->disabled());
    EXPECT_FALSE(w().超级按钮删除->disabled());

    driver->answer_popup_menu(nullptr);
    driver->right_click_item(mine(), -1);
    EXPECT_EQ(only_message().text, "无选项右键菜单");
}

TEST_F(Lists, RightClickInTheSavedListEnablesEverything) {
    put_saved_box("a");
    start_library("M");
    select(mine(), "M");
    driver->focus(saved());

    driver->answer_popup_menu(nullptr);
    driver->right_click_item(saved(), index_of(saved(), "a"));

    EXPECT_EQ(only_message().kind, ShownDialog::Kind::popup_menu);
    EXPECT_FALSE(w().更换->disabled());
    EXPECT_FALSE(w().删除->disabled());
    EXPECT_FALSE(w().超级按钮更换->disabled());
    EXPECT_FALSE(w().超级按钮删除->disabled());
}

TEST_F(Lists, RefreshFromTheMenuRefillsOnlyTheCurrentList) {
    start_library("别的箱子");
    put_my_box("new mine");
    put_saved_box("new saved");
    driver->focus(saved());

    driver->answer_popup_menu(w().刷新.get());
    driver->right_click_item(saved(), -1);

    EXPECT_EQ(titles(saved()), (std::vector<std::string>{"new saved"}));
    EXPECT_TRUE(titles(mine()).empty());
    shown();

    driver->click(*w().超级按钮刷新);
    EXPECT_EQ(titles(mine()), (std::vector<std::string>{"new mine"}));
}

TEST_F(Lists, ViewAndSortApplyToBothListsAndRefillThem) {
    put_my_box("a");
    put_my_box("b");
    put_saved_box("s");
    start_library("别的箱子");

    w().大图标->on_chosen();
    EXPECT_EQ(mine().view_style(), 0);
    EXPECT_EQ(saved().view_style(), 0);
    EXPECT_EQ(app->state.paths[view_setting], "1");
    w().小图标->on_chosen();
    EXPECT_EQ(mine().view_style(), 3);
    EXPECT_EQ(saved().view_style(), 3);
    EXPECT_EQ(app->state.paths[view_setting], "0");
    EXPECT_TRUE(w().小图标->checked());
    EXPECT_FALSE(w().大图标->checked());

    w().逆向排序->on_chosen();
    EXPECT_EQ(mine().sort_order(), 2);
    EXPECT_EQ(saved().sort_order(), 2);
    EXPECT_EQ(app->state.paths[sort_setting], "1");
    EXPECT_TRUE(w().逆向排序->checked());
    EXPECT_FALSE(w().正向排序->checked());
    EXPECT_EQ(titles(mine()), (std::vector<std::string>{"b", "a"}));
    EXPECT_EQ(titles(saved()), (std::vector<std::string>{"s"}));

    w().正向排序->on_chosen();
    EXPECT_EQ(app->state.paths[sort_setting], "0");
    EXPECT_EQ(titles(mine()), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(settings_text().find("排列顺序"), std::string::npos) << "written only when the window closes";
}

TEST_F(Lists, OpenFolderOpensTheCurrentListsFolder) {
    start_library();
    app->state.current_list = nullptr;
    w().打开该文件夹->on_chosen();
    EXPECT_TRUE(shown().empty());

    driver->focus(saved());
    w().打开该文件夹->on_chosen();
    ShownDialog opened = only_message();
    EXPECT_EQ(opened.kind, ShownDialog::Kind::shell_open);
    EXPECT_EQ(opened.text, box_folder);
    EXPECT_EQ(opened.caption, "4");

    driver->focus(mine());
    w().打开该文件夹->on_chosen();
    EXPECT_EQ(only_message().text, my_boxes_folder);
}

}  // namespace
}  // namespace kistvar
