// The options page: switching pages, choosing folders, Save and Cancel.
#include <gtest/gtest.h>

#include "platform/dialogs.h"
#include "platform/fault_seam.h"
#include "support/app_fixture.h"

namespace kistvar {
namespace {

using test::AppFixture;
using test::ShownDialog;

class OptionsPage : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        write_standard_settings();
        ASSERT_EQ(start(), std::nullopt);
        driver->take_shown_dialogs();
    }
    void open_options_page() {
        ASSERT_EQ(w().选择夹1->current_page(), 0);
        driver->click(*w().超级按钮高级);
        ASSERT_EQ(w().选择夹1->current_page(), 1);
    }
    void expect_lists(int view_style, int sort_order) {
        for (ui::ListView* list : {w().超级列表框我的箱子.get(), w().超级列表框保存箱子.get()}) {
            EXPECT_EQ(list->view_style(), view_style);
            EXPECT_EQ(list->sort_order(), sort_order);
        }
    }
};

TEST_F(OptionsPage, TheToggleSwitchesPagesAndToolTipsAndDropsUnsavedEdits) {
    put_saved_box("old");
    const std::string other_box_folder = temp / "other";
    test::make_folder_on_disk(other_box_folder);
    test::write_on_disk(other_box_folder + "\\new.bin", "x");
    const std::string settings_before = settings_bytes();

    open_options_page();
    EXPECT_EQ(w().超级按钮高级->tool_tip_text(), "返回");
    EXPECT_EQ(w().编辑框箱子路径->content(), box_folder);
    w().编辑框箱子路径->set_content(other_box_folder);

    driver->click(*w().超级按钮高级);
    EXPECT_EQ(w().选择夹1->current_page(), 0);
    EXPECT_EQ(w().超级按钮高级->tool_tip_text(), "高级选项");
    EXPECT_EQ(titles(*w().超级列表框保存箱子), std::vector<std::string>{"old"});  // refreshed, old folder
    EXPECT_EQ(settings_bytes(), settings_before);

    open_options_page();
    EXPECT_EQ(w().编辑框箱子路径->content(), box_folder);
    EXPECT_TRUE(driver->take_shown_dialogs().empty());
}

TEST_F(OptionsPage, OpeningThePageUndoesAViewAndSortChosenFromTheMenu) {
    driver->answer_popup_menu(w().大图标.get());
    driver->right_click_item(*w().超级列表框我的箱子, -1);
    driver->answer_popup_menu(w().逆向排序.get());
    driver->right_click_item(*w().超级列表框我的箱子, -1);
    ASSERT_EQ(w().超级列表框保存箱子->view_style(), ui::ListView::large_icons);
    ASSERT_TRUE(w().逆向排序->checked());

    open_options_page();

    EXPECT_EQ(w().组合框3->current_index(), 0);
    EXPECT_EQ(w().组合框4->current_index(), 0);
    expect_lists(ui::ListView::report, ui::ListView::ascending);
    EXPECT_TRUE(w().小图标->checked());
    EXPECT_FALSE(w().大图标->checked());
    EXPECT_TRUE(w().正向排序->checked());
    EXPECT_EQ(app->state.paths[view_setting], "0");
    EXPECT_EQ(app->state.paths[sort_setting], "0");
}

