// Each control event runs its operation.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/dialogs.h"
#include "support/app_fixture.h"
#include "support/headless/script.h"

namespace kistvar {
namespace {

using test::AppFixture;
using test::ShownDialog;

class Bindings : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        write_standard_settings();
    }
    void start_quietly() {
        ASSERT_EQ(start(), std::nullopt);
        driver->take_shown_dialogs();
    }
    std::string stash_path() const { return save_folder + "\\sharedstash_v2.bin"; }
    std::string my_box_path(std::string_view title) const {
        return my_boxes_folder + "\\" + std::string(title) + ".bin";
    }
    std::string saved_box_path(std::string_view title) const {
        return box_folder + "\\" + std::string(title) + ".bin";
    }
};

TEST_F(Bindings, EveryEventOfTheWindowIsBound) {
    ui::MainWindow& m = w();
    EXPECT_TRUE(m.window->on_created && m.window->on_destroying);
    for (ui::PushButton* button :
         {static_cast<ui::PushButton*>(m.超级按钮说明.get()), static_cast<ui::PushButton*>(m.超级按钮高级.get()),
          static_cast<ui::PushButton*>(m.超级按钮新建.get()), static_cast<ui::PushButton*>(m.超级按钮更换.get()),
          static_cast<ui::PushButton*>(m.超级按钮另存.get()), static_cast<ui::PushButton*>(m.超级按钮删除.get()),
          static_cast<ui::PushButton*>(m.超级按钮刷新.get()), static_cast<ui::PushButton*>(m.超级按钮内容.get()),
          m.按钮选择存档路径.get(), m.按钮选择箱子路径.get(),
          m.按钮保存.get(), m.按钮取消.get()})
        EXPECT_TRUE(button->on_click);
    for (ui::ListView* list : {m.超级列表框我的箱子.get(), m.超级列表框保存箱子.get()}) {
        EXPECT_TRUE(list->on_got_focus && list->on_current_item_changed && list->on_item_double_clicked &&
                    list->on_right_click && list->on_label_edit_finished);
    }
    EXPECT_TRUE(m.拖放对象我的箱子->on_files_dropped && m.拖放对象保存箱子->on_files_dropped);
    for (ui::MenuItem* item : {m.更换.get(), m.另存为.get(), m.重命名.get(), m.删除.get(), m.小图标.get(),
                               m.大图标.get(), m.正向排序.get(), m.逆向排序.get(), m.刷新.get(), m.打开该文件夹.get(), m.查看内容.get()})
        EXPECT_TRUE(item->on_chosen);
    EXPECT_TRUE(m.箱子内容->on_search_changed && m.箱子内容->on_step && m.箱子内容->on_row_double_clicked);
}