TEST_F(OptionsPage, SaveWritesTheControlsAndTheStashNameFollowsAtOnce) {
    open_options_page();
    w().组合框1->set_current_index(1);
    w().组合框2->set_current_index(1);
    w().组合框3->set_current_index(1);

    driver->click(*w().按钮保存);

    const std::string text = settings_text();
    EXPECT_NE(text.find("[高级]\r\n版本=1\r\n模式=1\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("图标大小=1\r\n"), std::string::npos) << text;
    EXPECT_EQ(app->state.stash_file_name, "sharedstashh.bin");
    expect_lists(ui::ListView::large_icons, ui::ListView::ascending);
    EXPECT_TRUE(w().大图标->checked());
    EXPECT_EQ(w().选择夹1->current_page(), 1);
    EXPECT_TRUE(driver->take_shown_dialogs().empty());
}

TEST_F(OptionsPage, AnEmptySaveFolderIsStoredAsEmptyAndStaysEmpty) {
    open_options_page();
    w().编辑框存档路径->set_content("");
    driver->click(*w().按钮保存);
    EXPECT_EQ(app->state.paths[Slot::save_folder], "");

    driver->click(*w().按钮取消);  // reads the file again
    EXPECT_EQ(app->state.paths[Slot::save_folder], "");
    EXPECT_EQ(w().编辑框存档路径->content(), "");
}

TEST_F(OptionsPage, CancelPutsEveryControlBackToTheStoredValues) {
    open_options_page();
    w().编辑框存档路径->set_content("x");
    w().编辑框箱子路径->set_content("y");
    for (ui::ComboBox* combo : {w().组合框1.get(), w().组合框2.get(), w().组合框3.get(), w().组合框4.get()})
        combo->set_current_index(1);
    w().选择框信息->set_checked(true);
    const std::string settings_before = settings_bytes();

    driver->click(*w().按钮取消);

    EXPECT_EQ(w().编辑框存档路径->content(), save_folder);
    EXPECT_EQ(w().编辑框箱子路径->content(), box_folder);
    for (ui::ComboBox* combo : {w().组合框1.get(), w().组合框2.get(), w().组合框3.get(), w().组合框4.get()})
        EXPECT_EQ(combo->current_index(), 0);
    EXPECT_FALSE(w().选择框信息->checked());
    expect_lists(ui::ListView::report, ui::ListView::ascending);
    EXPECT_EQ(settings_bytes(), settings_before);
    EXPECT_EQ(w().选择夹1->current_page(), 1);
}

TEST_F(OptionsPage, TheFolderChoosersFillTheirEditBoxOnlyWhenAFolderIsChosen) {
    open_options_page();
    driver->answer_folder_chooser("C:\\新的存档");
    driver->click(*w().按钮选择存档路径);
    driver->answer_folder_chooser("");
    driver->click(*w().按钮选择箱子路径);

    EXPECT_EQ(w().编辑框存档路径->content(), "C:\\新的存档");
    EXPECT_EQ(w().编辑框箱子路径->content(), box_folder);
    const std::vector<ShownDialog> shown = driver->take_shown_dialogs();
    ASSERT_EQ(shown.size(), 2u);
    for (const ShownDialog& chooser : shown) {
        EXPECT_EQ(chooser.kind, ShownDialog::Kind::folder_chooser);
        EXPECT_EQ(chooser.text, "选择目录");
    }
    EXPECT_EQ(app->state.paths[Slot::save_folder], save_folder);  // counts only after Save
}

TEST_F(OptionsPage, TheQuietCheckBoxTakesEffectBeforeSaveUntilTheNextLoad) {
    const std::string not_a_box = temp / "notes.txt";
    test::write_on_disk(not_a_box, "x");

    open_options_page();
    w().选择框信息->set_checked(true);
    driver->click(*w().超级按钮高级);
    driver->drop_files(*w().超级列表框我的箱子, {not_a_box});
    EXPECT_TRUE(driver->take_shown_dialogs().empty());

    open_options_page();
    EXPECT_FALSE(w().选择框信息->checked());
    driver->click(*w().超级按钮高级);
    driver->drop_files(*w().超级列表框我的箱子, {not_a_box});
    const std::vector<ShownDialog> shown = driver->take_shown_dialogs();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "只接受单个  *.bin  公共箱子文件");
}

// The box folder set to the save folder: the options page refuses it, and a
// MYBOX.ini that says so all the same never shows the game's stash files as
// saved boxes, to be deleted or renamed away.
TEST_F(OptionsPage, TheSaveFolderIsNeverTheBoxFolder) {
    test::write_on_disk(save_folder + "\\sharedstash_v2.bin", "the live stash");
    test::write_on_disk(save_folder + "\\SharedStashH.bin", "the hardcore stash");
    test::write_on_disk(save_folder + "\\sharedstash.bin.bin", "a box with an odd name");
    const std::string settings_before = settings_bytes();
    w().选择框信息->set_checked(true);  // said all the same

    open_options_page();
    w().编辑框箱子路径->set_content(save_folder + "\\");
    driver->click(*w().按钮保存);
    const std::vector<ShownDialog> shown = driver->take_shown_dialogs();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "箱子路径不能与存档路径相同");
    EXPECT_EQ(shown[0].caption, "错误提示");
    EXPECT_EQ(shown[0].style, 16);
    EXPECT_EQ(settings_bytes(), settings_before);
    EXPECT_EQ(w().编辑框箱子路径->content(), save_folder + "\\") << "left as typed, to be put right";

    write_settings("[路径]\r\n存档=" + save_folder + "\r\n箱子=" + save_folder + "\r\n[状态]\r\n正在使用=M\r\n");
    driver->click(*w().按钮取消);  // reads the file again
    driver->click(*w().超级按钮高级);
    EXPECT_EQ(titles(*w().超级列表框保存箱子), std::vector<std::string>{"sharedstash.bin"});

    // In a box folder of its own, a file of that name is a copy kept as a box.
    test::write_on_disk(box_folder + "\\sharedstash_v2.bin", "a stash kept as a box");
    write_standard_settings("M");
    driver->click(*w().超级按钮高级);
    driver->click(*w().超级按钮高级);
    EXPECT_EQ(titles(*w().超级列表框保存箱子), std::vector<std::string>{"sharedstash_v2"});
}

// A copy of a saved box in the slot is no longer the box in use once the
// settings name another slot: the box there is named in MYBOX.ini first, and
// when that cannot be written the options are not stored.
TEST_F(OptionsPage, AnotherSlotsBoxIsNamedBeforeTheOptionsAreStoredOrTheyStay) {
    for (const bool writable : {false, true}) {
        SCOPED_TRACE(writable ? "MYBOX.ini writable" : "MYBOX.ini unwritable");
        write_standard_settings("别的箱子");
        open_options_page();  // reads it
        w().组合框2->set_current_index(1);  // hardcore
        if (!writable)
            fault_seam::arm([](fault_seam::FileCall call, std::string_view path, std::uint64_t) {
                return call == fault_seam::FileCall::open_for_write && path.find("MYBOX.ini") != std::string_view::npos;
            });
        driver->click(*w().按钮保存);
        fault_seam::disarm();
        EXPECT_EQ(app->state.stash_file_name, writable ? "sharedstashh_v2.bin" : "sharedstash_v2.bin");
        EXPECT_EQ(app->state.paths[in_use_marker], writable ? "MYBOX 1" : "别的箱子");
        EXPECT_NE(settings_text().find(writable ? "正在使用=MYBOX 1\r\n" : "正在使用=别的箱子\r\n"), std::string::npos);
        driver->click(*w().超级按钮高级);  // back to the library
    }
}

}  // namespace
}  // namespace kistvar