TEST_F(Bindings, DestroyingTheWindowWritesTheDisplayStateAndTheMarker) {
    start_quietly();
    driver->answer_popup_menu(w().大图标.get());
    driver->right_click_item(*w().超级列表框保存箱子, -1);
    driver->close_window();
    const std::string text = settings_text();
    EXPECT_NE(text.find("[显示]\r\n图标大小=1\r\n排列顺序=0\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("[状态]\r\n正在使用=MYBOX 1\r\n"), std::string::npos) << text;
}

TEST_F(Bindings, TheSwapRunsFromItsButtonTheMenuAndADoubleClick) {
    test::write_on_disk(stash_path(), "game");
    put_saved_box("乙", "saved");
    put_my_box("甲", "mine");
    start_quietly();
    ui::ListView& saved = *w().超级列表框保存箱子;
    ui::ListView& mine = *w().超级列表框我的箱子;

    driver->click_item(saved, 0);
    driver->double_click_item(saved, 0);
    EXPECT_EQ(test::box_on_disk(stash_path()), "saved");
    EXPECT_EQ(test::box_on_disk(my_box_path("MYBOX 1")), "game");

    driver->click_item(mine, mine.find_item("甲"));
    driver->click(*w().超级按钮更换);
    EXPECT_EQ(test::box_on_disk(stash_path()), "mine");
    EXPECT_FALSE(test::exists_on_disk(my_box_path("甲")));

    // The box in use ignores its double-click; the menu item swaps another one in.
    driver->double_click_item(mine, mine.find_item("甲"));
    EXPECT_EQ(test::box_on_disk(stash_path()), "mine");
    driver->answer_popup_menu(w().更换.get());
    driver->right_click_item(mine, mine.find_item("MYBOX 1"));
    EXPECT_EQ(test::box_on_disk(stash_path()), "game");
    EXPECT_EQ(test::box_on_disk(my_box_path("甲")), "mine");
}

TEST_F(Bindings, TheEditingOperationsRunFromTheirButtonsAndMenuItems) {
    put_saved_box("乙", "saved");
    start_quietly();
    ui::ListView& saved = *w().超级列表框保存箱子;
    w().选择框信息->set_checked(true);

    headless::set_current_time({2012, 10, 23, 9, 5, 7});
    driver->click(*w().超级按钮新建);
    EXPECT_TRUE(test::exists_on_disk(my_box_path("MYBOX 2012年10月23日9时5分7秒")));

    driver->click_item(saved, 0);
    driver->answer_input_box("副本");
    driver->click(*w().超级按钮另存);
    EXPECT_EQ(test::box_on_disk(saved_box_path("副本")), "saved");

    driver->click_item(saved, saved.find_item("副本"));
    driver->answer_popup_menu(w().另存为.get());
    driver->answer_input_box("副本二");
    driver->right_click_item(saved, saved.find_item("副本"));
    EXPECT_TRUE(test::exists_on_disk(saved_box_path("副本二")));

    driver->answer_popup_menu(w().重命名.get());
    driver->right_click_item(saved, saved.find_item("乙"));
    driver->finish_label_edit(saved, "丙");
    EXPECT_TRUE(test::exists_on_disk(saved_box_path("丙")));
    EXPECT_NE(saved.find_item("丙"), -1);  // the list keeps the typed title

    driver->click_item(saved, saved.find_item("丙"));
    driver->answer_message_box(result_ok);
    driver->click(*w().超级按钮删除);
    EXPECT_FALSE(test::exists_on_disk(saved_box_path("丙")));

    driver->click_item(saved, saved.find_item("副本"));
    driver->answer_popup_menu(w().删除.get());
    driver->answer_message_box(result_ok);
    driver->right_click_item(saved, saved.find_item("副本"));
    EXPECT_FALSE(test::exists_on_disk(saved_box_path("副本")));
    EXPECT_EQ(driver->unused_answers(), 0);
}

TEST_F(Bindings, RenamingAMyBoxRunsTheMyBoxRename) {
    put_my_box("甲");
    start_quietly();
    ui::ListView& mine = *w().超级列表框我的箱子;
    driver->answer_popup_menu(w().重命名.get());
    driver->right_click_item(mine, mine.find_item("甲"));
    driver->finish_label_edit(mine, "丁");
    EXPECT_TRUE(test::exists_on_disk(my_box_path("丁")));
}

TEST_F(Bindings, FilesDroppedOnAListAreImportedIntoThatListsFolder) {
    start_quietly();
    const std::string outside = temp / "外来.bin";
    test::write_on_disk(outside, test::stash_holding("dropped"));

    driver->drop_files(*w().超级列表框我的箱子, {outside});
    driver->drop_files(*w().超级列表框保存箱子, {outside});

    EXPECT_EQ(test::box_on_disk(my_box_path("外来")), "dropped");
    EXPECT_EQ(test::box_on_disk(saved_box_path("外来")), "dropped");
    EXPECT_NE(w().超级列表框我的箱子->find_item("外来"), -1);
    EXPECT_NE(w().超级列表框保存箱子->find_item("外来"), -1);
}

TEST_F(Bindings, RefreshAndOpenFolderFollowTheListTheyAreCalledFrom) {
    start_quietly();
    put_saved_box("新");
    put_my_box("新");

    driver->answer_popup_menu(w().刷新.get());
    driver->right_click_item(*w().超级列表框保存箱子, -1);
    EXPECT_NE(w().超级列表框保存箱子->find_item("新"), -1);
    EXPECT_EQ(w().超级列表框我的箱子->find_item("新"), -1);

    driver->click(*w().超级按钮刷新);
    EXPECT_NE(w().超级列表框我的箱子->find_item("新"), -1);

    driver->take_shown_dialogs();
    driver->answer_popup_menu(w().打开该文件夹.get());
    driver->right_click_item(*w().超级列表框保存箱子, -1);
    bool opened_box_folder = false;
    for (const ShownDialog& shown : driver->take_shown_dialogs())
        if (shown.kind == ShownDialog::Kind::shell_open && shown.text == box_folder) opened_box_folder = true;
    EXPECT_TRUE(opened_box_folder);
}

}  // namespace
}  // namespace kistvar
